// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_port.h"

#include "link/link_texts.h"

#include <QtGlobal>

namespace radiolink {

QString openStatusText(OpenStatus status) {
    switch (status) {
    case OpenStatus::Opened: return QStringLiteral("available");
    case OpenStatus::Absent: return QStringLiteral("absent");
    case OpenStatus::InUse: return QStringLiteral("in use");
    case OpenStatus::NoPermission: return QStringLiteral("no permission");
    case OpenStatus::Failed: break;
    }
    return QStringLiteral("cannot be opened");
}

namespace {

// The usual cause of each failure on Linux, and what to do about it. Elsewhere the system's
// reason stands alone.
QString linuxHint(OpenStatus status) {
#ifdef Q_OS_LINUX
    switch (status) {
    case OpenStatus::NoPermission: return text::kPortHintNoPermission;
    case OpenStatus::InUse: return text::kPortHintInUse;
    case OpenStatus::Absent: return text::kPortHintAbsent;
    case OpenStatus::Opened:
    case OpenStatus::Failed: break;
    }
#else
    static_cast<void>(status);
#endif
    return {};
}

} // namespace

QString portFailureText(const QString& name, OpenStatus status, const OpenFailure& failure) {
    const QString port = failure.device.isEmpty() || failure.device == name
                             ? name
                             : text::kPortWithDevice.arg(name, failure.device);
    const QString reason = failure.reason.isEmpty() ? openStatusText(status) : failure.reason;
    const QString line = text::kPortFailure.arg(port, reason);
    const QString hint = linuxHint(status);
    return hint.isEmpty() ? line : line + u'\n' + hint;
}

} // namespace radiolink
