// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli apply CONFIG.json BASE.dat --out NEW.dat [--strict] [--allow-band-change]: a configuration document
// in the layout report --json writes, applied onto a parameter file as the editors would
// take it. Every problem is one line on stderr (`path: value: reason`); with an error nothing
// is written and the exit code is 10.

#include "app/app_config.h"
#include "config/config_apply.h"
#include "cli/cli_transfer.h"
#include "cli/commands.h"
#include "cli/configuration_reports.h"
#include "cli/exit_codes.h"
#include "image/band_limits.h"
#include "image/parameter_file.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

namespace cli {

namespace {

namespace text {
const QString kUsage = QStringLiteral("apply CONFIG.json BASE.dat --out NEW.dat [--strict] [--allow-band-change]");
const QString kOutHelp = QStringLiteral("Parameter file to write (checked before anything else).");
const QString kStrictHelp = QStringLiteral("Count warnings as errors.");
const QString kBandChangeHelp =
    QStringLiteral("Let a band change move the channels outside the new band to its limits (refused otherwise).");
const QString kBaseDefault = QStringLiteral("-");
const QString kCannotRead = QStringLiteral("cannot read %1: %2");
const QString kCannotSave = QStringLiteral("cannot save %1: %2");
const QString kMissingOut = QStringLiteral("apply needs --out");
const QString kRefused = QStringLiteral("%1: %2, %3; nothing written");
const QString kSaved = QStringLiteral("saved %1 (%2)");
} // namespace text

QString counted(int count, const char* one) {
    return QStringLiteral("%1 %2%3").arg(count).arg(QString::fromLatin1(one)).arg(count == 1 ? "" : "s");
}

// "-" stands for the program's own "Default.dat".
QString basePath(const QString& given) {
    if (given != text::kBaseDefault) return given;
    return app::programFilesFolder(QCoreApplication::applicationFilePath()) + app::kDefaultParameterFile;
}

} // namespace

int applyCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("CONFIG.json"), QStringLiteral("Configuration document."));
    parser.addPositionalArgument(QStringLiteral("BASE.dat"), QStringLiteral("Parameter file it applies onto; - for Default.dat."));
    const QCommandLineOption outOption(QStringLiteral("out"), text::kOutHelp, QStringLiteral("file"));
    const QCommandLineOption strictOption(QStringLiteral("strict"), text::kStrictHelp);
    const QCommandLineOption bandChangeOption(QStringLiteral("allow-band-change"), text::kBandChangeHelp);
    parser.addOptions({outOption, strictOption, bandChangeOption});
    parser.addHelpOption();
    if (const std::optional<int> done = parseCommandLine(parser, arguments, text::kUsage, 2)) return *done;
    const QString out = parser.value(outOption);
    if (out.isEmpty()) return fail(kExitUsage, text::kMissingOut);
    if (const QString problem = cannotSaveParameterFileReason(out); !problem.isEmpty()) return fail(kExitFile, problem);

    const QString documentPath = parser.positionalArguments().at(0);
    QFile document(documentPath);
    if (!document.open(QIODevice::ReadOnly)) return fail(kExitFile, text::kCannotRead.arg(documentPath, document.errorString()));
    // One byte past the most a document may hold is enough to refuse it, unread.
    const QByteArray json = document.read(app::json::kMostDocumentBytes + 1);

    const QString base = basePath(parser.positionalArguments().at(1));
    image::FilePrefixBlock prefix{};
    image::RadioImage img;
    if (const image::FileResult read = image::readParameterFile(base, prefix, img); !read.ok)
        return fail(kExitFile, readFailureText(base, read));
    image::BandLimits limits = image::decodeBandLimits(img);

    const config::ApplyResult result = config::applyConfiguration(
        json, img, limits, {programModelName(), parser.isSet(strictOption), parser.isSet(bandChangeOption)});
    for (const app::report::Problem& problem : result.problems) {
        // A document that is no JSON at all says where, in the file.
        const QString line = app::report::problemLine(problem);
        printLine(problem.path.isEmpty() && problem.value.isEmpty() ? documentPath + QStringLiteral(": ") + line : line);
    }
    if (!result.applied) {
        printLine(text::kRefused.arg(documentPath, counted(result.errors(), "error"), counted(result.warnings(), "warning")));
        return kExitDocument;
    }
    if (const image::FileResult saved = image::writeParameterFile(out, prefix, img); !saved.ok)
        return fail(kExitFile, text::kCannotSave.arg(out, saved.errorText));
    printLine(text::kSaved.arg(out, counted(result.warnings(), "warning")));
    return kExitOk;
}

} // namespace cli
