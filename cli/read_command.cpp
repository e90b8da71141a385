// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli read --port NAME --out FILE: reads the radio into a parameter file. The
// image starts as the program's would, from "Default.dat" beside the program when there
// is one (bytes 0x0000-0x000F and the prefix block never come from the radio). A read
// that does not complete saves nothing.

#include "cli/cli_texts.h"
#include "cli/cli_transfer.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "image/parameter_file.h"


namespace cli {

int readCommand(const QStringList& arguments, app::AppState& state, const std::atomic<bool>& interrupted) {
    QCommandLineParser parser;
    parser.addHelpOption();
    const TransferOptions transferOptions;
    transferOptions.addTo(parser);
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Parameter file to save."), QStringLiteral("file"));
    parser.addOption(outOption);
    if (const std::optional<int> done = parseCommandLine(parser, arguments, text::kReadUsage)) return *done;

    QString error;
    const std::optional<TransferRequest> request = transferOptions.read(parser, QStringLiteral("read"), error);
    if (!request) return fail(kExitUsage, error);
    const QString out = parser.value(outOption);
    if (out.isEmpty()) return fail(kExitUsage, text::kMissingOption.arg(QStringLiteral("read"), outOption.names().constFirst()));
    // Checked first, so a long read is not wasted on a path that cannot be saved.
    if (const QString problem = cannotSaveParameterFileReason(out); !problem.isEmpty()) return fail(kExitFile, problem);

    const int result = readRadio(state, *request, interrupted);
    if (result != kExitOk) return result;

    const image::FileResult saved = image::writeParameterFile(out, state.prefix, state.image);
    if (!saved.ok) return fail(kExitFile, text::kCannotSave.arg(out, saved.errorText));
    printLine(text::kSaved.arg(out));
    return kExitOk;
}

} // namespace cli
