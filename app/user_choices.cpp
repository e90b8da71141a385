// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/user_choices.h"

#include "app/recent_files.h"

#include <QSettings>

namespace app {

namespace {
const QString kVerifyAfterWriting = QStringLiteral("Transfer/VerifyAfterWriting");
const QString kReadBeforeWriting = QStringLiteral("Transfer/ReadBeforeWriting");
} // namespace

bool verifyAfterWriting(const QString& applicationName) {
    return QSettings(kUserSettingsKey, applicationName).value(kVerifyAfterWriting, false).toBool();
}

void setVerifyAfterWriting(const QString& applicationName, bool on) {
    QSettings(kUserSettingsKey, applicationName).setValue(kVerifyAfterWriting, on);
}

bool readBeforeWriting(const QString& applicationName) {
    return QSettings(kUserSettingsKey, applicationName).value(kReadBeforeWriting, false).toBool();
}

void setReadBeforeWriting(const QString& applicationName, bool on) {
    QSettings(kUserSettingsKey, applicationName).setValue(kReadBeforeWriting, on);
}

} // namespace app
