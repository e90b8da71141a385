// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli ports: the serial ports, the COMn name that stands for each, and whether it
// can be opened now.

#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/cli_transfer.h"
#include "cli/exit_codes.h"
#include "link/link_texts.h"
#include "link/port_provider.h"

#include <QCommandLineParser>

#include <cstdio>

namespace cli {

int portsCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addHelpOption();
    if (const std::optional<int> done = parseCommandLine(parser, arguments, text::kPortsUsage)) return *done;

    const radiolink::PortProvider ports;
    std::printf("%s\n", qPrintable(text::kPortsHeader));
    for (const radiolink::ListedPort& port : ports.ports()) {
        const QString state = radiolink::openStatusText(ports.probe(port.entry.device));
        std::printf("%s\t%s\t%s\t%s\n", qPrintable(port.name), qPrintable(port.entry.device), qPrintable(state),
                    qPrintable(port.entry.description));
    }
    std::printf("%s\t-\t%s\t%s\n", qPrintable(radiolink::text::kSimulatorPortName),
                qPrintable(radiolink::openStatusText(radiolink::OpenStatus::Opened)),
                qPrintable(text::kSimulatorDescription));
    return kExitOk;
}

} // namespace cli
