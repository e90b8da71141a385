// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt_serial_port.h"

#include "link/link_texts.h"

#include <QDeadlineTimer>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace radiolink {

namespace {

// QSerialPort reports a port that another program holds as a permission error; the two
// differ in whether we may open the device file at all.
OpenStatus statusFromError(QSerialPort::SerialPortError error, const QString& device) {
    switch (error) {
    case QSerialPort::NoError: return OpenStatus::Opened;
    case QSerialPort::DeviceNotFoundError: return OpenStatus::Absent;
    case QSerialPort::PermissionError: {
        const QFileInfo file(device);
        if (file.exists() && (!file.isReadable() || !file.isWritable())) return OpenStatus::NoPermission;
        return OpenStatus::InUse;
    }
    default: return OpenStatus::Failed;
    }
}

OpenStatus openDevice(QSerialPort& port, const QString& device) {
    port.setPortName(device);
    if (port.open(QIODevice::ReadWrite)) return OpenStatus::Opened;
    // The device path as given: portName() is the bare name ("ttyUSB0"), no file to look at.
    const OpenStatus status = statusFromError(port.error(), device);
    return status == OpenStatus::Opened ? OpenStatus::Failed : status;
}

// ASYNC_LOW_LATENCY, as setserial's low_latency sets it. A port whose driver has no such
// setting (a pseudo-terminal, some adapters) refuses; it then works as it always did.
void askForLowLatency([[maybe_unused]] const QSerialPort& port) {
#ifdef Q_OS_LINUX
    const int descriptor = int(port.handle());
    serial_struct settings{};
    if (descriptor < 0 || ioctl(descriptor, TIOCGSERIAL, &settings) != 0) return;
    settings.flags |= ASYNC_LOW_LATENCY;
    ioctl(descriptor, TIOCSSERIAL, &settings);
#endif
}

} // namespace

OpenStatus QtSerialPort::open(const QString& name) {
    const PortTarget target = resolvePortName(name, m_catalog);
    if (target.kind != PortTarget::Kind::Device) {
        m_failure = {QString(), text::kNoSuchPort};
        return OpenStatus::Absent;
    }
    const OpenStatus status = openDevice(m_port, target.device);
    m_failure = status == OpenStatus::Opened ? OpenFailure{} : OpenFailure{target.device, m_port.errorString()};
    if (status == OpenStatus::Opened) askForLowLatency(m_port);
    return status;
}

// QSerialPort has no driver buffer setting; its own read buffer is the nearest thing.
void QtSerialPort::setBufferSizes(int inBytes, int) {
    m_port.setReadBufferSize(inBytes);
}

bool QtSerialPort::configureLine() {
    return m_port.setBaudRate(kBaudRate) && m_port.setDataBits(QSerialPort::Data8)
           && m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop);
}

void QtSerialPort::purge() {
    m_port.clear(QSerialPort::AllDirections);
}

int QtSerialPort::write(const QByteArray& bytes) {
    if (!m_port.isOpen() || m_port.write(bytes) != bytes.size()) return 0;
    QDeadlineTimer deadline(m_timeouts.writeTotalMs(int(bytes.size())));
    while (m_port.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!m_port.waitForBytesWritten(int(deadline.remainingTime()))) break;
    }
    return int(bytes.size() - m_port.bytesToWrite());
}

QByteArray QtSerialPort::read(int count) {
    if (!m_port.isOpen()) return {};
    QDeadlineTimer total(m_timeouts.readTotalMs(count));
    while (m_port.bytesAvailable() < count) {
        // Once bytes flow, a pause longer than the gap ends the read early.
        qint64 wait = total.remainingTime();
        if (m_port.bytesAvailable() > 0) wait = std::min<qint64>(wait, m_timeouts.readGapMs);
        if (wait <= 0 || !m_port.waitForReadyRead(int(wait))) break;
    }
    return m_port.read(count);
}

int QtSerialPort::bytesWaiting() {
    if (!m_port.isOpen()) return 0;
    if (m_port.bytesAvailable() == 0) m_port.waitForReadyRead(0);  // collect what the driver holds
    return int(m_port.bytesAvailable());
}

// Sleeps in the system until a byte comes: no polling, and no wake-up before one does.
bool QtSerialPort::waitForInput(int ms) {
    if (!m_port.isOpen()) return false;
    const QDeadlineTimer deadline(std::max(ms, 0));
    while (m_port.bytesAvailable() == 0) {
        // A wait that ends without bytes has timed out or lost the port: either way, done.
        if (!m_port.waitForReadyRead(int(deadline.remainingTime()))) break;
    }
    return m_port.bytesAvailable() > 0;
}

void QtSerialPort::close() {
    if (m_port.isOpen()) m_port.close();
}

OpenStatus probeDevice(const QString& device) {
    QSerialPort port;
    const OpenStatus status = openDevice(port, device);
    port.close();
    return status;
}

} // namespace radiolink
