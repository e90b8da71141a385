#include "app/app_config.h"

#include "app/settings_file.h"

#include <QDir>
#include <QFileInfo>

namespace app {

AppConfig startupConfig(const QString& executablePath) {
    AppConfig config;
    const QString absolute = QFileInfo(executablePath).absoluteFilePath();
    config.appDir = absolute.left(absolute.lastIndexOf(u'/') + 1);
    config.settingsPath = config.appDir + kSettingsFileName;

    const SettingsFile settings(config.settingsPath);
    config.portName = settings.read(kSettingsSection, kPortKey, QString());
    config.helpPath = config.appDir + kHelpFileName;
    config.modelName = settings.read(kSettingsSection, kModelKey, QString());
    config.defaultDataFileName = config.modelName + QStringLiteral(".dat");
    config.dataDir = config.appDir + kDataFolderName;
    if (!QFileInfo::exists(config.dataDir)) QDir().mkpath(config.dataDir);  // a failure is ignored
    return config;
}

void writePortAtExit(const AppConfig& config) {
    if (config.portName.isEmpty()) return;
    SettingsFile(config.settingsPath).write(kSettingsSection, kPortKey, config.portName);
}

QString titleModelName(const AppConfig& config) {
    return SettingsFile(config.settingsPath).read(kSettingsSection, kModelKey, config.modelName);
}

QString windowTitle(const AppConfig& config) {
    const QString model = titleModelName(config);
    if (config.currentFilePath.isEmpty()) return model;
    return model + QStringLiteral(" [ ") + config.currentFilePath + QStringLiteral(" ]");
}

} // namespace app
