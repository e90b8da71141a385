// SPDX-License-Identifier: GPL-3.0-or-later
// The printout of a full configuration, drawn to a PDF and read back with pdftotext: header,
// footers, page count, and every text in the editors' order.

#include "cli_process.h"
#include "config/config_report.h"
#include "config/print_document.h"
#include "config/print_layout.h"
#include "image/parameter_file.h"
#include "report_fixture.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What pdftotext reads from a PDF: -layout gives each page as it looks (split at the form
// feeds between pages), -raw gives the text in the order it was drawn.
QString pdfText(const QString& pdf, const QString& mode) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    // Missing poppler-utils must fail the test, not skip it: tools/install-deps.sh installs them.
    EXPECT_FALSE(tool.isEmpty()) << "pdftotext not found; run tools/install-deps.sh";
    if (tool.isEmpty()) return {};
    QProcess process;
    process.start(tool, {mode, pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    // A face's ligatures ("ﬀ") read as their letters.
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

QStringList pdfPages(const QString& pdf) {
    QStringList pages = pdfText(pdf, QStringLiteral("-layout")).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

QString simplified(const QString& text) { return text.simplified(); }
// Without any blank: where a text wraps or two texts stand apart depends on the font.
QString squeezed(const QString& text) { return text.simplified().remove(u' '); }

config::Printout fullPrintout() {
    const image::RadioImage img = reporttest::fullConfiguration();
    return config::printout(config::buildReport({img, image::decodeBandLimits(img), QStringLiteral("QMR-417")}),
                            {QStringLiteral("site-7"), QStringLiteral("site-7.dat"),
                             QStringLiteral("2026-12-07 10:51")});
}

// What the printout says, in reading order: each section's title, its fields (down the left
// column of a run, then the right), its tables' rows with their notes.
QStringList readingOrder(const config::Printout& printout) {
    QStringList texts{printout.heading};
    for (const config::PrintPair& pair : printout.titleFields.left + printout.titleFields.right)
        texts.append(pair.label + pair.value);
    for (const config::PrintSection& section : printout.sections) {
        texts.append(section.title);
        for (const config::PrintBand& band : section.bands)
            for (const config::PrintPair& pair : band.left + band.right) texts.append(pair.label + pair.value);
        for (const config::PrintTable& table : section.tables) {
            if (!table.caption.isEmpty()) texts.append(table.caption);
            texts.append(table.headers.join(QString()));
            for (qsizetype r = 0; r < table.rows.size(); ++r)
                texts.append(table.rows[r].join(QString()) + table.notes[r]);
        }
    }
    return texts;
}

// Every page carries the file's name and its number; every text of the printout is drawn,
// whole and in the editors' order, whichever font the system gives (texts that do not fit
// their place wrap, so only the order of what is drawn is checked, not where lines break).
TEST(ReportPdfTest, FullConfigurationPrintsInTheEditorsOrderOnNumberedPages) {
    const config::Printout printout = fullPrintout();
    const QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("full.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(config::printDocument(printer, printout));
    // QMR_REPORT_PDF=file keeps a copy, for a look at the pages (docs/ holds two of them).
    if (qEnvironmentVariableIsSet("QMR_REPORT_PDF")) QFile::copy(pdf, qEnvironmentVariable("QMR_REPORT_PDF"));

    const QStringList pages = pdfPages(pdf);
    ASSERT_GT(pages.size(), 3);
    const int count = int(pages.size());
    for (int page = 1; page <= count; ++page) {
        const QString text = simplified(pages[page - 1]);
        EXPECT_TRUE(text.startsWith(QStringLiteral("site-7"))) << page;
        EXPECT_TRUE(text.endsWith(config::printFooterText(page, count))) << text.right(60).toStdString();
    }

    const QString drawn = squeezed(pdfText(pdf, QStringLiteral("-raw")));
    qsizetype at = 0;
    for (const QString& text : readingOrder(printout)) {
        const qsizetype found = drawn.indexOf(squeezed(text), at);
        ASSERT_GE(found, 0) << "missing or out of order: " << text.toStdString();
        at = found;
    }
    // A channel row holds the grid's columns; the list's title line of old is gone.
    EXPECT_TRUE(drawn.contains(QStringLiteral("0140.01250145.01250CH112.525HighD001N67.0DTMFM5")));
    EXPECT_FALSE(drawn.contains(QStringLiteral("NO.:DTMFEncode")));
}

// The page texts without the date printed, which moves with the clock.
QStringList undated(QStringList pages) {
    for (QString& page : pages) page.remove(QRegularExpression(QStringLiteral("Printed\\s+\\S+\\s+\\S+")));
    return pages;
}

// A dealer's script gets the program's pages: `print` writes what Export PDF writes, every
// name and number of the lists whole on one line, no section title alone at a page's foot;
// a file that cannot be read ends with 2, and so does an output name that is a parameter file's.
TEST(ReportPdfTest, PrintCommandWritesTheProgramsPagesWithNamesAndTitlesWhole) {
    const QTemporaryDir dir;
    const QString dat = dir.filePath(QStringLiteral("site-7.dat"));
    image::FilePrefixBlock prefix{};
    ASSERT_TRUE(image::writeParameterFile(dat, prefix, reporttest::fullConfiguration()).ok);
    const QString cliPdf = dir.filePath(QStringLiteral("cli.pdf"));
    const clitest::CliRun run = clitest::runCli({QStringLiteral("print"), dat, QStringLiteral("--out"), dir.filePath(QStringLiteral("cli"))});
    ASSERT_EQ(run.exitCode, 0) << run.errorText.toStdString();
    const QString programPdf = dir.filePath(QStringLiteral("program.pdf"));
    const config::Printout printout = fullPrintout();
    const int pages = config::writePdf(programPdf, printout);
    EXPECT_EQ(pages, 11) << "the README's page count of a full configuration";
    EXPECT_TRUE(run.errorText.contains(QStringLiteral("%1 pages").arg(pages))) << run.errorText.toStdString();
    const QStringList programPages = pdfPages(programPdf);
    EXPECT_EQ(undated(pdfPages(cliPdf)), undated(programPages));

    const QString laidOut = pdfPages(programPdf).join(u'\n');
    for (const config::PrintSection& section : printout.sections) {
        for (const config::PrintTable& table : section.tables) {
            for (const QStringList& row : table.rows) {
                for (const QString& cell : row) {
                    if (cell.contains(u' ') || cell.isEmpty()) continue;
                    EXPECT_TRUE(laidOut.contains(QRegularExpression(QStringLiteral("(^|\\s)%1(\\s|$)").arg(QRegularExpression::escape(cell)))))
                        << section.title.toStdString() << ": \"" << cell.toStdString() << "\" is broken";
                }
            }
        }
        for (const QString& page : programPages) {
            QStringList lines = page.split(u'\n', Qt::SkipEmptyParts);
            while (!lines.isEmpty() && (lines.last().trimmed().isEmpty() || lines.last().contains(QStringLiteral("-- Page"))))
                lines.removeLast();
            EXPECT_NE(lines.value(lines.size() - 1).trimmed(), section.title) << "a title ends a page";
        }
    }

    EXPECT_EQ(clitest::runCli({QStringLiteral("print"), dir.filePath(QStringLiteral("none.dat")), QStringLiteral("--out"), cliPdf}).exitCode, 2);
    EXPECT_EQ(clitest::runCli({QStringLiteral("print"), dat, QStringLiteral("--out"), dir.filePath(QStringLiteral("x.dat"))}).exitCode, 2);
}

// A printer that will not start a second page: the job stops there and reports the failure,
// which the main window shows (print engines that can abort also drop the first page).
TEST(ReportPdfTest, FailedPageAbortsTheJob) {
    struct SecondPageFails : QPrinter {
        SecondPageFails() : QPrinter(QPrinter::HighResolution) {}
        bool newPage() override { return false; }
    };
    const QTemporaryDir dir;
    SecondPageFails printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("half.pdf")));
    EXPECT_FALSE(config::printDocument(printer, fullPrintout()));
}

} // namespace
