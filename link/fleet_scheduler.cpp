// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/fleet_scheduler.h"

#include <QThread>

#include <map>

namespace radiolink {

FleetScheduler::FleetScheduler(PortCatalog catalog) : m_catalog(std::move(catalog)) {}

FleetScheduler::~FleetScheduler() {
    stop();
    wait();
}

std::vector<std::vector<int>> FleetScheduler::queues(const QStringList& ports, bool parallel) const {
    std::map<QString, std::vector<int>> byCable;
    for (int index = 0; index < ports.size(); ++index)
        byCable[parallel ? cableKey(ports[index], m_catalog) : QString()].push_back(index);
    std::vector<std::vector<int>> result;
    for (auto& entry : byCable) result.push_back(std::move(entry.second));
    return result;
}

void FleetScheduler::start(const QStringList& ports, bool parallel, RadioWork work, std::function<void()> allDone) {
    wait();
    m_threads.clear();
    m_stopping = false;
    const std::vector<std::vector<int>> planned = queues(ports, parallel);
    m_running = int(planned.size());
    if (planned.empty() && allDone) allDone();
    // QThreads: a serial port needs a Qt thread for its notifiers.
    for (const std::vector<int>& queue : planned)
        m_threads.emplace_back(QThread::create([this, queue, work, allDone] {
            for (const int index : queue)
                if (m_stopping || !work(index)) break;
            if (--m_running == 0 && allDone) allDone();
        }));
    for (const auto& thread : m_threads) thread->start();
}

void FleetScheduler::stop() {
    m_stopping = true;
    const std::lock_guard lock(m_mutex);
    for (std::atomic<bool>* cancel : m_cancels) *cancel = true;
}

void FleetScheduler::wait() {
    for (const auto& thread : m_threads) thread->wait();
}

FleetScheduler::Registration::Registration(FleetScheduler& scheduler, std::atomic<bool>& cancel)
    : m_scheduler(scheduler), m_cancel(cancel) {
    const std::lock_guard lock(m_scheduler.m_mutex);
    if (m_scheduler.m_stopping) m_cancel = true;
    m_scheduler.m_cancels.insert(&m_cancel);
}

FleetScheduler::Registration::~Registration() {
    const std::lock_guard lock(m_scheduler.m_mutex);
    m_scheduler.m_cancels.erase(&m_cancel);
}

} // namespace radiolink
