// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/consistency_pass.h"

#include "image/memory_map.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace image;

namespace {

RadioImage allChannelsEmpty() {
    RadioImage img;
    img.fill(map::kChannelUsageMap, map::kSlotMapBytes, 0xFF);
    img.setU16le(map::kScrambleFrequency, kScrambleWordDefault);
    return img;
}

void useSlot(RadioImage& img, int slot) { img.setMapBit(map::kChannelUsageMap, slot - 1, false); }

Addr recordOf(int slot) { return Addr(map::kChannelRecords + 32 * (slot - 1)); }

RadioImage randomImage(std::uint32_t seed) {
    std::mt19937 random(seed);
    RadioImage img;
    for (std::uint8_t& b : img.all()) b = std::uint8_t(random() & 0xFF);
    return img;
}

// Every address the pass may write: it owns nothing else.
std::set<int> addressesThePassMayChange() {
    std::set<int> allowed{map::kChannelDisplayLock, map::kScrambleFrequency, map::kScrambleFrequency + 1,
                          map::kMrChannel};
    for (int i = 0; i < 16; ++i) allowed.insert(map::kBandRxLow + i);
    for (int i = 0; i < 4; ++i) allowed.insert(map::kTwoToneFreeMap + i);
    for (int i = 0; i < 13; ++i) allowed.insert(map::kFiveToneFreeMap + i);
    for (int e = 0; e < 32; ++e)
        for (int i = 0; i < 7; ++i) allowed.insert(map::kTwoToneList + 16 * e + map::kTwoToneNameOffset + i);
    for (int e = 0; e < 100; ++e)
        for (int i = 0; i < 7; ++i) allowed.insert(map::kFiveToneList + 32 * e + map::kFiveToneNameOffset + i);
    for (int slot = 1; slot <= 200; ++slot) {
        allowed.insert(recordOf(slot) + 0x11);
        allowed.insert(recordOf(slot) + 0x12);
    }
    for (Addr special : {map::kRecordPA, map::kRecordPB}) {
        allowed.insert(special + 0x11);
        allowed.insert(special + 0x12);
    }
    return allowed;
}

} // namespace

TEST(ConsistencyPass, DisplayLockIsClearedForDisplayModesZeroAndTwo) {
    for (std::uint8_t mode : {0, 1, 2, 3}) {
        RadioImage img = allChannelsEmpty();
        img.setU8(map::kDisplayMode, mode);
        img.setU8(map::kChannelDisplayLock, 1);
        runConsistencyPass(img, BandLimits());
        EXPECT_EQ(img.u8(map::kChannelDisplayLock), (mode == 0 || mode == 2) ? 0 : 1) << int(mode);
    }
}

TEST(ConsistencyPass, ScrambleWordOutsideItsRangeFallsBackTo3300Hz) {
    const std::pair<std::uint16_t, std::uint16_t> cases[] = {
        {7099, 9011}, {7100, 7100}, {10923, 10923}, {10924, 9011}, {0, 9011}, {0xFFFF, 9011}};
    for (const auto& [stored, expected] : cases) {
        RadioImage img = allChannelsEmpty();
        img.setU16le(map::kScrambleFrequency, stored);
        runConsistencyPass(img, BandLimits());
        EXPECT_EQ(img.u16le(map::kScrambleFrequency), expected) << stored;
    }
}

TEST(ConsistencyPass, OccupancyBitmapsFollowTheListsAndBlankNamesAreCleared) {
    RadioImage img = allChannelsEmpty();
    img.fill(map::kTwoToneFreeMap, 4, 0x00);
    img.setU8(Addr(map::kTwoToneList + 16 * 3 + 4), 0x12);   // entry 3 in use
    img.setU8(Addr(map::kTwoToneList + 16 * 5 + 4), 0xFF);   // 0xFF marks a free entry
    img.fill(Addr(map::kTwoToneList + 16 * 6 + 8), 7, 0x20); // all-space name
    img.setU8(Addr(map::kFiveToneList + 32 * 99 + 2), 0x01); // last 5Tone entry in use
    img.fill(Addr(map::kFiveToneList + 32 * 1 + 0x18), 7, 0x20);
    runConsistencyPass(img, BandLimits());

    EXPECT_EQ(img.u32le(map::kTwoToneFreeMap), 0xFFFFFFF7u);
    EXPECT_TRUE(img.allBytesAre(Addr(map::kTwoToneList + 16 * 6 + 8), 7, 0x00));
    for (int i = 0; i < 99; ++i) EXPECT_TRUE(img.mapBit(map::kFiveToneFreeMap, i)) << i;
    EXPECT_FALSE(img.mapBit(map::kFiveToneFreeMap, 99));
    EXPECT_TRUE(img.allBytesAre(Addr(map::kFiveToneList + 32 + 0x18), 7, 0x00));
}

TEST(ConsistencyPass, ChannelsNamingFreeEntriesPointAtTheFirstEntryInUse) {
    RadioImage img = allChannelsEmpty();
    useSlot(img, 1);
    useSlot(img, 201);
    useSlot(img, 202);
    img.setU8(Addr(map::kTwoToneList + 16 * 4 + 4), 0x33);  // first 2Tone entry in use: 4
    img.setU8(Addr(recordOf(1) + 0x11), 9);                  // names a free 2Tone entry
    img.setU8(Addr(recordOf(1) + 0x12), 20);                 // names a free 5Tone entry, none in use
    img.setU8(Addr(map::kRecordPA + 0x11), 4);               // names an entry in use: kept
    img.setU8(Addr(map::kRecordPB + 0x11), 200);             // not below 32: kept
    img.setU8(Addr(recordOf(2) + 0x11), 9);                  // slot 2 empty: not visited
    runConsistencyPass(img, BandLimits());

    EXPECT_EQ(img.u8(Addr(recordOf(1) + 0x11)), 4);
    EXPECT_EQ(img.u8(Addr(recordOf(1) + 0x12)), 0xFF);
    EXPECT_EQ(img.u8(Addr(map::kRecordPA + 0x11)), 4);
    EXPECT_EQ(img.u8(Addr(map::kRecordPB + 0x11)), 200);
    EXPECT_EQ(img.u8(Addr(recordOf(2) + 0x11)), 9);
}

TEST(ConsistencyPass, MrChannelMustNameASlotInUse) {
    RadioImage img = allChannelsEmpty();
    img.setU8(map::kMrChannel, 17);
    runConsistencyPass(img, BandLimits());
    EXPECT_EQ(img.u8(map::kMrChannel), 0);  // every slot empty

    useSlot(img, 6);
    useSlot(img, 202);
    img.setU8(map::kMrChannel, 201);  // "PB", in use: kept
    runConsistencyPass(img, BandLimits());
    EXPECT_EQ(img.u8(map::kMrChannel), 201);

    img.setU8(map::kMrChannel, 202);  // past the listed slots
    runConsistencyPass(img, BandLimits());
    EXPECT_EQ(img.u8(map::kMrChannel), 5);

    img.setU8(map::kMrChannel, 9);  // an empty slot
    runConsistencyPass(img, BandLimits());
    EXPECT_EQ(img.u8(map::kMrChannel), 5);
}

TEST(ConsistencyPass, BandLimitsAreCarriedIntoTheImage) {
    RadioImage img = allChannelsEmpty();
    runConsistencyPass(img, bandLimitsFromMHz(400, 490, 400, 470));
    EXPECT_EQ(decodeBandLimits(img), bandLimitsFromMHz(400, 490, 400, 470));
}

TEST(ConsistencyPass, OnRandomImagesItTouchesOnlyItsOwnFieldsAndSettlesInOneRun) {
    const std::set<int> allowed = addressesThePassMayChange();
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        const RadioImage before = randomImage(seed);
        RadioImage once = before;
        runConsistencyPass(once, BandLimits());
        for (int a = 0; a < 0x4000; ++a) {
            if (before.u8(Addr(a)) != once.u8(Addr(a))) {
                ASSERT_TRUE(allowed.count(a)) << "seed " << seed << " changed 0x" << std::hex << a;
            }
        }
        RadioImage twice = once;
        runConsistencyPass(twice, BandLimits());
        ASSERT_EQ(once, twice) << "seed " << seed;
    }
}
