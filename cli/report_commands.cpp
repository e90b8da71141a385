// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli report FILE [--json]: the configuration report of a parameter file as text or
// JSON, from the same report model as the printout.

#include "config/config_report.h"
#include "cli/cli_texts.h"
#include "cli/cli_transfer.h"
#include "cli/commands.h"
#include "cli/configuration_reports.h"
#include "cli/exit_codes.h"

#include <QCommandLineParser>

#include <optional>

namespace cli {

int reportCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints the configuration held in a parameter file."));
    parser.addHelpOption();
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the configuration as JSON."));
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Parameter file."));
    if (const std::optional<int> done = parseCommandLine(parser, arguments, text::kReportUsage, 1)) return *done;

    const auto configuration = reportOfFile(parser.positionalArguments().constFirst());
    if (!configuration) return kExitFile;
    writeOut(parser.isSet(json) ? config::toJson(*configuration) : config::plainText(*configuration).toUtf8());
    return kExitOk;
}

} // namespace cli
