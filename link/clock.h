#pragma once
// Time as the transfer sees it: pauses and a millisecond stopwatch. The engine and the
// simulated port take a Clock so that tests of retry paths run in virtual time.

#include <QtGlobal>

namespace radiolink {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleepMs(int ms) = 0;
    virtual qint64 nowMs() = 0;
};

// The real clock: a monotonic millisecond counter and a thread sleep.
class SteadyClock final : public Clock {
public:
    void sleepMs(int ms) override;
    qint64 nowMs() override;
};

// Virtual time for tests: it stands still until someone sleeps, so a retry path with
// seconds of waiting runs in microseconds. Not thread-safe; one transfer at a time.
class ManualClock final : public Clock {
public:
    void sleepMs(int ms) override { m_now += ms; m_slept += ms; }
    qint64 nowMs() override { return m_now; }
    qint64 totalSleptMs() const { return m_slept; }

private:
    qint64 m_now = 0;
    qint64 m_slept = 0;
};

} // namespace radiolink
