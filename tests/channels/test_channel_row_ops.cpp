// Row commands of the channel list on images built here: the moved records byte for byte,
// both bitmaps, the channel references; a spreadsheet's text pasted with one bad row; and
// undo/redo over random sequences of mixed steps, byte-identical at every point.

#include "app/undo_history.h"
#include "channels/channel_csv.h"
#include "channels/channel_record.h"
#include "channels/channel_row_ops.h"
#include "image/memory_map.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace channels::rows {
namespace {

using image::RadioImage;
using Bytes = std::vector<std::uint8_t>;

constexpr int kLast = kFirstSlot + kOrdinarySlots - 1;

Bytes recordOf(const RadioImage& img, int slot) {
    const auto b = img.bytes(recordAddress(slot), record::kSize);
    return {b.begin(), b.end()};
}

// Every slot cleared; channel n (slot n + 1) in use for each n given, with RX 140 + n/10 MHz,
// its name, odd bytes in the fields no editor shows, and scan skip on odd channels.
RadioImage imageWith(std::initializer_list<int> numbers) {
    RadioImage img;
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) channelClear(img, slot);
    for (const int n : numbers) {
        const int slot = n + kFirstSlot;
        setUsageBit(img, slot, false);
        ChannelRecord record(img, slot);
        const image::Freq10Hz f(14000000 + n * 10000);
        record.writeRxTx(f, f);
        record.setName(QStringLiteral("C%1").arg(n));
        img.setU8(image::Addr(recordAddress(slot) + 0x1E), std::uint8_t(n));
        img.setU8(image::Addr(recordAddress(slot) + 0x1F), std::uint8_t(0xA0 + n % 16));
        setScanSkip(img, slot, n % 2 == 1);
    }
    return img;
}

struct Channel {
    Bytes record;
    bool empty;
    bool skip;
};
Channel channelAt(const RadioImage& img, int number) {
    const int slot = number + kFirstSlot;
    return {recordOf(img, slot), usageBit(img, slot), scanSkip(img, slot)};
}
void expectMoved(const RadioImage& before, int from, const RadioImage& after, int to) {
    SCOPED_TRACE(testing::Message() << "channel " << from << " -> " << to);
    const Channel a = channelAt(before, from);
    const Channel b = channelAt(after, to);
    EXPECT_EQ(a.record, b.record);
    EXPECT_EQ(a.empty, b.empty);
    EXPECT_EQ(a.skip, b.skip);
}
void expectEmpty(const RadioImage& img, int number) {
    SCOPED_TRACE(testing::Message() << "channel " << number);
    EXPECT_FALSE(inUse(img, number + kFirstSlot));
    EXPECT_TRUE(usageBit(img, number + kFirstSlot));
}

void setReferences(RadioImage& img, int mr, int p1, int p2, int emergency) {
    img.setU8(kChannelReferences[0], std::uint8_t(mr));
    img.setU8(kChannelReferences[1], std::uint8_t(p1));
    img.setU8(kChannelReferences[2], std::uint8_t(p2));
    img.setU8(kChannelReferences[3], std::uint8_t(emergency));
}
std::array<int, 4> references(const RadioImage& img) {
    return {img.u8(kChannelReferences[0]), img.u8(kChannelReferences[1]), img.u8(kChannelReferences[2]),
            img.u8(kChannelReferences[3])};
}

// The special records, their bits and every byte outside the ordinary records, the bitmaps
// and the references: none of it may move.
void expectRestUntouched(const RadioImage& before, const RadioImage& after) {
    for (unsigned at = 0; at < RadioImage::kSize; ++at) {
        const bool channelArea = at >= image::map::kChannelRecords && at < image::map::kChannelRecords + 200 * 32;
        const bool bitmapBits = at >= image::map::kChannelUsageMap && at < image::map::kChannelUsageMap + 64 && (at & 31) < 25;
        const bool reference = std::find(kChannelReferences.begin(), kChannelReferences.end(), at) != kChannelReferences.end();
        if (channelArea || bitmapBits || reference) continue;
        ASSERT_EQ(before.all()[at], after.all()[at]) << "byte " << std::hex << at;
    }
    for (const int slot : {kSlotPA, kSlotPB, kSlotVFO}) {
        EXPECT_EQ(usageBit(before, slot), usageBit(after, slot));
        EXPECT_EQ(scanSkip(before, slot), scanSkip(after, slot));
    }
}

TEST(ChannelRowOps, InsertMovesTheChannelsBelowDownAndRefusesWhenTheLastIsUsed) {
    RadioImage img = imageWith({0, 3, 4, 5, 196});
    setReferences(img, 4, 3, 0, 196);
    const RadioImage before = img;
    EXPECT_EQ(insertRows(img, 3 + kFirstSlot, 2), 0);
    expectMoved(before, 0, img, 0);
    expectEmpty(img, 3);
    expectEmpty(img, 4);
    for (const int n : {3, 4, 5}) expectMoved(before, n, img, n + 2);
    EXPECT_EQ(recordOf(img, 4), recordOf(imageWith({}), 4));  // an inserted row is a cleared record
    EXPECT_EQ(references(img), (std::array<int, 4>{6, 5, 0, 198}));
    expectMoved(before, 196, img, 198);
    expectRestUntouched(before, img);

    RadioImage full = imageWith({10, 199});
    const RadioImage fullBefore = full;
    EXPECT_EQ(insertRows(full, 10 + kFirstSlot, 1), 199 + kFirstSlot);
    EXPECT_EQ(full, fullBefore);
    EXPECT_EQ(insertRows(img, 5, 2), 198 + kFirstSlot) << "channel 198 is one of the last two";
}

TEST(ChannelRowOps, DeleteMovesTheChannelsBelowUpAndKeepsPaAndMrSpecials) {
    RadioImage img = imageWith({1, 2, 4, 7, 199});
    setReferences(img, 200, 7, 2, 4);  // MR names "PA"; priority 2 names a deleted channel
    const RadioImage before = img;
    const std::vector<int> gone{2 + kFirstSlot, 3 + kFirstSlot};
    deleteRows(img, gone);
    expectMoved(before, 1, img, 1);
    expectMoved(before, 4, img, 2);
    expectMoved(before, 7, img, 5);
    expectMoved(before, 199, img, 197);
    expectEmpty(img, 198);
    expectEmpty(img, 199);
    const auto refs = references(img);
    EXPECT_EQ(refs[0], 200);
    EXPECT_EQ(refs[1], 5);
    EXPECT_GE(refs[2], 198) << "a reference to a deleted channel ends on an empty one";
    EXPECT_EQ(refs[3], 2);
    expectRestUntouched(before, img);
}

TEST(ChannelRowOps, MoveSwapsWithTheNeighbourAndStopsAtTheEnds) {
    RadioImage img = imageWith({0, 1, 2, 5, 6});
    setReferences(img, 1, 2, 5, 0);
    const RadioImage before = img;
    const std::vector<int> block{1 + kFirstSlot, 2 + kFirstSlot, 6 + kFirstSlot};
    ASSERT_TRUE(moveRows(img, block, -1));
    expectMoved(before, 1, img, 0);
    expectMoved(before, 2, img, 1);
    expectMoved(before, 0, img, 2);
    expectMoved(before, 6, img, 5);
    expectMoved(before, 5, img, 6);
    EXPECT_EQ(references(img), (std::array<int, 4>{0, 1, 6, 2}));
    expectRestUntouched(before, img);

    const RadioImage moved = img;
    const std::vector<int> top{kFirstSlot, 4 + kFirstSlot};
    EXPECT_FALSE(moveRows(img, top, -1));
    const std::vector<int> bottom{kLast};
    EXPECT_FALSE(moveRows(img, bottom, 1));
    const std::vector<int> pa{kSlotPA};
    EXPECT_FALSE(moveRows(img, pa, -1));
    EXPECT_EQ(img, moved);
    const std::vector<int> back{kFirstSlot, 1 + kFirstSlot, 5 + kFirstSlot};
    ASSERT_TRUE(moveRows(img, back, 1));
    EXPECT_EQ(img, before) << "moving down undoes moving up";
}

TEST(ChannelRowOps, SortOrdersBySelectionOrAllWithEmptiesLast) {
    RadioImage img = imageWith({});
    auto put = [&](int n, std::int32_t rx) {
        setUsageBit(img, n + kFirstSlot, false);
        ChannelRecord(img, n + kFirstSlot).writeRxTx(image::Freq10Hz(rx), image::Freq10Hz(rx));
        ChannelRecord(img, n + kFirstSlot).setName(QString::number(n));
    };
    put(0, 14600000);
    put(2, 14500000);
    put(3, 14600000);
    put(5, 14400000);
    setReferences(img, 5, 3, 0, 2);
    const RadioImage before = img;
    const std::vector<int> firstFour{kFirstSlot, 1 + kFirstSlot, 2 + kFirstSlot, 3 + kFirstSlot};
    sortByRx(img, firstFour);
    expectMoved(before, 2, img, 0);
    expectMoved(before, 0, img, 1);  // equal frequencies keep their order
    expectMoved(before, 3, img, 2);
    expectMoved(before, 1, img, 3);
    expectMoved(before, 5, img, 5);
    EXPECT_EQ(references(img), (std::array<int, 4>{5, 2, 1, 0}));

    img = before;
    sortByRx(img, {});
    for (const auto& [from, to] : {std::pair{5, 0}, {2, 1}, {0, 2}, {3, 3}}) expectMoved(before, from, img, to);
    for (int n = 4; n < kOrdinarySlots; ++n) ASSERT_FALSE(inUse(img, n + kFirstSlot));
    EXPECT_EQ(references(img), (std::array<int, 4>{0, 3, 2, 1}));
    expectRestUntouched(before, img);
}

TEST(ChannelRowOps, PasteOfASpreadsheetsRowsGoesDownFromTheCurrentRowAndRefusesABadOne) {
    RadioImage img = imageWith({20, 23});
    const QString text = QStringLiteral(
        "Location\tName\tFrequency\tDuplex\tOffset\tTone\trToneFreq\tPower\r\n"
        "0\trep a\t146.52\t\t0\tTone\t100\tLow\r\n"
        "1\tbad\t999\t\t0\t\t\t\r\n"
        "2\t\"x\ty\"\t145.5\t-\t0.6\t\t\tHigh\r\n"
        "3\tlast\t147\t\t\t\t\t\r\n");
    const csv::ImportPlan plan = csv::planPaste(text, img, image::BandLimits{}, 197 + kFirstSlot);
    ASSERT_TRUE(plan.ok());
    ASSERT_EQ(plan.refused.size(), 3u);
    EXPECT_EQ(plan.refused[0].line, 3);
    EXPECT_TRUE(plan.refused[0].text.contains(QStringLiteral("receive band")));
    EXPECT_TRUE(plan.refused[1].text.contains(QStringLiteral("Name")));  // a tab inside the name
    EXPECT_EQ(plan.refused[2].line, 5);
    EXPECT_TRUE(plan.refused[2].text.contains(QStringLiteral("past channel 199")));
    ASSERT_EQ(plan.channels.size(), 1u);
    EXPECT_EQ(plan.channels[0].slot, 197 + kFirstSlot);
    EXPECT_EQ(plan.channels[0].name, QStringLiteral("REP A"));

    const QString copied = csv::exportSlots(imageWith({20, 23}), std::vector<int>{21, 22, 23, 24});
    const csv::ImportPlan again = csv::planPaste(copied, img, image::BandLimits{}, 100 + kFirstSlot);
    EXPECT_TRUE(again.refused.empty());
    ASSERT_EQ(again.channels.size(), 2u);
    EXPECT_EQ(again.channels[1].slot, 101 + kFirstSlot) << "rows go one per channel, Location not read";
}

// Random steps of every kind; undo back to the start and redo to the end match the image
// after each step byte for byte, and a step past the depth drops only the oldest.
TEST(UndoHistory, UndoAndRedoReturnTheExactImageAfterEveryStepOfARandomSequence) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 rng(seed);
        auto pick = [&](int n) { return int(rng() % unsigned(n)); };
        app::ConfigSnapshot state{imageWith({0, 1, 5, 9, 40, 120, 198}), image::BandLimits{}};
        app::UndoHistory history;
        history.reset(state);
        std::vector<app::ConfigSnapshot> seen{state};
        for (int step = 0; step < 60; ++step) {
            RadioImage& img = state.image;
            const int slot = kFirstSlot + pick(kOrdinarySlots);
            const std::vector<int> some{slot, kFirstSlot + pick(kOrdinarySlots)};
            switch (pick(7)) {
            case 0: insertRows(img, slot, 1 + pick(2)); break;
            case 1: deleteRows(img, some); break;
            case 2: moveRows(img, std::vector<int>{slot}, pick(2) ? 1 : -1); break;
            case 3: sortByRx(img, some); break;
            case 4: clearRows(img, some); break;
            case 5: img.setU8(image::Addr(pick(int(RadioImage::kSize))), std::uint8_t(rng())); break;
            default: state.limits.rxHigh = image::Freq10Hz(17400000 + pick(1000)); break;
            }
            if (history.record(state)) seen.push_back(state);
            else ASSERT_EQ(state, seen.back());
        }
        app::ConfigSnapshot now = seen.back();
        for (std::size_t i = seen.size() - 1; i > 0; --i) {
            const auto back = history.undo(now);
            ASSERT_TRUE(back);
            ASSERT_EQ(*back, seen[i - 1]) << "undo to step " << i - 1;
            now = *back;
        }
        EXPECT_FALSE(history.undo(now));
        for (std::size_t i = 1; i < seen.size(); ++i) {
            const auto forward = history.redo(now);
            ASSERT_TRUE(forward);
            ASSERT_EQ(*forward, seen[i]);
            now = *forward;
        }
        EXPECT_FALSE(history.redo(now));
        // An edit after undo leaves nothing to redo; an unrecorded edit is what undo takes back.
        now = *history.undo(now);
        now.image.setU8(0x0300, std::uint8_t(now.image.u8(0x0300) + 1));
        const auto undone = history.undo(now);
        EXPECT_EQ(*undone, seen[seen.size() - 2]);
        EXPECT_EQ(history.redo(*undone), now);
        EXPECT_FALSE(history.canRedo()) << "the step undone first is no longer there to redo";
    }
    app::UndoHistory shallow(100);
    app::ConfigSnapshot s;
    shallow.reset(s);
    for (int i = 1; i <= 130; ++i) {
        s.image.setU8(0x0300, std::uint8_t(i));
        shallow.record(s);
    }
    EXPECT_EQ(shallow.undoSteps(), 100u);
    std::optional<app::ConfigSnapshot> back;
    while (shallow.canUndo()) back = shallow.undo(s), s = *back;
    EXPECT_EQ(s.image.u8(0x0300), 30);
}

} // namespace
} // namespace channels::rows
