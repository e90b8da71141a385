// SPDX-License-Identifier: GPL-3.0-or-later
// Row commands of the channel list on images built here: the moved records byte for byte,
// both bitmaps, the channel references; a paste running past the last channel; and
// undo/redo over random sequences of mixed steps, byte-identical at every point.

#include "app/undo_history.h"
#include "channels/channel_csv.h"
#include "channels/channel_record.h"
#include "channels/channel_row_ops.h"
#include "image/memory_map.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

namespace channels::rows {
namespace {

using image::RadioImage;
using Bytes = std::vector<std::uint8_t>;

Bytes recordOf(const RadioImage& img, int slot) {
    const auto b = img.bytes(recordAddress(slot), record::kSize);
    return {b.begin(), b.end()};
}

// Every slot cleared; channel n (slot n + 1) in use for each n given, with RX 140.0-140.9 MHz,
// its name, odd bytes in the fields no editor shows, and scan skip on odd channels.
RadioImage imageWith(const std::vector<int>& numbers) {
    RadioImage img;
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) channelClear(img, slot);
    for (const int n : numbers) {
        const int slot = n + kFirstSlot;
        setUsageBit(img, slot, false);
        ChannelRecord record(img, slot);
        const image::Freq10Hz f(14000000 + (n * 7 % 10) * 10000);  // not in channel order
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

using Refs = std::array<int, 4>;
std::vector<int> numbers(std::initializer_list<int> list) {
    std::vector<int> out;
    for (const int n : list) out.push_back(n + kFirstSlot);
    return out;
}

// Each command on a small list: where each channel went (record, usage and scan-skip bits byte
// for byte), which channels are empty after it, and the references after it. The MR channel
// 200 names "PA" and never moves.
struct RowCase {
    const char* what;
    std::vector<int> used;
    Refs refs;
    std::function<bool(RadioImage&)> command;
    std::vector<std::pair<int, int>> moves;
    std::vector<int> empty;
    Refs refsAfter;
};

TEST(ChannelRowOps, EachCommandMovesWholeChannelsAndTheReferencesFollow) {
    const std::vector<RowCase> cases{
        {"insert two at 3", {0, 3, 4, 5, 196}, {4, 3, 0, 196},
         [](RadioImage& img) { return insertRows(img, 3 + kFirstSlot, 2) == 0; },
         {{0, 0}, {3, 5}, {4, 6}, {5, 7}, {196, 198}}, {3, 4}, {6, 5, 0, 198}},
        {"insert refused: channel 199 in use", {10, 199}, {10, 199, 0, 0},
         [](RadioImage& img) { return insertRows(img, 10 + kFirstSlot, 1) == 199 + kFirstSlot; },
         {{10, 10}, {199, 199}}, {11}, {10, 199, 0, 0}},
        {"delete 2 and 3", {1, 2, 4, 7, 199}, {200, 7, 2, 4},
         [](RadioImage& img) { deleteRows(img, numbers({2, 3})); return true; },
         {{1, 1}, {4, 2}, {7, 5}, {199, 197}}, {198, 199}, {200, 5, 198, 2}},
        {"move 1, 2 and 6 up", {0, 1, 2, 5, 6}, {1, 2, 5, 0},
         [](RadioImage& img) { return moveRows(img, numbers({1, 2, 6}), -1); },
         {{1, 0}, {2, 1}, {0, 2}, {6, 5}, {5, 6}}, {3}, {0, 1, 6, 2}},
        {"move refused at the top", {0, 4}, {0, 4, 0, 0},
         [](RadioImage& img) { return !moveRows(img, numbers({0, 4}), -1) && !moveRows(img, numbers({199}), 1); },
         {{0, 0}, {4, 4}}, {1}, {0, 4, 0, 0}},
        {"sort channels 0-5", {0, 3, 5, 13}, {5, 3, 0, 13},
         [](RadioImage& img) { sortByRx(img, numbers({0, 1, 2, 3, 4, 5})); return true; },
         {{0, 0}, {3, 1}, {5, 2}, {13, 13}}, {3, 4, 5}, {2, 1, 0, 13}},
        {"sort all, equal frequencies keep their order", {0, 3, 5, 13}, {5, 3, 0, 13},
         [](RadioImage& img) { sortByRx(img, numbers({7})); return true; },
         {{0, 0}, {3, 1}, {13, 2}, {5, 3}}, {4, 5, 13}, {3, 1, 0, 2}},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.what);
        RadioImage img = imageWith(c.used);
        setReferences(img, c.refs[0], c.refs[1], c.refs[2], c.refs[3]);
        const RadioImage before = img;
        EXPECT_TRUE(c.command(img));
        for (const auto& [from, to] : c.moves) expectMoved(before, from, img, to);
        for (const int n : c.empty) expectEmpty(img, n);
        EXPECT_EQ(references(img), c.refsAfter);
        expectRestUntouched(before, img);
    }
    RadioImage img = imageWith({});
    EXPECT_EQ(insertRows(img, 5, 1), 0);
    EXPECT_EQ(recordOf(img, 5), recordOf(imageWith({}), 5)) << "an inserted row is a cleared record";
}

TEST(ChannelRowOps, PasteGoesOneRowPerChannelDownAndStopsAtChannel199) {
    const QString copied = csv::exportSlots(imageWith({20, 23}), numbers({20, 21, 22, 23}));
    const csv::ImportPlan plan = csv::planPaste(copied, imageWith({}), image::BandLimits{}, 199 + kFirstSlot);
    ASSERT_EQ(plan.channels.size(), 1u);
    EXPECT_EQ(plan.channels[0].slot, 199 + kFirstSlot) << "Location is not read";
    ASSERT_EQ(plan.refused.size(), 1u);
    EXPECT_TRUE(plan.refused[0].text.contains(QStringLiteral("past channel 199")));
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
