// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operations the transfer needs from a serial port, and nothing more. The engine
// talks to this interface only, so the same code drives a real port, the in-process
// simulated radio and (through a real port) the pseudo-terminal simulator.

#include "link/link_constants.h"

#include <QByteArray>
#include <QString>

namespace radiolink {

// Why a port did or did not open; a probe reports the same.
enum class OpenStatus { Opened, Absent, InUse, NoPermission, Failed };

QString openStatusText(OpenStatus status);  // "absent", "in use", ... for the command line

// What a failed open found out: the device the port name stands for (empty when none does)
// and the system's reason in its own words ("Permission denied").
struct OpenFailure {
    QString device;
    QString reason;
};

// Which port did not open and why, for the line after "Coun`t open the port":
// "COM1 (/dev/ttyUSB0): Permission denied", and on Linux the usual cause with its fix.
QString portFailureText(const QString& name, OpenStatus status, const OpenFailure& failure);

struct Timeouts {
    int readGapMs = kReadGapMs;
    int readConstantMs = kTimeoutConstantMs;
    int readPerByteMs = kTimeoutPerByteMs;
    int writeConstantMs = kTimeoutConstantMs;
    int writePerByteMs = kTimeoutPerByteMs;

    int readTotalMs(int count) const { return readConstantMs + readPerByteMs * count; }
    int writeTotalMs(int count) const { return writeConstantMs + writePerByteMs * count; }
};

class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens an existing device by name for exclusive reading and writing.
    virtual OpenStatus open(const QString& name) = 0;
    // After an open that failed: the device and the system's reason, where the port knows them.
    virtual OpenFailure lastOpenFailure() const { return {}; }
    virtual void setBufferSizes(int inBytes, int outBytes) = 0;
    // 9600 baud, 8 data bits, no parity, 1 stop bit, no end-of-file character, no parity
    // checking; every other line setting stays as the port has it.
    virtual bool configureLine() = 0;
    virtual void setTimeouts(const Timeouts& timeouts) = 0;
    // Discards everything in both driver buffers.
    virtual void purge() = 0;
    // Returns the number of bytes written before the write time-out.
    virtual int write(const QByteArray& bytes) = 0;
    // Up to `count` bytes: fewer when the total time-out or the gap between bytes ran out.
    virtual QByteArray read(int count) = 0;
    // Bytes received and not yet read.
    virtual int bytesWaiting() = 0;
    // Blocks until at least one byte is waiting or `ms` have passed; true when one is.
    virtual bool waitForInput(int ms) = 0;
    virtual void close() = 0;
};

} // namespace radiolink
