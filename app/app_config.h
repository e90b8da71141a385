// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program-wide configuration values: where the program lives, which port and model
// "Program.ini" names, and which parameter file is current.

#include <QString>

#include <functional>

namespace app {

inline const QString kSettingsSection = QStringLiteral("Setup");
inline const QString kPortKey = QStringLiteral("COM");
inline const QString kModelKey = QStringLiteral("Model");
inline const QString kVersionKey = QStringLiteral("Version");
// The folder the user last chose a file in: the file dialogs open there.
inline const QString kLastFolderKey = QStringLiteral("LastFolder");
inline const QString kSettingsFileName = QStringLiteral("Program.ini");
inline const QString kHelpFileName = QStringLiteral("enHelp.chm");
inline const QString kDefaultParameterFile = QStringLiteral("Default.dat");
inline const QString kDataFolderName = QStringLiteral("DATA");
// An installed copy keeps its defaults here, relative to the executable's folder.
inline const QString kInstalledDefaultsFolder = QStringLiteral("../share/qmr417/");
// Under the user's data folder when the program's own folder is not the place for them.
inline const QString kUserFolderName = QStringLiteral("qmr417");

struct AppConfig {
    QString appDir;                                      // ends with the directory separator
    QString settingsPath = QStringLiteral("./Program.ini");
    QString portName = QStringLiteral("COM1");
    QString helpPath = kHelpFileName;
    QString modelName = QStringLiteral("QMR-417");
    QString defaultDataFileName = QStringLiteral("QMR-417.dat");
    QString dataDir;
    QString currentFileName;  // name part of the file last opened or saved; empty after New
    QString currentFilePath;  // its full path: Save writes here
};

// Where the program keeps "Program.ini", "Default.dat" and the data directory. A copy run
// from its build or unpack folder keeps them beside the executable. An installed copy (its
// defaults in ../share/qmr417) and one whose folder cannot be written use `userFolder`
// instead; the first start copies the defaults there, and later starts keep what the user has.
struct ProgramFolders {
    QString userFolder;                               // empty: the user's own data folder
    std::function<bool(const QString&)> canWrite;     // empty: try to create a file there
};
// The folder, ending with the directory separator.
QString programFilesFolder(const QString& executablePath, const ProgramFolders& folders = {});

// Start-up derivations: the application directory (the program files folder above), the
// settings path, port and model from "Program.ini" (a missing key gives ""), the help
// path, the default data file name and the data directory, created when missing.
AppConfig startupConfig(const QString& executablePath, const ProgramFolders& folders = {});

// At exit the port name goes back to key "COM" (nothing is written when it is empty).
void writePortAtExit(const AppConfig& config);

// The model name as window titles use it: key "Model", the current model name by default.
QString titleModelName(const AppConfig& config);
// Model name alone, or model name + " [ " + full path + " ]" once a file is current.
QString windowTitle(const AppConfig& config);

} // namespace app
