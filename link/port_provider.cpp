// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_provider.h"

#include "link/qt_serial_port.h"
#include "link/simulated_port.h"

namespace radiolink {

PortProvider::PortProvider(PortCatalog catalog) : m_catalog(std::move(catalog)) {}

std::unique_ptr<SerialPort> PortProvider::makePort(const QString& name, Clock& clock) {
    if (resolvePortName(name, m_catalog).kind == PortTarget::Kind::Simulator)
        return std::make_unique<SimulatedPort>(m_builtInRadio, clock);
    return std::make_unique<QtSerialPort>(m_catalog);
}

OpenStatus PortProvider::probe(const QString& name) const {
    const PortTarget target = resolvePortName(name, m_catalog);
    switch (target.kind) {
    case PortTarget::Kind::Simulator: return OpenStatus::Opened;
    case PortTarget::Kind::Missing: return OpenStatus::Absent;
    case PortTarget::Kind::Device: break;
    }
    return probeDevice(target.device);
}

} // namespace radiolink
