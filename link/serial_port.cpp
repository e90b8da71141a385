#include "link/serial_port.h"

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

} // namespace radiolink
