// SPDX-License-Identifier: GPL-3.0-or-later
// Backups of transferred images: named by time and kind, folder made on demand, only the
// newest kept.

#include "app/backups.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(Backups, NewestAreKeptAndTheNamesSortByTime) {
    QTemporaryDir dir;
    app::AppConfig config;
    config.dataDir = dir.filePath("DATA");
    image::FilePrefixBlock prefix{};
    image::RadioImage img;
    const QDateTime start(QDate(2026, 12, 7), QTime(10, 0));
    for (int i = 0; i < 5; ++i) {
        img.setU8(0x0100, std::uint8_t(i));
        const auto kind = i % 2 ? app::BackupKind::Written : app::BackupKind::Read;
        ASSERT_TRUE(app::saveBackup(config, prefix, img, kind, start.addSecs(i * 61), 3).ok);
    }
    EXPECT_EQ(QDir(app::backupFolder(config)).entryList(QDir::Files),
              QStringList({"20261207-100202-000-read.dat", "20261207-100303-000-written.dat",
                           "20261207-100404-000-read.dat"}));
}

} // namespace
