#pragma once
// The program-wide configuration values: where the program lives, which port and model
// "Program.ini" names, and which parameter file is current.

#include <QString>

namespace app {

inline const QString kSettingsSection = QStringLiteral("Setup");
inline const QString kPortKey = QStringLiteral("COM");
inline const QString kModelKey = QStringLiteral("Model");
inline const QString kVersionKey = QStringLiteral("Version");
inline const QString kSettingsFileName = QStringLiteral("Program.ini");
inline const QString kHelpFileName = QStringLiteral("enHelp.chm");
inline const QString kDefaultParameterFile = QStringLiteral("Default.dat");
inline const QString kDataFolderName = QStringLiteral("DATA");

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

// Start-up derivations: the application directory from the executable's path, the
// settings path, port and model from "Program.ini" (a missing key gives ""), the help
// path, the default data file name and the data directory, created when missing.
AppConfig startupConfig(const QString& executablePath);

// At exit the port name goes back to key "COM" (nothing is written when it is empty).
void writePortAtExit(const AppConfig& config);

// The model name as window titles use it: key "Model", the current model name by default.
QString titleModelName(const AppConfig& config);
// Model name alone, or model name + " [ " + full path + " ]" once a file is current.
QString windowTitle(const AppConfig& config);

} // namespace app
