// SPDX-License-Identifier: GPL-3.0-or-later
// The fleet's queues: one per cable, a COMn name and its device counting as one, and a stop
// that reaches every transfer running and starts no further radio.

#include "link/fleet_scheduler.h"

#include <gtest/gtest.h>

#include <QThread>

#include <algorithm>
#include <mutex>

using namespace radiolink;

namespace {

PortCatalog oneUsbCable() {
    return [] { return QList<PortEntry>{{"/dev/ttyUSB0", "USB serial", "maker", true}}; };
}

TEST(FleetScheduler, OneQueuePerCableInRosterOrder) {
    const FleetScheduler scheduler(oneUsbCable());
    const QStringList ports{"COM1", "/dev/ttyS5", "/dev/ttyUSB0", "SIMULATOR", "COM1"};
    EXPECT_EQ(scheduler.queues(ports, true), (std::vector<std::vector<int>>{{1}, {0, 2, 4}, {3}}));
    EXPECT_EQ(scheduler.queues(ports, false), (std::vector<std::vector<int>>{{0, 1, 2, 3, 4}}));
}

// Two cables, each in the middle of a transfer: a stop reaches both, and the radios still
// waiting in their queues are never started.
TEST(FleetScheduler, StopReachesEveryRunningTransfer) {
    FleetScheduler scheduler(oneUsbCable());
    std::mutex mutex;
    QList<int> started;
    std::atomic<int> running{0};
    std::atomic<bool> allDone{false};
    scheduler.start({"COM1", "/dev/ttyS5", "/dev/ttyUSB0", "/dev/ttyS5"}, true,
                    [&](int index) {
                        {
                            const std::lock_guard lock(mutex);
                            started << index;
                        }
                        std::atomic<bool> cancel{false};
                        const FleetScheduler::Registration registered(scheduler, cancel);
                        ++running;
                        while (!cancel) QThread::msleep(1);  // a transfer polls its flag between blocks
                        return true;
                    },
                    [&] { allDone = true; });
    while (running < 2) QThread::msleep(1);
    scheduler.stop();
    scheduler.wait();
    EXPECT_TRUE(allDone);
    std::sort(started.begin(), started.end());
    EXPECT_EQ(started, (QList<int>{0, 1}));
}

} // namespace
