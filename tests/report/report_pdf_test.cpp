// The printout of a full configuration, drawn to a PDF and read back with pdftotext: header,
// footers, page count and a sample of the fields on several pages.

#include "app/config_report.h"
#include "report_fixture.h"
#include "shell/print_job.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The text of every page, split at the form feeds pdftotext puts between pages.
QStringList pdfPages(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    // Missing poppler-utils must fail the test, not skip it: tools/install-deps.sh installs them.
    EXPECT_FALSE(tool.isEmpty()) << "pdftotext not found; run tools/install-deps.sh";
    if (tool.isEmpty()) return {};
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

QString simplified(const QString& text) { return text.simplified(); }
// Without any blank: a pair's label and value stand a few dots apart, which pdftotext may or
// may not read as a space.
QString squeezed(const QString& text) { return text.simplified().remove(u' '); }

TEST(ReportPdfTest, FullConfigurationPrintsOnSeveralNumberedPages) {
    const image::RadioImage img = reporttest::fullConfiguration();
    const QStringList lines =
        report::printLines(report::buildReport({img, image::decodeBandLimits(img), QStringLiteral("QMR-417")}));
    const QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("full.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(shell::printDocument(printer, QStringLiteral("site-7"), lines));
    // QMR_REPORT_PDF=file keeps a copy, for a look at the pages (docs/ holds two of them).
    if (qEnvironmentVariableIsSet("QMR_REPORT_PDF")) QFile::copy(pdf, qEnvironmentVariable("QMR_REPORT_PDF"));

    const QStringList pages = pdfPages(pdf);
    ASSERT_GT(pages.size(), 3);
    const int count = int(pages.size());
    for (int page = 1; page <= count; ++page) {
        const QString text = simplified(pages[page - 1]);
        EXPECT_TRUE(text.startsWith(QStringLiteral("site-7"))) << page;
        EXPECT_TRUE(text.endsWith(shell::printFooterText(page, count))) << text.right(60).toStdString();
    }
    const QString first = simplified(pages[0]);
    EXPECT_TRUE(squeezed(first).contains(QStringLiteral("Model:QMR-417RX(MHz):136-174TX(MHz):136-174")));
    EXPECT_TRUE(first.contains(QStringLiteral("CH 0: RX Frequency 140.01250, TX Frequency 145.01250, CH Name CH1")));
    const QString all = squeezed(pages.join(u' '));
    // Pairs: the label right-aligned in its column, the value beside it, three to a line.
    EXPECT_TRUE(all.contains(QStringLiteral("MRChannel:0SquelchLevel:3FrequencyScan:TO")));
    EXPECT_TRUE(all.contains(QStringLiteral("DTMFSelfID:101")));
    EXPECT_TRUE(all.contains(QStringLiteral("CHVFO:RXFrequency")));
    EXPECT_TRUE(all.contains(QStringLiteral("124:10124NAME124125:10125NAME125126:10126NAME126127:10127NAME127")));
    EXPECT_TRUE(all.contains(QStringLiteral("FUNC+P4:DELCHFUNC+P5:LOCK")));
    EXPECT_TRUE(all.contains(QStringLiteral("NO.98:EncodeID12345098,EncodeStandardZVEI1,TimeofEncodeTone(ms)70,NameF98")));
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
    QStringList lines;
    for (int i = 0; i < 200; ++i) lines.append(QStringLiteral("line %1").arg(i));
    EXPECT_FALSE(shell::printDocument(printer, QStringLiteral("half"), lines));
}

} // namespace
