// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/interrupt_watcher.h"

#include "cli/exit_codes.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <pthread.h>
#include <signal.h>
#endif

#include <cstdlib>

namespace cli {

#ifdef Q_OS_UNIX

namespace {

// SIGUSR2 only wakes the watcher when the program ends.
sigset_t watchedSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGUSR2);
    return set;
}

} // namespace

InterruptWatcher::InterruptWatcher(std::atomic<bool>& cancel, std::atomic<bool>& interrupted)
    : m_cancel(cancel), m_interrupted(interrupted) {
    const sigset_t set = watchedSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    m_thread = std::thread([this] { watch(); });
}

InterruptWatcher::~InterruptWatcher() {
    m_stopping = true;
    pthread_kill(m_thread.native_handle(), SIGUSR2);
    m_thread.join();
}

void InterruptWatcher::watch() {
    const sigset_t set = watchedSignals();
    for (;;) {
        int signal = 0;
        if (sigwait(&set, &signal) != 0 || m_stopping) return;
        if (signal == SIGUSR2) continue;
        if (m_interrupted.exchange(true)) std::_Exit(kExitCancelled);
        m_cancel = true;
    }
}

#else

InterruptWatcher::InterruptWatcher(std::atomic<bool>& cancel, std::atomic<bool>& interrupted)
    : m_cancel(cancel), m_interrupted(interrupted) {}
InterruptWatcher::~InterruptWatcher() = default;
void InterruptWatcher::watch() {}

#endif

} // namespace cli
