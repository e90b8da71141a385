// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/simulated_port.h"

#include <algorithm>

namespace radiolink {

// Bytes from the cable and from the radio share the line in the order they arrive: a late
// answer comes after the echo of whatever the PC sent meanwhile.
void TimedInput::add(QByteArrayView bytes, qint64 atUs, int burstMs) {
    if (burstMs > 0) {
        const qint64 burstUs = qint64(burstMs) * 1000;
        atUs = (atUs + burstUs - 1) / burstUs * burstUs;
    }
    auto at = std::ranges::upper_bound(m_bytes, atUs, {}, &Byte::atUs);
    for (const char byte : bytes) at = std::next(m_bytes.insert(at, {atUs, byte}));
}

int TimedInput::arrived(qint64 nowUs) const {
    const auto firstOnItsWay = std::ranges::find_if(m_bytes, [nowUs](const Byte& b) { return b.atUs > nowUs; });
    return int(firstOnItsWay - m_bytes.begin());
}

QByteArray TimedInput::take(int count, qint64 nowUs) {
    const int n = std::min(count, arrived(nowUs));
    QByteArray bytes;
    bytes.reserve(n);
    for (int i = 0; i < n; ++i) bytes.append(m_bytes[std::size_t(i)].value);
    m_bytes.erase(m_bytes.begin(), m_bytes.begin() + n);
    return bytes;
}

void TimedInput::dropArrived(qint64 nowUs) {
    m_bytes.erase(m_bytes.begin(), m_bytes.begin() + arrived(nowUs));
}

std::optional<qint64> TimedInput::nextArrival(qint64 nowUs) const {
    const auto next = std::ranges::find_if(m_bytes, [nowUs](const Byte& b) { return b.atUs > nowUs; });
    if (next == m_bytes.end()) return std::nullopt;
    return next->atUs;
}

bool TimedInput::awaitNextByte(int ms, Clock& clock) {
    const qint64 now = clock.nowUs();
    const qint64 limit = now + qint64(ms) * 1000;
    const std::optional<qint64> next = nextArrival(now);
    if (next && *next <= limit) {
        clock.sleepUntilUs(*next);
        return true;
    }
    if (ms > 0) clock.sleepUntilUs(limit);
    return false;
}

QByteArray TimedInput::read(int count, const Timeouts& timeouts, Clock& clock) {
    const qint64 totalEnd = clock.nowUs() + qint64(timeouts.readTotalMs(count)) * 1000;
    while (arrived(clock.nowUs()) < count) {
        const qint64 left = (totalEnd - clock.nowUs()) / 1000;
        const int waitMs = int(arrived(clock.nowUs()) > 0 ? std::min<qint64>(left, timeouts.readGapMs) : left);
        if (waitMs <= 0 || !awaitNextByte(waitMs, clock)) break;
    }
    return take(count, clock.nowUs());
}

bool TimedInput::waitForInput(int ms, Clock& clock) {
    return arrived(clock.nowUs()) > 0 || awaitNextByte(ms, clock);
}

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
    const qint64 now = m_clock.nowUs();
    const int burstMs = m_radio.faults().burstMs;
    m_input.add(bytes, now, burstMs);  // the cable echoes every byte
    for (const char byte : bytes) {
        const QByteArray answer = m_radio.receiveByte(std::uint8_t(byte));
        if (!answer.isEmpty()) m_input.add(answer, now + qint64(m_radio.answerDelayMs()) * 1000, burstMs);
    }
    return int(bytes.size());
}

} // namespace radiolink
