// The program: reads its configuration from beside the executable, shows the main window,
// and writes the port name back at exit.

#include "link/port_provider.h"
#include "app/app_config.h"
#include "app/app_state.h"
#include "shell/dialog_prompts.h"
#include "shell/editor_kinds.h"
#include "shell/help_window.h"
#include "shell/link_services.h"
#include "shell/main_frame.h"
#include "shell/shell_texts.h"
#include "shell/toolbar_icons.h"

#include <QApplication>

#include <cstdio>

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

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fprintf(stderr, "%s\n", qPrintable(shell::texts::kNoDisplay));
        return kNoDisplayExitCode;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(shell::applicationIcon());  // every window and dialog, not the toolkit's logo

    app::AppState state;
    state.config = app::startupConfig(QCoreApplication::applicationFilePath());
    radiolink::PortProvider ports;
    shell::DialogPrompts prompts(state.config);
    shell::BuiltInHelp help;

    shell::CMainFrame frame(state, prompts, help, shell::programEditors(), shell::programLink(ports));
    prompts.setParent(&frame);
    help.setWindowParent(&frame);
    frame.show();
    // The caption of every message box.
    QApplication::setApplicationName(state.config.modelName);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) frame.openPath(arguments.at(1));

    const int result = QApplication::exec();
    app::writePortAtExit(state.config);
    return result;
}
