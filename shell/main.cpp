// SPDX-License-Identifier: GPL-3.0-or-later
// The program: reads its configuration from beside the executable, shows the main window,
// and writes the port name back at exit.

#include "link/port_provider.h"
#include "app/app_config.h"
#include "app/app_state.h"
#include "app/version.h"
#include "shell/dialog_prompts.h"
#include "shell/editor_kinds.h"
#include "shell/help_window.h"
#include "shell/link_services.h"
#include "shell/main_frame.h"
#include "shell/shell_texts.h"
#include "shell/toolbar_icons.h"
#include "shell/ui_language.h"

#include <QApplication>
#include <QLocale>
#include <QStatusBar>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kNoDisplayExitCode = 2;

// Without a display Qt would abort with a long message; one line says what to do instead.
bool displayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

QString displayName() {
    const QString x11 = qEnvironmentVariable("DISPLAY");
    return x11.isEmpty() ? qEnvironmentVariable("WAYLAND_DISPLAY") : x11;
}

// A display that is set but cannot be opened (no server there, or one that refuses us) makes
// Qt end the program with a fatal error and a core dump while the application object is
// built. Meanwhile that error becomes one line and an exit code; the messages before it are
// held back and go out as usual once the application stands.
class DisplayStartGuard {
public:
    DisplayStartGuard() : m_previous(qInstallMessageHandler(&DisplayStartGuard::handle)) {}
    ~DisplayStartGuard() {
        qInstallMessageHandler(m_previous);
        for (const Held& message : held()) m_previous(message.type, QMessageLogContext(), message.text);
        held().clear();
    }
    DisplayStartGuard(const DisplayStartGuard&) = delete;
    DisplayStartGuard& operator=(const DisplayStartGuard&) = delete;

private:
    struct Held {
        QtMsgType type;
        QString text;
    };
    // A message handler is a plain function, so what it holds lives here, for the start only.
    static std::vector<Held>& held() {
        static std::vector<Held> messages;
        return messages;
    }
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(shell::texts::kDisplayUnreachable.arg(displayName())));
            std::_Exit(kNoDisplayExitCode);
        }
        held().push_back({type, text});
    }

    QtMessageHandler m_previous;
};

} // namespace

int main(int argc, char* argv[]) {
    // Answered before anything needs a display, as a package script or a user asks it.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s\n", qPrintable(shell::texts::kVersionLine.arg(QLatin1String(app::kVersion))));
        return 0;
    }
    if (!displayAvailable()) {
        std::fprintf(stderr, "%s\n", qPrintable(shell::texts::kNoDisplay));
        return kNoDisplayExitCode;
    }
    auto startGuard = std::make_unique<DisplayStartGuard>();
    QApplication app(argc, argv);
    startGuard.reset();
    QApplication::setWindowIcon(shell::applicationIcon());  // every window and dialog, not the toolkit's logo

    app::AppState state;
    state.config = app::startupConfig(QCoreApplication::applicationFilePath());
    // Before the first window: every window takes its texts in this language as it is built.
    const shell::UiLanguage language(state.config, QLocale::system().name());
    radiolink::PortProvider ports;
    shell::DialogPrompts prompts(state.config);
    shell::BuiltInHelp help;
    help.setLanguage(language.choice().code);

    shell::CMainFrame frame(state, prompts, help, shell::programEditors(), shell::programLink(ports));
    prompts.setParent(&frame);
    help.setWindowParent(&frame);
    frame.show();
    if (const QString note = language.note(); !note.isEmpty()) frame.statusBar()->showMessage(note);
    // The caption of every message box.
    QApplication::setApplicationName(state.config.modelName);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) frame.openPath(arguments.at(1));

    const int result = QApplication::exec();
    app::writePortAtExit(state.config);
    return result;
}
