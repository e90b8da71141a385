// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_config.h"

#include "app/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace app {

namespace {

// Permission bits say nothing for an administrator or on a read-only mount; creating a
// file says it all.
bool folderCanBeWritten(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral(".write-test-XXXXXX"));
    return probe.open();
}

bool holdsDefaults(const QString& folder) {
    return QFileInfo::exists(folder + kDefaultParameterFile) || QFileInfo::exists(folder + kSettingsFileName);
}

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' + kUserFolderName + u'/';
}

// Copies each default the user folder does not have yet; the user's own stay untouched.
void copyMissingDefaults(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& name : {kSettingsFileName, kDefaultParameterFile}) {
        if (QFileInfo::exists(to + name) || !QFileInfo::exists(from + name)) continue;
        QFile::copy(from + name, to + name);
        // Installed files are read-only; the user's copies must take the port written at exit.
        QFile::setPermissions(to + name, QFile::permissions(to + name) | QFileDevice::WriteOwner);
    }
}

} // namespace

QString programFilesFolder(const QString& executablePath, const ProgramFolders& folders) {
    const QString absolute = QFileInfo(executablePath).absoluteFilePath();
    const QString ownFolder = absolute.left(absolute.lastIndexOf(u'/') + 1);
    const QString installed = QDir::cleanPath(ownFolder + kInstalledDefaultsFolder) + u'/';
    const bool defaultsBeside = holdsDefaults(ownFolder) || !holdsDefaults(installed);
    const bool writable = folders.canWrite ? folders.canWrite(ownFolder) : folderCanBeWritten(ownFolder);
    if (defaultsBeside && writable) return ownFolder;

    const QString user = folders.userFolder.isEmpty() ? userDataFolder() : QDir::cleanPath(folders.userFolder) + u'/';
    copyMissingDefaults(defaultsBeside ? ownFolder : installed, user);
    return user;
}

AppConfig startupConfig(const QString& executablePath, const ProgramFolders& folders) {
    AppConfig config;
    config.appDir = programFilesFolder(executablePath, folders);
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
