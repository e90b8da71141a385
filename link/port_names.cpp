// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_names.h"

#include "link/link_texts.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>
#include <limits>

namespace radiolink {

namespace {

constexpr int kLastShortFormPort = 9;

// The n of "COMn" or "\\.\COMn" (letter case ignored), when the name is exactly that.
std::optional<int> comNumber(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral(R"(^(?:\\\\\.\\)?COM([0-9]{1,6})$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch()) return std::nullopt;
    return match.captured(1).toInt();
}

bool isUsb(const QSerialPortInfo& info) {
    return info.hasVendorIdentifier() || info.portName().contains(QStringLiteral("usb"), Qt::CaseInsensitive)
           || info.portName().startsWith(QStringLiteral("ttyACM"));
}

} // namespace

QString portName(int number) {
    return number <= kLastShortFormPort ? QStringLiteral("COM%1").arg(number)
                                        : QStringLiteral("\\\\.\\COM%1").arg(number);
}

QString shownPortName(const QString& name) {
    const QString deviceNamespace = QStringLiteral("\\\\.\\");
    return name.startsWith(deviceNamespace) ? name.mid(deviceNamespace.size()) : name;
}

std::optional<int> scanPortNumber(QStringView name) {
    const qsizetype m = name.indexOf(u'M');
    if (m <= 0) return std::nullopt;  // "%*[^M]" must skip at least one character
    qsizetype i = m + 1;
    while (i < name.size() && name[i].isSpace()) ++i;
    bool negative = false;
    if (i < name.size() && (name[i] == u'+' || name[i] == u'-')) negative = name[i++] == u'-';
    const qsizetype firstDigit = i;
    qint64 value = 0;
    for (; i < name.size() && name[i] >= u'0' && name[i] <= u'9'; ++i) {
        value = value * 10 + (name[i].unicode() - u'0');
        if (value > std::numeric_limits<int>::max()) return std::nullopt;
    }
    if (i == firstDigit) return std::nullopt;
    return int(negative ? -value : value);
}

PortCatalog systemPortCatalog() {
    return [] {
        QList<PortEntry> ports;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            ports.append({info.systemLocation(), info.description(), info.manufacturer(), isUsb(info)});
        return ports;
    };
}

QList<PortEntry> numberedOrder(QList<PortEntry> ports) {
    std::stable_sort(ports.begin(), ports.end(), [](const PortEntry& a, const PortEntry& b) {
        if (a.usb != b.usb) return a.usb;
        return a.device < b.device;
    });
    return ports;
}

QList<ListedPort> listPorts(const PortCatalog& catalog) {
    QList<ListedPort> listed;
    const QList<PortEntry> ports = numberedOrder(catalog());
    for (qsizetype i = 0; i < ports.size(); ++i) {
#ifdef Q_OS_WIN
        const std::optional<int> number = comNumber(ports[i].device);
        listed.append({number ? portName(*number) : ports[i].device, ports[i]});
#else
        listed.append({portName(int(i + 1)), ports[i]});
#endif
    }
    return listed;
}

PortTarget resolvePortName(const QString& name, const PortCatalog& catalog) {
    if (name == text::kSimulatorPortName) return {PortTarget::Kind::Simulator, {}};
    if (name.isEmpty()) return {};
#ifdef Q_OS_WIN
    return {PortTarget::Kind::Device, name};
#else
    const std::optional<int> number = comNumber(name);
    if (!number) return {PortTarget::Kind::Device, name};  // a device path or name as it stands
    const QList<PortEntry> ports = numberedOrder(catalog());
    if (*number < 1 || *number > ports.size()) return {};
    return {PortTarget::Kind::Device, ports[*number - 1].device};
#endif
}

QString cableKey(const QString& name, const PortCatalog& catalog) {
    const PortTarget target = resolvePortName(name, catalog);
    return target.kind == PortTarget::Kind::Device ? target.device : name;
}

} // namespace radiolink
