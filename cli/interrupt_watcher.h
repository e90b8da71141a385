// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns Ctrl-C (SIGINT) and SIGTERM into the transfer's cancel flag, so an interrupted
// transfer still ends cleanly with "END" between two blocks. A second signal ends the
// program at once. The signals are taken by a thread of its own, so no handler and no
// global state are involved.

#include <atomic>
#include <thread>

namespace cli {

class InterruptWatcher {
public:
    // Call before any other thread is started: it blocks the signals for the whole process.
    InterruptWatcher(std::atomic<bool>& cancel, std::atomic<bool>& interrupted);
    ~InterruptWatcher();
    InterruptWatcher(const InterruptWatcher&) = delete;
    InterruptWatcher& operator=(const InterruptWatcher&) = delete;

private:
    void watch();

    std::atomic<bool>& m_cancel;
    std::atomic<bool>& m_interrupted;
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};

} // namespace cli
