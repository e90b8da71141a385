// SPDX-License-Identifier: GPL-3.0-or-later
// A program folder that cannot be written sends "Program.ini" and the data directory to
// the user's folder, seeded once from the defaults (the installed layout is checked by the
// install test).

#include "app/app_config.h"
#include "app/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace app;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kDefaultIni = "[Setup]\r\nCOM=COM1\r\nModel=QMR-417\r\n";
const QByteArray kDefaultDat(20480, '\x42');

} // namespace

TEST(ProgramFolder, AProgramFolderThatCannotBeWrittenMovesSettingsAndDataToTheUser) {
    QTemporaryDir root;
    const QString program = root.filePath("opt/qmr417/");
    const QString user = root.filePath("home/qmr417/");
    writeFile(program + "Program.ini", kDefaultIni);
    writeFile(program + "Default.dat", kDefaultDat);
    const ProgramFolders readOnly{user, [](const QString&) { return false; }};

    AppConfig config = startupConfig(program + "qmr417", readOnly);
    EXPECT_EQ(config.appDir, user);
    EXPECT_EQ(config.settingsPath, user + "Program.ini");
    EXPECT_EQ(config.dataDir, user + "DATA");
    EXPECT_TRUE(QFileInfo(config.dataDir).isDir());
    EXPECT_EQ(config.modelName, QString("QMR-417"));
    EXPECT_EQ(readFile(user + "Default.dat"), kDefaultDat);
    EXPECT_FALSE(QFileInfo::exists(program + "DATA"));

    // The port goes to the user's copy; the next start keeps it and the defaults stay as installed.
    config.portName = "/dev/ttyUSB0";
    writePortAtExit(config);
    EXPECT_EQ(startupConfig(program + "qmr417", readOnly).portName, QString("/dev/ttyUSB0"));
    EXPECT_EQ(readFile(program + "Program.ini"), kDefaultIni);
}
