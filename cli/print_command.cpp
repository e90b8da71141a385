// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli print FILE.dat --out FILE.pdf: the printout of a parameter file as a PDF, the
// same pages as the program's File > Export PDF, for dealers who document a fleet from a script.

#include "cli/cli_texts.h"
#include "cli/cli_transfer.h"
#include "cli/commands.h"
#include "cli/configuration_reports.h"
#include "cli/exit_codes.h"
#include "config/print_document.h"
#include "config/print_layout.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace cli {

namespace {

namespace ptext {
const QString kUsage = QStringLiteral("print FILE.dat --out FILE.pdf");
const QString kDescription =
    QStringLiteral("Writes the printout of a parameter file as a PDF, the pages of the program's Export PDF.");
const QString kOutHelp = QStringLiteral("The PDF file to write (\".pdf\" is added to a name without it).");
const QString kPdfSuffix = QStringLiteral(".pdf");
const QString kOverParameterFile =
    QStringLiteral("cannot save %1: a \".dat\" name is a parameter file's; a printout never replaces one");
const QString kNotWritten = QStringLiteral("cannot save %1: the PDF could not be written");
const QString kSaved = QStringLiteral("saved %1: %2 pages");
} // namespace ptext

// The printout names the file as the program does: its name in the header without what
// follows the first ".", its whole name in the title block.
config::PrintSource printSource(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    const qsizetype dot = fileName.indexOf(u'.');
    return {dot < 0 ? QString() : fileName.left(dot), fileName,
            QDateTime::currentDateTime().toString(config::kPrintDateFormat)};
}

} // namespace

int printCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(ptext::kDescription);
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), ptext::kOutHelp, QStringLiteral("file"));
    parser.addOption(outOption);
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Parameter file."));
    if (const std::optional<int> done = parseCommandLine(parser, arguments, ptext::kUsage, 1)) return *done;
    if (!parser.isSet(outOption))
        return fail(kExitUsage, text::kMissingOption.arg(QStringLiteral("print"), QStringLiteral("out")));

    QString out = parser.value(outOption);
    if (out.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive)) return fail(kExitFile, ptext::kOverParameterFile.arg(out));
    if (!out.endsWith(ptext::kPdfSuffix, Qt::CaseInsensitive)) out += ptext::kPdfSuffix;
    if (const QString problem = cannotSaveReason(out); !problem.isEmpty()) return fail(kExitFile, problem);

    const QString path = parser.positionalArguments().constFirst();
    const std::optional<app::report::ConfigReport> report = reportOfFile(path);
    if (!report) return kExitFile;
    const config::Printout printout = config::printout(*report, printSource(path));
    const int pages = config::writePdf(out, printout);
    if (pages <= 0) return fail(kExitFile, ptext::kNotWritten.arg(QDir::toNativeSeparators(out)));
    printLine(ptext::kSaved.arg(out).arg(pages));
    return kExitOk;
}

} // namespace cli
