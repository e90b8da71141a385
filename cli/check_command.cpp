// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli check FILE.dat [FILE.dat...]: the findings of the configuration check, one a
// line ("FILE: Section / field: message"), each file's own first, then (for several files,
// a fleet) those between the radios. Files shorter than a parameter file are refused, as
// the write refuses them: the check is there to vet what goes into radios.

#include "config/config_check.h"
#include "config/store_corrections.h"
#include "cli/cli_texts.h"
#include "cli/cli_transfer.h"
#include "cli/commands.h"
#include "cli/configuration_reports.h"
#include "cli/exit_codes.h"
#include "image/band_limits.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSet>

#include <climits>
#include <optional>
#include <vector>

namespace cli {

namespace {

constexpr int kExitFindings = 1;

void printFinding(const QString& file, const app::check::Finding& finding) {
    writeOut((app::check::findingLine(file, finding) + u'\n').toUtf8());
}

} // namespace

int checkCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Checks parameter files for settings that do not fit together."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE.dat"),
                                 QStringLiteral("Parameter files; several are also checked against each other."));
    // A usage error must not pass for "there are findings" (1), so it ends like a file error.
    if (const std::optional<int> done = parseCommandLine(parser, arguments, text::kCheckUsage, 1, INT_MAX))
        return *done == kExitOk ? kExitOk : kExitFile;

    std::vector<app::check::FleetRadio> radios;
    QSet<QString> seen;  // a file named twice is one radio, not two with the same IDs
    bool fileError = false;
    int findings = 0;
    for (const QString& path : parser.positionalArguments()) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (!canonical.isEmpty() && seen.contains(canonical)) continue;
        const std::optional<image::RadioImage> img = readConfiguration(path);
        if (!img) {
            fileError = true;
            continue;
        }
        seen.insert(canonical);
        // As the program checks a file it opened: what its editors will change when they
        // store, then what does not fit together in what they leave.
        const config::StoredConfiguration stored =
            config::storeAllOnCopy(*img, image::decodeBandLimits(*img), programModelName());
        for (const app::check::Finding& finding : stored.corrections + config::checkConfiguration({stored.image, stored.limits})) {
            printFinding(path, finding);
            ++findings;
        }
        radios.push_back({path, stored.image});
    }
    if (radios.size() > 1) {
        for (const app::check::FleetFinding& finding : config::checkFleet(radios)) {
            printFinding(finding.radio, finding.finding);
            ++findings;
        }
    }
    if (fileError) return kExitFile;
    return findings == 0 ? kExitOk : kExitFindings;
}

} // namespace cli
