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
#include "image/consistency_pass.h"
#include "image/memory_map.h"

#include <QCommandLineParser>

#include <optional>

namespace cli {

namespace {

// Differing configurations end with 1, as diff(1) does; a file that cannot be read ends with 2.
constexpr int kExitDiffers = 1;

constexpr int kNamedAddresses = 8;

// Bytes no field shows (a reserved byte, one a dialog writes) still make two radios differ:
// when no field differs, the bytes that do are counted and the first named.
QString otherBytesLine(const image::RadioImage& before, const image::RadioImage& after, image::Addr from) {
    QStringList addresses;
    int count = 0;
    for (int at = from; at <= image::map::kImageEnd; ++at) {
        if (before.u8(image::Addr(at)) == after.u8(image::Addr(at))) continue;
        if (++count <= kNamedAddresses) addresses.append(QStringLiteral("0x%1").arg(QString::number(at, 16).toUpper().rightJustified(4, u'0')));
    }
    if (count == 0) return {};
    if (count > kNamedAddresses) addresses.append(QStringLiteral("..."));
    return (count == 1 ? text::kOtherByteDiffers : text::kOtherBytesDiffer.arg(count)).arg(addresses.join(QStringLiteral(", ")));
}

// `from`: the first address both images hold (a radio's answer covers only what a write sends).
int printDifferences(const image::RadioImage& before, const image::RadioImage& after, image::Addr from) {
    const QList<config::Difference> differences = config::compare(reportOfImage(before), reportOfImage(after));
    writeOut(config::differenceText(differences).toUtf8());
    if (!differences.isEmpty()) return kExitDiffers;
    const QString other = otherBytesLine(before, after, from);
    if (other.isEmpty()) return kExitOk;
    writeOut((other + u'\n').toUtf8());
    return kExitDiffers;
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
        const auto before = readConfiguration(files[0]);
        if (!before) return kExitFile;
        const auto after = readConfiguration(files[1]);
        if (!after) return kExitFile;
        return printDifferences(*before, *after, 0);
    }

    QString error;
    const std::optional<TransferRequest> request = transferOptions.read(parser, QStringLiteral("diff"), error);
    if (!request) return fail(kExitFile, withRadio ? error : text::kUsage.arg(text::kProgramName, text::kDiffUsage));
    // The file first: a long read is not wasted on a file that cannot be compared.
    std::optional<image::RadioImage> file = readConfiguration(files[0]);
    if (!file) return kExitFile;
    if (const int read = readRadio(state, *request, interrupted); read != kExitOk) return read;
    // A write sends the file after the consistency pass: that is what the radio should hold.
    image::runConsistencyPass(*file, image::decodeBandLimits(*file));
    return printDifferences(*file, state.image, image::map::kWriteStart);
}

} // namespace cli
