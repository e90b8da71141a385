// SPDX-License-Identifier: GPL-3.0-or-later
// Times the configuration report of a full configuration (203 channels, every list full):
// building the model with its printout, the command-line text and JSON, and the PDF.
// QMR_REPORT_PDF=file keeps the last PDF, for a look at the pages.
//   bench_report [repeats]        (headless unless QT_QPA_PLATFORM says otherwise)

#include "config/config_report.h"
#include "config/print_layout.h"
#include "report_fixture.h"
#include "config/print_document.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void measure(const char* what, int repeats, const std::function<void()>& run) {
    std::vector<double> samples;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        samples.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(samples.begin(), samples.end());
    std::printf("%-40s median %8.2f ms   max %8.2f ms   (%d runs)\n", what, samples[samples.size() / 2],
                samples.back(), repeats);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const image::RadioImage img = reporttest::fullConfiguration();
    const app::report::ReportSource source{img, image::decodeBandLimits(img), QStringLiteral("QMR-417")};
    const config::PrintSource title{QStringLiteral("bench"), QStringLiteral("bench.dat"), QStringLiteral("2026-01-01 12:00")};
    const config::Printout printout = config::printout(config::buildReport(source), title);
    qsizetype rows = 0;
    for (const config::PrintSection& section : printout.sections)
        for (const config::PrintTable& table : section.tables) rows += table.rows.size();
    std::printf("full configuration: %lld sections, %lld table rows\n", static_cast<long long>(printout.sections.size()),
                static_cast<long long>(rows));

    measure("report model + printout", repeats, [&] { config::printout(config::buildReport(source), title); });
    measure("report text (CLI)", repeats, [&] { config::plainText(config::buildReport(source)); });
    measure("report JSON (CLI --json)", repeats, [&] { config::toJson(config::buildReport(source)); });
    const QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bench.pdf"));
    measure("PDF (report + pages + file)", repeats, [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        config::printDocument(printer, config::printout(config::buildReport(source), title));
    });
    if (qEnvironmentVariableIsSet("QMR_REPORT_PDF")) QFile::copy(pdf, qEnvironmentVariable("QMR_REPORT_PDF"));
    return 0;
}
