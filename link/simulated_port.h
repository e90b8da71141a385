// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated radio behind an echoing cable, as a serial port: everything written is
// echoed at once, followed by the radio's answer, which may come late or be handed over in
// bursts when the radio's fault switches say so. Every byte has the time it reaches the PC;
// reads and waits take their time on the given clock, so with a ManualClock a silent or late
// radio costs no real time and with the real clock it behaves like the real cable.

#include "link/clock.h"
#include "link/serial_port.h"
#include "link/simulated_radio.h"

#include <deque>
#include <optional>

namespace radiolink {

// Bytes on their way to the PC, in order, each with the time it arrives. A purge drops
// only what has arrived: what is still on its way comes afterwards, as on a real line.
class TimedInput {
public:
    // Bytes that reach the PC at `atUs`, after those that arrive no later; with bursts, at
    // the next multiple of `burstMs`.
    void add(QByteArrayView bytes, qint64 atUs, int burstMs = 0);
    int arrived(qint64 nowUs) const;
    QByteArray take(int count, qint64 nowUs);
    void dropArrived(qint64 nowUs);
    // When the first byte not yet arrived will arrive.
    std::optional<qint64> nextArrival(qint64 nowUs) const;
    void clear() { m_bytes.clear(); }

    // A port's read and wait over these bytes, taking their time on `clock`: a read of
    // `count` ends at the total time-out, or once bytes flow at the gap between two of them.
    QByteArray read(int count, const Timeouts& timeouts, Clock& clock);
    bool waitForInput(int ms, Clock& clock);

private:
    // Sleeps until the next byte arrives if it does so within `ms`, else for `ms`.
    bool awaitNextByte(int ms, Clock& clock);

    struct Byte {
        qint64 atUs;
        char value;
    };
    std::deque<Byte> m_bytes;
};

class SimulatedPort final : public SerialPort {
public:
    SimulatedPort(SimulatedRadio& radio, Clock& clock) : m_radio(radio), m_clock(clock) {}

    // The next open fails with this status (a port that is absent, in use...).
    void failOpen(OpenStatus status) { m_openFailure = status; }
    bool isOpen() const { return m_open; }
    int openCount() const { return m_openCount; }

    OpenStatus open(const QString& name) override;
    void setBufferSizes(int, int) override {}
    bool configureLine() override { return m_open; }
    void setTimeouts(const Timeouts& timeouts) override { m_timeouts = timeouts; }
    void purge() override { m_input.dropArrived(m_clock.nowUs()); }
    int write(const QByteArray& bytes) override;
    QByteArray read(int count) override { return m_input.read(count, m_timeouts, m_clock); }
    int bytesWaiting() override { return m_input.arrived(m_clock.nowUs()); }
    bool waitForInput(int ms) override { return m_input.waitForInput(ms, m_clock); }
    void close() override { m_open = false; }

private:

    SimulatedRadio& m_radio;
    Clock& m_clock;
    Timeouts m_timeouts;
    TimedInput m_input;
    OpenStatus m_openFailure = OpenStatus::Opened;
    bool m_open = false;
    int m_openCount = 0;
};

} // namespace radiolink
