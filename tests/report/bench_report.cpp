// Times the configuration report of a full configuration (203 channels, every list full):
// building the model with its print text, the command-line text and JSON, and the PDF.
//   bench_report [repeats]        (headless unless QT_QPA_PLATFORM says otherwise)

#include "app/config_report.h"
#include "report_fixture.h"
#include "shell/print_job.h"

#include <QApplication>
#include <QElapsedTimer>
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
    const report::ReportSource source{img, image::decodeBandLimits(img), QStringLiteral("QMR-417")};
    const QStringList lines = report::printLines(report::buildReport(source));
    std::printf("full configuration: %lld print lines\n", static_cast<long long>(lines.size()));

    measure("report model + print lines", repeats, [&] { report::printLines(report::buildReport(source)); });
    measure("report text (CLI)", repeats, [&] { report::plainText(report::buildReport(source)); });
    measure("report JSON (CLI --json)", repeats, [&] { report::toJson(report::buildReport(source)); });
    const QTemporaryDir dir;
    measure("PDF (report + pages + file)", repeats, [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("bench.pdf")));
        shell::printDocument(printer, QStringLiteral("bench"), report::printLines(report::buildReport(source)));
    });
    return 0;
}
