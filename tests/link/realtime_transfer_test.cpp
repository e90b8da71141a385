// SPDX-License-Identifier: GPL-3.0-or-later
// A whole write and a whole read of the built-in simulated radio on the real clock,
// through the same entry the transfer dialog's worker uses.

#include "link/port_provider.h"
#include "link/transfer_engine.h"
#include "link_fixture.h"

#include <QElapsedTimer>

using namespace radiolink;
using namespace testing_support;

namespace {

TEST(RealtimeTransfer, WriteThenReadBuiltInSimulatorAtRealSpeed) {
    PortProvider ports([] { return QList<PortEntry>{}; });
    ScriptedPrompts prompts;
    int lastPosition = 0;
    const auto progress = [&](const TransferProgress& p) { lastPosition = p.position; };

    app::AppState writer;
    writer.config.portName = QStringLiteral("SIMULATOR");
    fillRandom(writer.image, 7);
    writer.image.setU8(0x0227, 0);
    writer.image.fill(0x014C, 4, 0);  // no program password
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(runTransfer(Direction::Write, writer, prompts, ports, progress).success());
    const qint64 writeMs = timer.restart();
    EXPECT_EQ(lastPosition, 1008);

    app::AppState reader;
    reader.config.portName = QStringLiteral("SIMULATOR");
    ASSERT_TRUE(runTransfer(Direction::Read, reader, prompts, ports, progress).success());
    const qint64 readMs = timer.elapsed();
    EXPECT_EQ(lastPosition, 1023);

    // What was written comes back; what is never written is the simulator's default.
    EXPECT_TRUE(std::ranges::equal(reader.image.bytes(0x0100, 0x3F00), writer.image.bytes(0x0100, 0x3F00)));
    EXPECT_TRUE(reader.image.allBytesAre(0x0000, 0x100, 0));
    EXPECT_EQ(prompts.messages, (QStringList{QStringLiteral("Write data compeleted"), QStringLiteral("Read data compeleted")}));
    RecordProperty("write_ms", int(writeMs));
    RecordProperty("read_ms", int(readMs));
}

} // namespace
