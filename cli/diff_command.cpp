// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli diff A.dat B.dat: the fields that differ between two parameter files.
// qmr417-cli diff --port NAME FILE.dat: the same between a file and the radio, which is read
// into memory (keeping the usual read backup) and stands on the right, as B does. Both
// come from the same report model as the printout.

#include "config/config_report.h"
#include "cli/cli_texts.h"
#include "cli/cli_transfer.h"
#include "cli/commands.h"
#include "cli/configuration_reports.h"
#include "cli/exit_codes.h"

#include <QCommandLineParser>

#include <optional>

namespace cli {

namespace {

// Differing configurations end with 1, as diff(1) does; a file that cannot be read ends with 2.
constexpr int kExitDiffers = 1;

int printDifferences(const app::report::ConfigReport& before, const app::report::ConfigReport& after) {
    const QList<config::Difference> differences = config::compare(before, after);
    writeOut(config::differenceText(differences).toUtf8());
    return differences.isEmpty() ? kExitOk : kExitDiffers;
}

} // namespace

int diffCommand(const QStringList& arguments, app::AppState& state, const std::atomic<bool>& interrupted) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints the fields that differ between two parameter files, or between a file and the radio."));
    parser.addHelpOption();
    const TransferOptions transferOptions;
    transferOptions.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("A.dat"), QStringLiteral("First parameter file."));
    parser.addPositionalArgument(QStringLiteral("B.dat"), QStringLiteral("Second parameter file (not with --port)."));
    // A usage error must not pass for "they differ" (1), so it ends like a file error.
    if (const std::optional<int> done = parseCommandLine(parser, arguments, text::kDiffUsage, 1, 2))
        return *done == kExitOk ? kExitOk : kExitFile;
    const QStringList files = parser.positionalArguments();
    const bool withRadio = parser.isSet(QStringLiteral("port"));
    if (files.size() == 2 && withRadio) return fail(kExitFile, text::kDiffPortTakesOneFile);

    if (files.size() == 2) {
        const auto before = reportOfFile(files[0]);
        if (!before) return kExitFile;
        const auto after = reportOfFile(files[1]);
        if (!after) return kExitFile;
        return printDifferences(*before, *after);
    }

    QString error;
    const std::optional<TransferRequest> request = transferOptions.read(parser, QStringLiteral("diff"), error);
    if (!request) return fail(kExitFile, withRadio ? error : text::kUsage.arg(text::kProgramName, text::kDiffUsage));
    // The file first: a long read is not wasted on a file that cannot be compared.
    const auto file = reportOfFile(files[0]);
    if (!file) return kExitFile;
    if (const int read = readRadio(state, *request, interrupted); read != kExitOk) return read;
    return printDifferences(*file, reportOfImage(state.image));
}

} // namespace cli
