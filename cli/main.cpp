// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli: reads and writes QMR-417 radios without a window, for dealers who program
// radios in batches and for scripts. See cli_texts.h for the usage text.

#include "app/version.h"
#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/interrupt_watcher.h"
#include "cli/cli_transfer.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

// "print" measures and draws text, which takes QtGui's fonts; it never opens a window, so
// it needs no display. The other commands run without QtGui.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
    const bool drawsText = argc > 1 && std::strcmp(argv[1], "print") == 0;
    if (!drawsText) return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window system's notes ("XDG_RUNTIME_DIR not set") are nothing a script must read.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication::setApplicationName(cli::text::kProgramName);

    app::AppState state;
    std::atomic<bool> interrupted{false};
    const cli::InterruptWatcher watcher(state.transfer.cancel, interrupted);

    // Every command, in the order the help lists them; each parses its own arguments.
    using Run = std::function<int(const QStringList&)>;
    const std::vector<std::pair<QString, Run>> commands{
        {QStringLiteral("ports"), [](const QStringList& a) { return cli::portsCommand(a); }},
        {QStringLiteral("read"), [&](const QStringList& a) { return cli::readCommand(a, state, interrupted); }},
        {QStringLiteral("write"), [&](const QStringList& a) { return cli::writeCommand(a, state, interrupted); }},
        {QStringLiteral("report"), [](const QStringList& a) { return cli::reportCommand(a); }},
        {QStringLiteral("diff"), [&](const QStringList& a) { return cli::diffCommand(a, state, interrupted); }},
        {QStringLiteral("check"), [](const QStringList& a) { return cli::checkCommand(a); }},
        {QStringLiteral("export-csv"), [](const QStringList& a) { return cli::exportCsvCommand(a); }},
        {QStringLiteral("import-csv"), [](const QStringList& a) { return cli::importCsvCommand(a); }},
        {QStringLiteral("apply"), [](const QStringList& a) { return cli::applyCommand(a); }},
        {QStringLiteral("fleet"), [&](const QStringList& a) { return cli::fleetCommand(a, state, interrupted); }},
        {QStringLiteral("audition"), [](const QStringList& a) { return cli::auditionCommand(a); }},
        {QStringLiteral("print"), [](const QStringList& a) { return cli::printCommand(a); }},
    };

    QStringList arguments = QCoreApplication::arguments();
    const QString command = arguments.value(1);
    if (command == QStringLiteral("--version")) {
        std::printf("%s %s\n", qPrintable(cli::text::kProgramName), app::kVersion);
        return cli::kExitOk;
    }
    if (command.isEmpty() || command == QStringLiteral("--help") || command == QStringLiteral("-h")) {
        std::printf("%s\n%s\n", qPrintable(cli::text::kUsage.arg(cli::text::kProgramName, cli::text::kTopUsage)),
                    qPrintable(cli::text::kDescription.arg(cli::text::kProgramName)));
        if (command.isEmpty()) return cli::kExitUsage;
        // Every command's own help, so one page lists every option.
        const QStringList help{cli::text::kProgramName, QStringLiteral("--help")};
        for (const auto& [name, run] : commands) {
            std::printf("\n");
            run(help);
        }
        return cli::kExitOk;
    }
    arguments.removeAt(1);  // each command parses the rest as its own
    for (const auto& [name, run] : commands)
        if (command == name) return run(arguments);
    return cli::fail(cli::kExitUsage, cli::text::kUnknownCommand.arg(command));
}
