// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a port name into a port: a real one through QSerialPort, or the built-in
// simulated radio for "SIMULATOR". It owns that simulated radio, so what a user writes
// into it can be read back for as long as the provider lives (the program keeps one for
// its whole run). The port list and the probe for the Port dialog come from here too.

#include "link/clock.h"
#include "link/port_names.h"
#include "link/serial_port.h"
#include "link/simulated_radio.h"

#include <memory>

namespace radiolink {

class PortProvider {
public:
    explicit PortProvider(PortCatalog catalog = systemPortCatalog());

    // Call in the thread that will use the port (the transfer worker).
    std::unique_ptr<SerialPort> makePort(const QString& name, Clock& clock);

    // Opens the named port exclusively and closes it again at once.
    OpenStatus probe(const QString& name) const;
    QList<ListedPort> ports() const { return listPorts(m_catalog); }
    const PortCatalog& catalog() const { return m_catalog; }

    SimulatedRadio& builtInRadio() { return m_builtInRadio; }

private:
    PortCatalog m_catalog;
    SimulatedRadio m_builtInRadio;
};

} // namespace radiolink
