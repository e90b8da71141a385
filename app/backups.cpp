// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/backups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace app {

namespace {

const QString kBackupFilter = QStringLiteral("*.dat");

void prune(QDir folder, int kept) {
    // Names start with the time, so the name order is the age order.
    const QStringList names = folder.entryList({kBackupFilter}, QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = kept; i < names.size(); ++i) folder.remove(names[i]);
}

// Two radios programmed side by side can finish in the same millisecond: each backup takes
// a name of its own, created at once so no other writer can take it, a millisecond later
// when its own is taken.
QString reserveName(const QDir& folder, QDateTime when, BackupKind kind) {
    constexpr int kTries = 1000;
    for (int i = 0; i < kTries; ++i, when = when.addMSecs(1)) {
        const QString path = folder.filePath(backupFileName(when, kind));
        if (QFile file(path); file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return path;
    }
    return folder.filePath(backupFileName(when, kind));
}

} // namespace

QString backupFolder(const AppConfig& config) { return QDir(config.dataDir).filePath(kBackupFolderName); }

QString backupFileName(const QDateTime& when, BackupKind kind) {
    const QString mark = kind == BackupKind::Read      ? QStringLiteral("read.dat")
                         : kind == BackupKind::Written ? QStringLiteral("written.dat")
                                                       : QStringLiteral("before-write.dat");
    return when.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz-")) + mark;
}

BackupResult saveBackup(const AppConfig& config, const image::FilePrefixBlock& prefix, const image::RadioImage& img,
                        BackupKind kind, const QDateTime& when, int kept) {
    BackupResult result;
    const QDir folder(backupFolder(config));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        result.errorText = QCoreApplication::translate("app::backups", "cannot create the folder %1").arg(QDir::toNativeSeparators(folder.path()));
        return result;
    }
    result.path = reserveName(folder, when, kind);
    const image::FileResult written = image::writeParameterFile(result.path, prefix, img);
    result.ok = written.ok;
    result.errorText = written.errorText;
    if (result.ok) prune(folder, kept);
    else QFile::remove(result.path);
    return result;
}

} // namespace app
