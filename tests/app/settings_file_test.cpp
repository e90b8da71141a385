// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using app::SettingsFile;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath("Program.ini"); }
    void writeRaw(const QByteArray& bytes) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray raw() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SettingsFileTest, ReadsFilesWrittenByOtherEditors) {
    writeRaw("; settings\r\n[Other]\r\nCOM=COM9\r\n\r\n[ setup ]\r\n  com =  \\\\.\\COM12  \r\n"
             "Model=QMR-417\r\nVersion=\"V1.02\"\r\n");
    const SettingsFile ini(path());
    EXPECT_EQ(ini.read("Setup", "COM", ""), QString("\\\\.\\COM12"));
    EXPECT_EQ(ini.read("SETUP", "model", ""), QString("QMR-417"));
    EXPECT_EQ(ini.read("Setup", "Version", ""), QString("V1.02"));
    EXPECT_EQ(ini.read("Other", "COM", ""), QString("COM9"));
}

TEST_F(SettingsFileTest, MissingFileKeyOrEmptyKeyGiveTheDefault) {
    const SettingsFile ini(path());
    EXPECT_EQ(ini.read("Setup", "COM", ""), QString());
    writeRaw("[Setup]\nCOM=COM3\n");
    EXPECT_EQ(ini.read("Setup", "Model", ""), QString());
    EXPECT_EQ(ini.read("Setup", "Model", "QMR-417"), QString("QMR-417"));
    EXPECT_EQ(ini.read("Setup", "", "fallback"), QString("fallback"));
    EXPECT_EQ(ini.read("Nowhere", "COM", ""), QString());
}

TEST_F(SettingsFileTest, LongValuesAreCutTo255Characters) {
    writeRaw("[Setup]\nModel=" + QByteArray(400, 'x') + "\n");
    EXPECT_EQ(SettingsFile(path()).read("Setup", "Model", "").size(), 255);
}

TEST_F(SettingsFileTest, WritesWithEmptyKeyOrValueWriteNothing) {
    writeRaw("[Setup]\r\nCOM=COM3\r\n");
    const SettingsFile ini(path());
    EXPECT_FALSE(ini.write("Setup", "COM", ""));
    EXPECT_FALSE(ini.write("Setup", "", "COM4"));
    EXPECT_EQ(raw(), QByteArray("[Setup]\r\nCOM=COM3\r\n"));
}

TEST_F(SettingsFileTest, WriteReplacesOnlyItsKeyAndKeepsEveryOtherLine) {
    writeRaw("; kept comment\r\n[Setup]\r\nModel = QMR-417\r\ncom = COM3\r\nVersion=1.0\r\n\r\n[Print]\r\nFont=Times\r\n");
    ASSERT_TRUE(SettingsFile(path()).write("Setup", "COM", "\\\\.\\COM12"));
    EXPECT_EQ(raw(), QByteArray("; kept comment\r\n[Setup]\r\nModel = QMR-417\r\nCOM=\\\\.\\COM12\r\nVersion=1.0\r\n"
                                "\r\n[Print]\r\nFont=Times\r\n"));
    EXPECT_EQ(SettingsFile(path()).read("Setup", "COM", ""), QString("\\\\.\\COM12"));
}

// Writing the port name once decoded the whole file as UTF-8 and wrote it back: a Latin-1
// comment and a lone 0xFF came back as EF BF BD and a byte-order mark was dropped.
TEST_F(SettingsFileTest, WriteKeepsEveryOtherByteWhateverItsEncoding) {
    const QByteArray before = "\xEF\xBB\xBF; r\xE9glage 20\xB0\r\n[Setup]\r\nCOM=COM3\r\nModel=QMR\xFF\r\n"
                              "\xFF\xFE\r\n[Other]\nA=\xE9\n\rlast line without end";
    writeRaw(before);
    ASSERT_TRUE(SettingsFile(path()).write("Setup", "COM", "COM7"));
    QByteArray expected = before;
    expected.replace("COM=COM3", "COM=COM7");
    EXPECT_EQ(raw(), expected);

    // A key added after a last line without its line end gives that line one first.
    ASSERT_TRUE(SettingsFile(path()).write("Other", "B", "2"));
    EXPECT_EQ(raw(), expected + "\r\nB=2\r\n");
    EXPECT_EQ(SettingsFile(path()).read("Setup", "COM", ""), QString("COM7"));

    // A key added inside an earlier section leaves the last line without its end.
    writeRaw("[Setup]\r\nModel=QMR\r\n[Other]\nA=1");
    ASSERT_TRUE(SettingsFile(path()).write("Setup", "COM", "COM2"));
    EXPECT_EQ(raw(), QByteArray("[Setup]\r\nModel=QMR\r\nCOM=COM2\r\n[Other]\nA=1"));
}

TEST_F(SettingsFileTest, ValuesWithLineBreaksAreRefused) {
    writeRaw("[Setup]\r\nCOM=COM3\r\n");
    EXPECT_FALSE(SettingsFile(path()).write("Setup", "COM", "COM1\r\n[Evil]"));
    EXPECT_EQ(raw(), QByteArray("[Setup]\r\nCOM=COM3\r\n"));
}

TEST_F(SettingsFileTest, WriteAddsMissingKeysAndSections) {
    writeRaw("[Setup]\nModel=QMR-417\n\n[Other]\nA=1\n");
    ASSERT_TRUE(SettingsFile(path()).write("Setup", "COM", "COM2"));
    EXPECT_EQ(raw(), QByteArray("[Setup]\nModel=QMR-417\nCOM=COM2\n\n[Other]\nA=1\n"));

    QFile::remove(path());
    ASSERT_TRUE(SettingsFile(path()).write("Setup", "COM", "COM1"));
    EXPECT_EQ(SettingsFile(path()).read("Setup", "COM", ""), QString("COM1"));
}
