#include "link/simulated_port.h"

namespace radiolink {

OpenStatus SimulatedPort::open(const QString&) {
    if (m_radio.unplugged()) return OpenStatus::Absent;
    if (m_openFailure != OpenStatus::Opened) return std::exchange(m_openFailure, OpenStatus::Opened);
    m_open = true;
    ++m_openCount;
    m_input.clear();
    return OpenStatus::Opened;
}

int SimulatedPort::write(const QByteArray& bytes) {
    if (!m_open || m_radio.unplugged()) return 0;
    m_input += bytes;  // the cable echoes every byte
    m_input += m_radio.receive(bytes);
    return int(bytes.size());
}

QByteArray SimulatedPort::read(int count) {
    const QByteArray got = m_input.first(std::min<qsizetype>(count, m_input.size()));
    m_input.remove(0, got.size());
    if (got.size() < count) {
        // A short read ends at the gap after the last byte, an empty one at the total time-out.
        m_clock.sleepMs(got.isEmpty() ? m_timeouts.readTotalMs(count) : m_timeouts.readGapMs);
    }
    return got;
}

} // namespace radiolink
