// qmr417-cli report FILE [--json] and qmr417-cli diff A B: the configuration report of a
// parameter file as text or JSON, and the fields that differ between two files. Both come
// from the same report model as the printout.

#include "app/app_config.h"
#include "app/config_report.h"
#include "app/settings_file.h"
#include "cli/cli_texts.h"
#include "cli/cli_transfer.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "image/band_limits.h"
#include "image/parameter_file.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace cli {

namespace {

// Differing files end with 1, as diff(1) does; a file that cannot be read ends with 2.
constexpr int kExitDiffers = 1;

// The model name is not in the image: "Program.ini" beside the program names it, as it does
// for the program's printout.
QString modelName() {
    const QString ini = QCoreApplication::applicationDirPath() + u'/' + app::kSettingsFileName;
    const QString fallback = app::AppConfig().modelName;
    if (!QFileInfo::exists(ini)) return fallback;
    const QString name = app::SettingsFile(ini).read(app::kSettingsSection, app::kModelKey, QString());
    return name.isEmpty() ? fallback : name;
}

std::optional<report::ConfigReport> reportOf(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        fail(kExitFile, text::kCannotRead.arg(path, QStringLiteral("no such file")));
        return std::nullopt;
    }
    image::FilePrefixBlock prefix{};
    image::RadioImage img;
    const image::FileResult result = image::readParameterFile(path, prefix, img);
    if (!result.ok) {
        fail(kExitFile, readFailureText(path, result));
        return std::nullopt;
    }
    return report::buildReport({img, image::decodeBandLimits(img), modelName()});
}

void writeOut(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int reportCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints the configuration held in a parameter file."));
    parser.addHelpOption();
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the configuration as JSON."));
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Parameter file."));
    if (const std::optional<int> done = parseCommandLine(parser, arguments, text::kReportUsage, 1)) return *done;

    const auto configuration = reportOf(parser.positionalArguments().constFirst());
    if (!configuration) return kExitFile;
    writeOut(parser.isSet(json) ? report::toJson(*configuration) : report::plainText(*configuration).toUtf8());
    return kExitOk;
}

int diffCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints the fields that differ between two parameter files."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("A.dat"), QStringLiteral("First parameter file."));
    parser.addPositionalArgument(QStringLiteral("B.dat"), QStringLiteral("Second parameter file."));
    // A usage error must not pass for "the files differ" (1), so it ends like a file error.
    if (const std::optional<int> done = parseCommandLine(parser, arguments, text::kDiffUsage, 2))
        return *done == kExitOk ? kExitOk : kExitFile;
    const QStringList files = parser.positionalArguments();

    const auto before = reportOf(files[0]);
    if (!before) return kExitFile;
    const auto after = reportOf(files[1]);
    if (!after) return kExitFile;
    const QList<report::Difference> differences = report::compare(*before, *after);
    writeOut(report::differenceText(differences).toUtf8());
    return differences.isEmpty() ? kExitOk : kExitDiffers;
}

} // namespace cli
