#include "link/clock.h"

#include <chrono>
#include <thread>

namespace radiolink {

void SteadyClock::sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

qint64 SteadyClock::nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace radiolink
