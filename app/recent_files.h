// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user list of the four parameter files used last, most recent first, kept in
// the user's settings under the program's key "KOV".

#include <QString>
#include <QStringList>

namespace app {

inline const QString kUserSettingsKey = QStringLiteral("KOV");
inline constexpr int kRecentFiles = 4;

class RecentFiles {
public:
    // The list of the application `applicationName` in the user's settings.
    explicit RecentFiles(QString applicationName);

    QStringList files() const;
    // Puts `path` first (once), keeping at most four.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store(const QStringList& files);

    QString m_application;
};

} // namespace app
