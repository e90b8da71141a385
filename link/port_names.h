// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Port names as the program stores them ("COM3", "\\.\COM12") and what they stand for on
// this system. On Windows a name is the device itself. Elsewhere "COMn" (or "\\.\COMn")
// stands for the n-th serial port the system reports, USB adapters first and then by
// device path, so a single USB programming cable is COM1; a device path such as
// "/dev/ttyUSB0" is used as it stands; "SIMULATOR" is the built-in simulated radio.

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace radiolink {

// "COM%d" for 1-9, the device-namespace form "\\.\COM%d" from 10 on.
QString portName(int number);

// A port name as the user knows it: "\\.\COM12" is COM12; any other name as it stands.
QString shownPortName(const QString& name);

// The number behind a port name as "%*[^M]M%d" scans it: at least one character other
// than "M", the first "M", then a decimal number (blanks and a sign allowed before it).
std::optional<int> scanPortNumber(QStringView name);

// One serial port as the system reports it.
struct PortEntry {
    QString device;       // what a port is opened with: "/dev/ttyUSB0", "COM3"
    QString description;
    QString manufacturer;
    bool usb = false;
};

// The system's list of ports; tests and the Port dialog's tests pass a fixed list.
using PortCatalog = std::function<QList<PortEntry>()>;
PortCatalog systemPortCatalog();

// USB adapters first, then by device path: the order that numbers COM1, COM2 ...
QList<PortEntry> numberedOrder(QList<PortEntry> ports);

struct ListedPort {
    QString name;  // the COMn name that stands for it
    PortEntry entry;
};
QList<ListedPort> listPorts(const PortCatalog& catalog);

struct PortTarget {
    enum class Kind { Simulator, Device, Missing };
    Kind kind = Kind::Missing;
    QString device;
};
PortTarget resolvePortName(const QString& name, const PortCatalog& catalog);

// What a port name stands for as a cable: "COM1" and the device it names are one, so
// transfers given either never run on it at the same time.
QString cableKey(const QString& name, const PortCatalog& catalog);

} // namespace radiolink
