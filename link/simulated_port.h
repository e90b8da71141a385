#pragma once
// The simulated radio behind an echoing cable, as a serial port: everything written is
// echoed at once, followed by the radio's answer. Reads that find too few bytes take
// their time-out on the given clock, so with a ManualClock a silent radio costs no real
// time and with the real clock it behaves like the real cable.

#include "link/clock.h"
#include "link/serial_port.h"
#include "link/simulated_radio.h"

namespace radiolink {

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
    void purge() override { m_input.clear(); }
    int write(const QByteArray& bytes) override;
    QByteArray read(int count) override;
    int bytesWaiting() override { return int(m_input.size()); }
    void close() override { m_open = false; }

private:
    SimulatedRadio& m_radio;
    Clock& m_clock;
    Timeouts m_timeouts;
    QByteArray m_input;
    OpenStatus m_openFailure = OpenStatus::Opened;
    bool m_open = false;
    int m_openCount = 0;
};

} // namespace radiolink
