// SPDX-License-Identifier: GPL-3.0-or-later
// Times the editors in the main window on a full configuration (203 channels, every list
// full): opening each editor (created, loaded, shown and painted, with the Channel editor open
// as after start-up) and a store all with all nine editors open.
//   bench_editors [repeats] [editor]   (headless unless QT_QPA_PLATFORM says otherwise)
// Naming an editor ("5Tone") times only its opening, for a profiler run.

#include "app/app_config.h"
#include "app/app_state.h"
#include "app/prompts.h"
#include "report_fixture.h"
#include "shell/child_frame.h"
#include "shell/editor_kinds.h"
#include "forms/help_service.h"
#include "shell/main_frame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Nothing asks anything while the editors open and store.
class SilentPrompts : public app::Prompts {
public:
    void message(const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
    bool askRetryCancel(const QString&) override { return false; }
    std::optional<QString> askPassword(app::PasswordMode, const QString&) override { return std::nullopt; }
    std::optional<QString> askReviveCode(const QString&) override { return std::nullopt; }
    QString askOpenFileName(const app::FileDialogRequest&) override { return {}; }
    QString askSaveFileName(const app::FileDialogRequest&) override { return {}; }
};

class NoHelp : public forms::HelpService {
public:
    void showContext(int) override {}
    void showDefaultTopic() override {}
};

double elapsedMs(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

void printFigures(const char* what, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    std::printf("%-34s median %7.2f ms   max %7.2f ms   (%zu runs)\n", what, samples[samples.size() / 2],
                samples.back(), samples.size());
}

double timed(const std::function<void()>& run) {
    QElapsedTimer timer;
    timer.start();
    run();
    QApplication::processEvents();  // layout and paint
    return elapsedMs(timer);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const auto counted = [&](const config::Editor& info) {
        return only.isEmpty() || only == QLatin1String(info.windowTitle);
    };

    // An application folder without "Default.dat": the window keeps the image it is given.
    const QTemporaryDir folder;
    app::AppState state;
    state.config = app::startupConfig(folder.filePath(QStringLiteral("qmr417")));
    state.config.modelName = QStringLiteral("QMR-417");
    state.image = reporttest::fullConfiguration();
    state.bandLimits = image::decodeBandLimits(state.image);
    SilentPrompts prompts;
    NoHelp help;
    shell::CMainFrame frame(state, prompts, help, shell::programEditors(), shell::LinkServices{});
    frame.resize(1400, 900);
    frame.show();
    QApplication::processEvents();

    const auto close = [&](config::EditorKind kind) {
        if (shell::CMyChildFrame* child = frame.workspace().frame(kind)) {
            child->close();
            QApplication::processEvents();
        }
    };
    // The first round pays for Qt's own set-up of each kind of widget; it is not counted.
    for (const config::Editor& info : config::kEditors) {
        if (info.kind == config::EditorKind::Channel || !counted(info)) continue;
        timed([&] { frame.openEditor(info.kind); });
        close(info.kind);
    }
    for (const config::Editor& info : config::kEditors) {
        if (!counted(info)) continue;
        std::vector<double> samples;
        for (int i = 0; i < repeats; ++i) {
            if (info.kind == config::EditorKind::Channel) close(info.kind);
            samples.push_back(timed([&] { frame.openEditor(info.kind); }));
            if (info.kind != config::EditorKind::Channel) close(info.kind);
        }
        printFigures(qPrintable(QStringLiteral("open %1").arg(QLatin1String(info.windowTitle))), samples);
    }

    if (!only.isEmpty()) return 0;
    for (const config::Editor& info : config::kEditors) frame.openEditor(info.kind);
    QApplication::processEvents();
    std::vector<double> stores;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        frame.workspace().storeAll();
        stores.push_back(elapsedMs(timer));
    }
    printFigures("store all, nine editors open", stores);
    return 0;
}
