// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_config.h"
#include "app/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace app;

namespace {

void writeIni(const QString& dir, const QByteArray& text) {
    QFile file(QDir(dir).filePath("Program.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST(AppConfig, StartUpDerivesEveryPathFromTheProgramsFolder) {
    QTemporaryDir dir;
    writeIni(dir.path(), "[Setup]\r\nCOM=COM3\r\nModel=QMR-417\r\nVersion=1.0\r\n");
    const AppConfig config = startupConfig(QDir(dir.path()).filePath("qmr417"));
    const QString appDir = QFileInfo(dir.path()).absoluteFilePath() + "/";
    EXPECT_EQ(config.appDir, appDir);
    EXPECT_EQ(config.settingsPath, appDir + "Program.ini");
    EXPECT_EQ(config.portName, QString("COM3"));
    EXPECT_EQ(config.helpPath, appDir + "enHelp.chm");
    EXPECT_EQ(config.modelName, QString("QMR-417"));
    EXPECT_EQ(config.defaultDataFileName, QString("QMR-417.dat"));
    EXPECT_EQ(config.dataDir, appDir + "DATA");
    EXPECT_TRUE(QFileInfo(config.dataDir).isDir());
    EXPECT_TRUE(config.currentFileName.isEmpty());
    EXPECT_EQ(windowTitle(config), QString("QMR-417"));
}

TEST(AppConfig, WithoutProgramIniPortAndModelAreEmpty) {
    QTemporaryDir dir;
    const AppConfig config = startupConfig(QDir(dir.path()).filePath("qmr417"));
    EXPECT_TRUE(config.portName.isEmpty());
    EXPECT_TRUE(config.modelName.isEmpty());
    EXPECT_EQ(config.defaultDataFileName, QString(".dat"));
}

TEST(AppConfig, AnExistingDataFolderIsLeftAsItIs) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("DATA"));
    QFile keep(QDir(dir.path()).filePath("DATA/mine.dat"));
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.close();
    startupConfig(QDir(dir.path()).filePath("qmr417"));
    EXPECT_TRUE(QFileInfo::exists(QDir(dir.path()).filePath("DATA/mine.dat")));
}

TEST(AppConfig, ExitWritesThePortUnlessItIsEmpty) {
    QTemporaryDir dir;
    writeIni(dir.path(), "[Setup]\r\nCOM=COM3\r\nModel=QMR-417\r\n");
    AppConfig config = startupConfig(QDir(dir.path()).filePath("qmr417"));
    const SettingsFile ini(config.settingsPath);

    config.portName = "\\\\.\\COM12";
    writePortAtExit(config);
    EXPECT_EQ(ini.read("Setup", "COM", ""), QString("\\\\.\\COM12"));

    config.portName.clear();
    writePortAtExit(config);
    EXPECT_EQ(ini.read("Setup", "COM", ""), QString("\\\\.\\COM12"));
    EXPECT_EQ(ini.read("Setup", "Model", ""), QString("QMR-417"));
}

TEST(AppConfig, TitleReadsTheModelKeyAndNamesTheFullPath) {
    QTemporaryDir dir;
    writeIni(dir.path(), "[Setup]\r\nModel=QMR-417\r\n");
    AppConfig config = startupConfig(QDir(dir.path()).filePath("qmr417"));
    config.currentFilePath = "/data/radios/van 3.dat";
    EXPECT_EQ(windowTitle(config), QString("QMR-417 [ /data/radios/van 3.dat ]"));

    QFile::remove(config.settingsPath);
    config.modelName = "Fallback";
    EXPECT_EQ(titleModelName(config), QString("Fallback"));
}
