// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/clock.h"

#include <chrono>
#include <thread>

namespace radiolink {

using std::chrono::steady_clock;

void SteadyClock::sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

qint64 SteadyClock::nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

qint64 SteadyClock::nowUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// An absolute deadline: a late wake-up of one pause is not added to the next.
void SteadyClock::sleepUntilUs(qint64 deadlineUs) {
    std::this_thread::sleep_until(steady_clock::time_point(std::chrono::microseconds(deadlineUs)));
}

} // namespace radiolink
