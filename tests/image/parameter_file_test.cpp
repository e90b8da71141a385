// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/parameter_file.h"
#include "app/app_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using image::FilePrefixBlock;
using image::RadioImage;

namespace {

QByteArray patternBytes(int size, std::uint32_t seed) {
    std::mt19937 random(seed);
    QByteArray bytes(size, '\0');
    for (char& c : bytes) c = char(random() & 0xFF);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Loaded {
    FilePrefixBlock prefix;
    RadioImage img;
};

} // namespace

TEST(ParameterFile, OnlyFilesOf20480BytesAreRead) {
    QTemporaryDir dir;
    for (int size : {0, 1, 4096, 16384, 20479, 20480, 20481, 30000}) {
        SCOPED_TRACE(size);
        const QByteArray content = patternBytes(size, std::uint32_t(size));
        const QString path = dir.filePath(QString("f%1.dat").arg(size));
        writeFile(path, content);
        Loaded loaded;
        loaded.prefix.fill(0xAA);
        loaded.img.fill(0, 0x4000, 0xAA);
        const image::FileResult result = image::readParameterFile(path, loaded.prefix, loaded.img);
        EXPECT_EQ(result.ok, size == 20480);
        EXPECT_EQ(result.wrongSize, size != 20480);
        if (!result.ok) {
            EXPECT_EQ(result.errorText, QDir::toNativeSeparators(path) +
                                            QString(" is not a QMR-417 parameter file: %1 bytes, a parameter file "
                                                    "has 20480.").arg(size));
        }
        for (int i = 0; i < 20480; ++i) {
            const std::uint8_t expected = result.ok ? std::uint8_t(content[i]) : 0xAA;
            const std::uint8_t actual = i < 4096 ? loaded.prefix[i] : loaded.img.u8(image::Addr(i - 4096));
            ASSERT_EQ(actual, expected) << "file offset " << i;
        }
    }
}

TEST(ParameterFile, SaveWritesPrefixThenImageExactly) {
    QTemporaryDir dir;
    FilePrefixBlock prefix;
    RadioImage img;
    const QByteArray content = patternBytes(20480, 7);
    std::copy(content.begin(), content.begin() + 4096, prefix.begin());
    std::copy(content.begin() + 4096, content.end(), img.all().begin());

    const QString path = dir.filePath("radio.dat");
    ASSERT_TRUE(image::writeParameterFile(path, prefix, img).ok);
    EXPECT_EQ(readFile(path), content);
}

TEST(ParameterFile, FailuresCarryTheSystemsTextAndLeaveTheOldFileIntact) {
    QTemporaryDir dir;
    FilePrefixBlock prefix{};
    RadioImage img;

    const auto missing = image::readParameterFile(dir.filePath("none.dat"), prefix, img);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.errorText.isEmpty());

    // A target that is a folder cannot be replaced: the save fails and reports why.
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.dat"));
    const auto onFolder = image::writeParameterFile(dir.filePath("folder.dat"), prefix, img);
    EXPECT_FALSE(onFolder.ok);
    EXPECT_FALSE(onFolder.errorText.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.dat")).isDir());

    // Into a folder that does not exist: nothing is written, the error is returned.
    const auto noFolder = image::writeParameterFile(dir.filePath("no/such/dir/x.dat"), prefix, img);
    EXPECT_FALSE(noFolder.ok);
    EXPECT_FALSE(noFolder.errorText.isEmpty());
}

TEST(ParameterFile, FailedSaveIntoReadOnlyFolderKeepsThePreviousFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write into read-only folders";
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.dat");
    writeFile(path, QByteArray(20480, '\x11'));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    FilePrefixBlock prefix{};
    RadioImage img;
    EXPECT_FALSE(image::writeParameterFile(path, prefix, img).ok);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readFile(path), QByteArray(20480, '\x11'));
}

TEST(AppFiles, OpenMakesTheFileCurrentAndDecodesTheBandLimits) {
    QTemporaryDir dir;
    QByteArray content(20480, '\0');
    const char uhf[] = {0x04, 0x00, 0x00, 0x00, 0x04, char(0x90), 0x00, 0x00,
                        0x04, 0x00, 0x00, 0x00, 0x04, char(0x90), 0x00, 0x00};
    content.replace(4096 + 0x0200, 16, QByteArray(uhf, 16));
    const QString path = dir.filePath("uhf.dat");
    writeFile(path, content);

    app::AppState state;
    ASSERT_TRUE(app::openParameterFile(state, path).ok);
    EXPECT_EQ(state.bandLimits, image::bandLimitsFromMHz(400, 490, 400, 490));
    EXPECT_EQ(state.config.currentFileName, QString("uhf.dat"));
    EXPECT_EQ(state.config.currentFilePath, QFileInfo(path).absoluteFilePath());

    app::AppState unchanged;
    unchanged.image.setU8(0x2000, 0x42);
    EXPECT_FALSE(app::openParameterFile(unchanged, dir.filePath("missing.dat")).ok);
    EXPECT_EQ(unchanged.image.u8(0x2000), 0x42);
    EXPECT_TRUE(unchanged.config.currentFileName.isEmpty());
}

TEST(AppFiles, SaveGoesToTheFullPathWhateverTheCurrentDirectory) {
    QTemporaryDir fileDir;
    QTemporaryDir elsewhere;
    app::AppState state;
    const QString path = fileDir.filePath("work.dat");
    writeFile(path, QByteArray(20480, '\0'));
    ASSERT_TRUE(app::openParameterFile(state, path).ok);

    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    state.image.setU8(0x2000, 0x5A);
    EXPECT_TRUE(app::saveParameterFile(state, state.config.currentFilePath).ok);
    QDir::setCurrent(previous);

    EXPECT_EQ(std::uint8_t(readFile(path)[4096 + 0x2000]), 0x5A);
    EXPECT_FALSE(QFileInfo::exists(QDir(elsewhere.path()).filePath("work.dat")));
}

TEST(AppFiles, DefaultFileLoadIsSilentWhenTheFileIsMissing) {
    QTemporaryDir dir;
    app::AppState state;
    state.config.appDir = dir.path() + "/";
    state.image.setU8(0x0300, 0x33);
    state.bandLimits = image::bandLimitsFromMHz(400, 490, 400, 490);
    EXPECT_FALSE(app::loadDefaultFile(state));
    EXPECT_EQ(state.image.u8(0x0300), 0x33);
    EXPECT_EQ(state.bandLimits, image::bandLimitsFromMHz(400, 490, 400, 490));

    QByteArray content(20480, '\0');
    content[4096 + 0x0300] = 0x44;
    const char vhf[] = {0x01, 0x36, 0x00, 0x00, 0x01, 0x74, 0x00, 0x00,
                        0x01, 0x36, 0x00, 0x00, 0x01, 0x74, 0x00, 0x00};
    content.replace(4096 + 0x0200, 16, QByteArray(vhf, 16));
    writeFile(dir.filePath("Default.dat"), content);
    EXPECT_TRUE(app::loadDefaultFile(state));
    EXPECT_EQ(state.image.u8(0x0300), 0x44);
    EXPECT_EQ(state.bandLimits, image::BandLimits());
}
