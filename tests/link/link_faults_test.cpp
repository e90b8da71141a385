// SPDX-License-Identifier: GPL-3.0-or-later
// A loaded PC, a USB adapter and a noisy line, through the simulated radio's fault switches
// in virtual time: every transfer either completes byte-exact or fails with its exit code
// and leaves the image as it was. Never a success with a wrong byte.

#include "link_fixture.h"

#include "image/memory_map.h"
#include "link/write_runner.h"

#include <QTemporaryDir>

using namespace radiolink;
using namespace testing_support;

namespace {

using Setup = std::function<void(RadioFaults&)>;

// The same fault at each of these blocks, the first `times` requests of each.
Setup at(QMap<image::Addr, int> RadioFaults::*faults, std::vector<int> blocks, int times = 1) {
    return [faults, blocks, times](RadioFaults& f) {
        for (const int block : blocks) (f.*faults)[image::Addr(block)] = times;
    };
}

Setup late(QMap<image::Addr, int> RadioFaults::*faults, int ms, std::vector<int> blocks, int times = 1) {
    return [faults, ms, blocks, times](RadioFaults& f) {
        f.lateMs = ms;
        at(faults, blocks, times)(f);
    };
}

std::vector<int> everyBlock() {
    std::vector<int> blocks;
    for (int a = 0x0100; a <= 0x3FF0; a += 16) blocks.push_back(a);
    return blocks;
}

Setup bursts(int ms) {
    return [ms](RadioFaults& f) { f.burstMs = ms; };
}

struct FaultCase {
    const char* name;
    Direction direction;
    Setup setup;
    int code;  // the exit code: 0 completed byte-exact
};

const FaultCase kCases[] = {
    {"read answer 60 ms late: asked again, both answers arrive", Direction::Read,
     late(&RadioFaults::lateReadAnswers, 60, {0x0800, 0x1000, 0x3FF0}), kCodeDone},
    {"read answer 30 ms late", Direction::Read, late(&RadioFaults::lateReadAnswers, 30, {0x0800, 0x2000}), kCodeDone},
    {"every read answer 60 ms late", Direction::Read, late(&RadioFaults::lateReadAnswers, 60, everyBlock(), RadioFaults::kAlways),
     kCodeDone},
    {"read answer 1.5 s late, six times", Direction::Read, late(&RadioFaults::lateReadAnswers, 1500, {0x0800}, 6),
     kCodeDone},
    {"acknowledgements 300 ms and 150 ms late", Direction::Write,
     [](RadioFaults& f) {
         late(&RadioFaults::lateAcks, 300, {0x1000, 0x1FF0, 0x2000})(f);
         f.lateAcks[0x3000] = 1;  // and one more far away
     },
     kCodeDone},
    {"every acknowledgement 150 ms late", Direction::Write, late(&RadioFaults::lateAcks, 150, everyBlock(), RadioFaults::kAlways),
     kCodeDone},
    {"16 ms bursts, reading", Direction::Read, bursts(16), kCodeDone},
    {"16 ms bursts, writing", Direction::Write, bursts(16), kCodeDone},
    {"a stray byte before a read answer", Direction::Read, at(&RadioFaults::strayBeforeAnswers, {0x0100, 0x2220}),
     kCodeDone},
    {"a stray byte before an acknowledgement", Direction::Write, at(&RadioFaults::strayBeforeAnswers, {0x0100, 0x2220}),
     kCodeDone},
    {"a byte lost from a read answer", Direction::Read, at(&RadioFaults::lostAnswerBytes, {0x0400, 0x3FF0}, 2),
     kCodeDone},
    {"a byte lost and a late answer at once, with bursts", Direction::Read,
     [](RadioFaults& f) {
         at(&RadioFaults::lostAnswerBytes, {0x0400})(f);
         late(&RadioFaults::lateReadAnswers, 45, {0x0400, 0x0410}, 2)(f);
         f.burstMs = 16;
     },
     kCodeDone},
    {"a byte lost from every answer of a block", Direction::Read,
     at(&RadioFaults::lostAnswerBytes, {0x0400}, RadioFaults::kAlways), kCodeNoAnswer},
    {"acknowledgements of a block that never come in time", Direction::Write,
     late(&RadioFaults::lateAcks, 100000, {0x0400}, RadioFaults::kAlways), kCodeNoAnswer},
    {"a block the radio always refuses", Direction::Write, at(&RadioFaults::refusedWrites, {0x3FF0}, RadioFaults::kAlways),
     kCodeNoAnswer},
};

void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }

class LinkFaults : public LinkTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(LinkFaults, CompletesByteExactOrFailsWithItsCode) {
    const FaultCase& c = GetParam();
    fillRandom(radio.memory(), 41);
    radio.memory().fill(image::map::kProgramPassword, image::map::kProgramPasswordLength, 0);
    fillRandom(state.image, 42);
    state.image.setU8(image::map::kRadioState, 0);
    state.image.fill(image::map::kProgramPassword, image::map::kProgramPasswordLength, 0);
    QTemporaryDir data;
    state.config.dataDir = data.path();
    c.setup(radio.faults());
    const image::RadioImage before = state.image;

    if (c.direction == Direction::Read) {
        const TransferOutcome outcome = run(Direction::Read);
        ASSERT_EQ(exitCodeOf(outcome.result), c.code);
        const image::RadioImage& expected = outcome.success() ? radio.memory() : before;
        EXPECT_TRUE(std::ranges::equal(state.image.bytes(0x0010, 0x3FF0), expected.bytes(0x0010, 0x3FF0)));
    } else {
        WriteRunner runner(loggedPort, clock, prompts, state, {});
        const WriteResult result = runner.run({});
        ASSERT_EQ(result.code, c.code) << result.failure.toStdString();
        if (result.done())
            EXPECT_TRUE(std::ranges::equal(state.image.bytes(0x0100, 0x3F00), radio.memory().bytes(0x0100, 0x3F00)));
        else
            EXPECT_TRUE(result.writtenBackup.isEmpty());
    }
    // A slow radio costs time, never a question, unless it fails.
    EXPECT_EQ(prompts.count("retry:"), c.code == kCodeDone ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Table, LinkFaults, ::testing::ValuesIn(kCases));

} // namespace
