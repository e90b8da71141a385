// qmr417-cli: reads and writes QMR-417 radios without a window, for dealers who program
// radios in batches and for scripts. See cli_texts.h for the usage text.

#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/interrupt_watcher.h"
#include "cli/cli_transfer.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(cli::text::kProgramName);

    app::AppState state;
    std::atomic<bool> interrupted{false};
    const cli::InterruptWatcher watcher(state.transfer.cancel, interrupted);

    QStringList arguments = QCoreApplication::arguments();
    const QString command = arguments.value(1);
    if (command.isEmpty() || command == QStringLiteral("--help") || command == QStringLiteral("-h")) {
        std::printf("Usage: %s COMMAND [options]\n%s\n", qPrintable(cli::text::kProgramName),
                    qPrintable(cli::text::kDescription));
        return command.isEmpty() ? cli::kExitUsage : cli::kExitOk;
    }
    arguments.removeAt(1);  // each command parses the rest as its own
    if (command == QStringLiteral("ports")) return cli::portsCommand(arguments);
    if (command == QStringLiteral("read")) return cli::readCommand(arguments, state, interrupted);
    if (command == QStringLiteral("write")) return cli::writeCommand(arguments, state, interrupted);
    if (command == QStringLiteral("report")) return cli::reportCommand(arguments);
    if (command == QStringLiteral("diff")) return cli::diffCommand(arguments);
    if (command == QStringLiteral("export-csv")) return cli::exportCsvCommand(arguments);
    if (command == QStringLiteral("import-csv")) return cli::importCsvCommand(arguments);
    return cli::fail(cli::kExitUsage, cli::text::kUnknownCommand.arg(command));
}
