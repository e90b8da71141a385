// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order in which a fleet's radios are written: one queue per cable (a COMn name and the
// device it stands for are one), each queue in roster order on a thread of its own, so radios
// on different cables are written at the same time and radios on one cable one after another.
// Without `parallel` every radio waits in one queue. A stop reaches every transfer running
// (each registers its cancel flag while it runs) and starts no further radio. Widget-free:
// `qmr417-cli fleet` and the Fleet Write window share it.

#include "link/port_names.h"

#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

class QThread;

namespace radiolink {

class FleetScheduler {
public:
    // Writes radio `index`; false stops its queue (the run was stopped at a question).
    using RadioWork = std::function<bool(int index)>;

    explicit FleetScheduler(PortCatalog catalog = systemPortCatalog());
    ~FleetScheduler();
    FleetScheduler(const FleetScheduler&) = delete;
    FleetScheduler& operator=(const FleetScheduler&) = delete;

    // The queues for these ports (one per radio, in roster order): lists of radio indexes.
    std::vector<std::vector<int>> queues(const QStringList& ports, bool parallel) const;

    // Starts a thread per queue. `allDone` runs on the last thread to finish.
    void start(const QStringList& ports, bool parallel, RadioWork work, std::function<void()> allDone = {});
    // No further radio starts, and every registered transfer is asked to stop between blocks.
    void stop();
    bool stopping() const { return m_stopping; }
    bool running() const { return m_running > 0; }
    // Blocks until every queue has ended.
    void wait();

    // A transfer's cancel flag, registered for as long as the transfer runs.
    class Registration {
    public:
        Registration(FleetScheduler& scheduler, std::atomic<bool>& cancel);
        ~Registration();
        Registration(const Registration&) = delete;
        Registration& operator=(const Registration&) = delete;

    private:
        FleetScheduler& m_scheduler;
        std::atomic<bool>& m_cancel;
    };

private:
    PortCatalog m_catalog;
    std::vector<std::unique_ptr<QThread>> m_threads;
    std::mutex m_mutex;  // the registered cancel flags
    std::set<std::atomic<bool>*> m_cancels;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_running{0};
};

} // namespace radiolink
