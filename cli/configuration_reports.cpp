// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/configuration_reports.h"

#include "app/app_config.h"
#include "app/settings_file.h"
#include "cli/cli_texts.h"
#include "cli/cli_transfer.h"
#include "cli/exit_codes.h"
#include "image/band_limits.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace cli {

// The model name is not in the image: "Program.ini" beside the program names it, as it does
// for the program's printout.
QString programModelName() {
    const QString ini = QCoreApplication::applicationDirPath() + u'/' + app::kSettingsFileName;
    const QString fallback = app::AppConfig().modelName;
    if (!QFileInfo::exists(ini)) return fallback;
    const QString name = app::SettingsFile(ini).read(app::kSettingsSection, app::kModelKey, QString());
    return name.isEmpty() ? fallback : name;
}

std::optional<image::RadioImage> readConfiguration(const QString& path) {
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
    return img;
}

std::optional<app::report::ConfigReport> reportOfFile(const QString& path) {
    const std::optional<image::RadioImage> img = readConfiguration(path);
    if (!img) return std::nullopt;
    return reportOfImage(*img);
}

app::report::ConfigReport reportOfImage(const image::RadioImage& img) {
    return config::buildReport({img, image::decodeBandLimits(img), programModelName()});
}

} // namespace cli
