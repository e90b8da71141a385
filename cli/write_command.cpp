// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli write --port NAME --in FILE: writes a parameter file into the radio. A file
// shorter than a parameter file is refused: filling the missing part from anywhere would
// put made-up channels and settings into a radio. Longer files give their first 20480
// bytes, as the program's Open does. A file whose radio state byte says killed or stunned
// goes into a radio that reports itself normal only with --keep-radio-state. --verify reads
// the radio back after the write and names every byte that differs; --read-first keeps what
// the radio held before. The file goes in after the consistency pass, as the program sends it.

#include "cli/cli_texts.h"
#include "cli/cli_transfer.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "image/parameter_file.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace cli {

int writeCommand(const QStringList& arguments, app::AppState& state, const std::atomic<bool>& interrupted) {
    QCommandLineParser parser;
    parser.addHelpOption();
    const TransferOptions transferOptions;
    transferOptions.addTo(parser);
    const QCommandLineOption inOption(QStringLiteral("in"), QStringLiteral("Parameter file to write."), QStringLiteral("file"));
    parser.addOption(inOption);
    const QCommandLineOption keepStateOption(
        QStringLiteral("keep-radio-state"),
        QStringLiteral("Write a killed or stunned state byte (0x0227) from the file into a radio that reports itself normal."));
    parser.addOption(keepStateOption);
    const QCommandLineOption verifyOption(
        QStringLiteral("verify"),
        QStringLiteral("After the write, read 0x0100-0x3FFF back and compare; differences go to stderr, exit code 8."));
    parser.addOption(verifyOption);
    const QCommandLineOption readFirstOption(
        QStringLiteral("read-first"),
        QStringLiteral("Before the write, read the radio and keep it as a backup (...-before-write.dat), so the "
                       "write can be undone."));
    parser.addOption(readFirstOption);
    const QCommandLineOption asIsOption(
        QStringLiteral("as-is"),
        QStringLiteral("Send the file's bytes as they are, without the consistency pass: to put back a radio's "
                       "own earlier contents (...-before-write.dat)."));
    parser.addOption(asIsOption);
    if (const std::optional<int> done = parseCommandLine(parser, arguments, text::kWriteUsage)) return *done;

    QString error;
    std::optional<TransferRequest> request = transferOptions.read(parser, QStringLiteral("write"), error);
    if (!request) return fail(kExitUsage, error);
    request->policy.keepRadioState = parser.isSet(keepStateOption);
    request->verify = parser.isSet(verifyOption);
    request->readFirst = parser.isSet(readFirstOption);
    request->asIs = parser.isSet(asIsOption);
    const QString in = parser.value(inOption);
    if (in.isEmpty()) return fail(kExitUsage, text::kMissingOption.arg(QStringLiteral("write"), inOption.names().constFirst()));

    const QFileInfo file(in);
    const image::FileResult loaded = image::readParameterFile(in, state.prefix, state.image);
    if (!loaded.ok) return fail(kExitFile, readFailureText(in, loaded));
    if (!file.isFile()) return fail(kExitFile, text::kCannotRead.arg(in, image::kNoErrorText));

    return runWrite(state, *request, interrupted);
}

} // namespace cli
