// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real serial port through QSerialPort. It has no event loop to lean on: the transfer
// runs in a worker thread, so the port is created, used and destroyed in that thread and
// every read and write waits with the blocking wait calls. On Linux the port asks the driver
// for low latency when it opens: a USB serial adapter then hands each byte on at once instead
// of holding bytes back for its latency timer (16 ms on the common chips).

#include "link/port_names.h"
#include "link/serial_port.h"

#include <QSerialPort>

namespace radiolink {

class QtSerialPort final : public SerialPort {
public:
    explicit QtSerialPort(PortCatalog catalog) : m_catalog(std::move(catalog)) {}
    ~QtSerialPort() override { close(); }

    OpenStatus open(const QString& name) override;
    OpenFailure lastOpenFailure() const override { return m_failure; }
    void setBufferSizes(int inBytes, int outBytes) override;
    bool configureLine() override;
    void setTimeouts(const Timeouts& timeouts) override { m_timeouts = timeouts; }
    void purge() override;
    int write(const QByteArray& bytes) override;
    QByteArray read(int count) override;
    int bytesWaiting() override;
    bool waitForInput(int ms) override;
    void close() override;

private:
    PortCatalog m_catalog;
    QSerialPort m_port;
    Timeouts m_timeouts;
    OpenFailure m_failure;
};

// Opens the named port exclusively and closes it again at once.
OpenStatus probeDevice(const QString& device);

} // namespace radiolink
