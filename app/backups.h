// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Automatic backups: every image read from a radio, and every image written into one, is
// kept as a parameter file in the "backups" folder of the data directory, named by the
// time of the transfer and marked "read", "written" or "before-write". Only the newest ones
// are kept.

#include "app/app_config.h"
#include "image/parameter_file.h"

#include <QDateTime>
#include <QString>

namespace app {

inline const QString kBackupFolderName = QStringLiteral("backups");
inline constexpr int kBackupsKept = 200;

// BeforeWrite: what a radio held before a write replaced it, read first so it can be put back.
enum class BackupKind { Read, Written, BeforeWrite };

QString backupFolder(const AppConfig& config);
// "20261207-105153-042-read.dat": sorts by time.
QString backupFileName(const QDateTime& when, BackupKind kind);

struct BackupResult {
    bool ok = false;
    QString path;       // the file written
    QString errorText;  // why it could not be written
};

// Writes the backup (creating the folder when needed), then removes the oldest backups
// beyond `kept`.
BackupResult saveBackup(const AppConfig& config, const image::FilePrefixBlock& prefix, const image::RadioImage& img,
                        BackupKind kind, const QDateTime& when = QDateTime::currentDateTime(), int kept = kBackupsKept);

} // namespace app
