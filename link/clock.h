// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Time as the transfer sees it: pauses and a stopwatch. The engine and the simulated port
// take a Clock so that tests of retry paths run in virtual time.

#include <QtGlobal>

namespace radiolink {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleepMs(int ms) = 0;
    virtual qint64 nowMs() = 0;
    // Microseconds, for pauses that must last at least their time and no more: a pause taken
    // from the moment an answer arrived overlaps whatever the program did meanwhile.
    virtual qint64 nowUs() { return nowMs() * 1000; }
    virtual void sleepUntilUs(qint64 deadlineUs) {
        const qint64 left = deadlineUs - nowUs();
        if (left > 0) sleepMs(int((left + 999) / 1000));
    }
};

// The real clock: a monotonic counter and a thread sleep on absolute deadlines.
class SteadyClock final : public Clock {
public:
    void sleepMs(int ms) override;
    qint64 nowMs() override;
    qint64 nowUs() override;
    void sleepUntilUs(qint64 deadlineUs) override;
};

// Virtual time for tests: it stands still until someone sleeps, so a retry path with
// seconds of waiting runs in microseconds. Not thread-safe; one transfer at a time.
class ManualClock final : public Clock {
public:
    void sleepMs(int ms) override { advanceUs(qint64(ms) * 1000); }
    qint64 nowMs() override { return m_nowUs / 1000; }
    qint64 nowUs() override { return m_nowUs; }
    void sleepUntilUs(qint64 deadlineUs) override {
        if (deadlineUs > m_nowUs) advanceUs(deadlineUs - m_nowUs);
    }
    qint64 totalSleptMs() const { return m_sleptUs / 1000; }

private:
    void advanceUs(qint64 us) {
        m_nowUs += us;
        m_sleptUs += us;
    }
    qint64 m_nowUs = 0;
    qint64 m_sleptUs = 0;
};

} // namespace radiolink
