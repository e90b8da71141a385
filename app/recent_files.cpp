// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace app {

namespace {

const QString kGroup = QStringLiteral("Recent File List");
const QString kEntry = QStringLiteral("File%1");

QString canonical(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

} // namespace

RecentFiles::RecentFiles(QString applicationName) : m_application(std::move(applicationName)) {}

QStringList RecentFiles::files() const {
    QSettings settings(kUserSettingsKey, m_application);
    settings.beginGroup(kGroup);
    QStringList files;
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString file = settings.value(kEntry.arg(i)).toString();
        if (!file.isEmpty()) files.append(file);
    }
    return files;
}

void RecentFiles::add(const QString& path) {
    QStringList files = this->files();
    files.removeAll(canonical(path));
    files.prepend(canonical(path));
    store(files.mid(0, kRecentFiles));
}

void RecentFiles::remove(const QString& path) {
    QStringList files = this->files();
    files.removeAll(path);
    store(files);
}

void RecentFiles::store(const QStringList& files) {
    QSettings settings(kUserSettingsKey, m_application);
    settings.beginGroup(kGroup);
    for (int i = 1; i <= kRecentFiles; ++i) {
        if (i <= files.size()) settings.setValue(kEntry.arg(i), files[i - 1]);
        else settings.remove(kEntry.arg(i));
    }
}

} // namespace app
