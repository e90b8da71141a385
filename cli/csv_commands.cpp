// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli export-csv FILE.dat OUT.csv and import-csv FILE.dat IN.csv [--out NEW.dat]
// [--append]: channel lists in and out of parameter files as CSV. The import checks every
// row as the channel list checks a typed entry; rows it refuses and warnings are listed on
// stderr with their line, a count line ends the summary, and the exit code says that rows
// were skipped.

#include "channels/channel_csv.h"
#include "cli/cli_transfer.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "image/band_limits.h"
#include "image/parameter_file.h"

#include <QCommandLineParser>

namespace cli {

namespace {

namespace text {
const QString kExportUsage = QStringLiteral("export-csv FILE.dat OUT.csv");
const QString kImportUsage = QStringLiteral("import-csv FILE.dat IN.csv [--out NEW.dat] [--append]");
const QString kCannotRead = QStringLiteral("cannot read %1: %2");
const QString kCannotSave = QStringLiteral("cannot save %1: %2");
const QString kCannotUse = QStringLiteral("cannot import %1: %2");
const QString kExported = QStringLiteral("exported %1 to %2");
const QString kImported = QStringLiteral("imported %1 into %2");
const QString kCounts = QStringLiteral("%1: %2 imported, %3 refused, %4");
const QString kChannel = QStringLiteral("channel");
const QString kChannels = QStringLiteral("channels");
const QString kRow = QStringLiteral("row");
const QString kRows = QStringLiteral("rows");
const QString kWarning = QStringLiteral("warning");
const QString kWarnings = QStringLiteral("warnings");
const QString kOutHelp = QStringLiteral("Parameter file to save (default: FILE.dat itself).");
const QString kAppendHelp = QStringLiteral("Put the rows into the next empty channels instead of their Location.");
} // namespace text

struct LoadedFile {
    image::FilePrefixBlock prefix{};
    image::RadioImage image;
};

std::optional<LoadedFile> loadParameterFile(const QString& path) {
    LoadedFile file;
    const image::FileResult result = image::readParameterFile(path, file.prefix, file.image);
    if (!result.ok) {
        fail(kExitFile, readFailureText(path, result));
        return std::nullopt;
    }
    return file;
}

} // namespace

int exportCsvCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QString());
    parser.addPositionalArgument(QStringLiteral("OUT.csv"), QString());
    parser.addHelpOption();
    if (const std::optional<int> done = parseCommandLine(parser, arguments, text::kExportUsage, 2)) return *done;
    const QStringList files = parser.positionalArguments();
    if (const QString problem = cannotSaveTextFileReason(files[1]); !problem.isEmpty()) return fail(kExitFile, problem);

    const std::optional<LoadedFile> loaded = loadParameterFile(files[0]);
    if (!loaded) return kExitFile;
    const QString csv = channels::csv::exportChannels(loaded->image);
    if (const QString error = channels::csv::writeFile(files[1], csv); !error.isEmpty())
        return fail(kExitFile, text::kCannotSave.arg(files[1], error));
    const auto rows = std::size_t(csv.count(QStringLiteral("\r\n")) - 1);
    printLine(text::kExported.arg(channels::csv::counted(rows, text::kChannel, text::kChannels), files[1]));
    return kExitOk;
}

int importCsvCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QString());
    parser.addPositionalArgument(QStringLiteral("IN.csv"), QString());
    const QCommandLineOption outOption(QStringLiteral("out"), text::kOutHelp, QStringLiteral("file"));
    const QCommandLineOption appendOption(QStringLiteral("append"), text::kAppendHelp);
    parser.addOptions({outOption, appendOption});
    parser.addHelpOption();
    if (const std::optional<int> done = parseCommandLine(parser, arguments, text::kImportUsage, 2)) return *done;
    const QStringList files = parser.positionalArguments();
    const QString out = parser.isSet(outOption) ? parser.value(outOption) : files[0];
    if (parser.isSet(outOption))
        if (const QString problem = cannotSaveParameterFileReason(out); !problem.isEmpty()) return fail(kExitFile, problem);

    std::optional<LoadedFile> loaded = loadParameterFile(files[0]);
    if (!loaded) return kExitFile;
    QString csv;
    if (const QString error = channels::csv::readFile(files[1], csv); !error.isEmpty())
        return fail(kExitFile, text::kCannotRead.arg(files[1], error));

    const image::BandLimits limits = image::decodeBandLimits(loaded->image);
    const auto placement = parser.isSet(appendOption) ? channels::csv::Placement::NextEmpty
                                                      : channels::csv::Placement::AtLocation;
    const channels::csv::ImportPlan plan = channels::csv::planImport(csv, loaded->image, limits, placement);
    // Rows that cannot all be read are rows left out: nothing is written.
    if (!plan.ok()) return fail(plan.rowsUnreadable ? kExitRowsSkipped : kExitFile, text::kCannotUse.arg(files[1], plan.error));
    for (const QString& line : channels::csv::reportLines(plan)) printLine(files[1] + QStringLiteral(": ") + line);

    channels::csv::applyImport(loaded->image, limits, plan);
    const image::FileResult saved = image::writeParameterFile(out, loaded->prefix, loaded->image);
    if (!saved.ok) return fail(kExitFile, text::kCannotSave.arg(out, saved.errorText));
    using channels::csv::counted;
    printLine(text::kImported.arg(counted(plan.channels.size(), text::kChannel, text::kChannels), out));
    printLine(text::kCounts.arg(counted(plan.rows(), text::kRow, text::kRows))
                  .arg(plan.channels.size())
                  .arg(plan.refused.size())
                  .arg(counted(plan.warningCount(), text::kWarning, text::kWarnings)));
    return plan.refused.empty() ? kExitOk : kExitRowsSkipped;
}

} // namespace cli
