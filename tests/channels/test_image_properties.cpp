// SPDX-License-Identifier: GPL-3.0-or-later
// Properties over seeded random images: the consistency pass is idempotent, the channel
// validity pass writes only the two slot bitmaps, and a channel clear writes only its
// record and its two bits.

#include "channels/channel_record.h"
#include "image/consistency_pass.h"
#include "image/memory_map.h"
#include "image_diff.h"

#include <gtest/gtest.h>

#include <random>

namespace channels {
namespace {

namespace map = image::map;
using image::BandLimits;
using image::Freq10Hz;
using image::RadioImage;
using testing_support::imageDiff;
using testing_support::joinLines;

constexpr unsigned kImages = 300;

// Random bytes biased towards the values the passes test for (0x00, 0xFF, spaces), with
// some list names all spaces and some channels given a frequency in or near the band.
class RandomImages {
public:
    explicit RandomImages(unsigned seed) : m_random(seed) {}

    RadioImage next() {
        RadioImage img;
        for (std::uint8_t& byte : img.all()) byte = biasedByte();
        spaceSomeNames(img, map::kTwoToneList, map::kTwoToneEntries, map::kTwoToneEntrySize, map::kTwoToneNameOffset);
        spaceSomeNames(img, map::kFiveToneList, map::kFiveToneEntries, map::kFiveToneEntrySize,
                       map::kFiveToneNameOffset);
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
            if (chance(2)) ChannelRecord(img, slot).setRx(Freq10Hz(pick(13000000, 18000000)));
        img.setU8(map::kDisplayMode, std::uint8_t(pick(0, 3)));
        img.setU8(map::kMrChannel, std::uint8_t(pick(0, 255)));
        return img;
    }

    BandLimits limits() {
        const image::BandRow& row = image::kBandTable[std::size_t(pick(0, int(image::kBandTable.size()) - 1))];
        return image::bandLimitsFromMHz(row.rxLowMHz, row.rxHighMHz, row.txLowMHz, row.txHighMHz);
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

private:
    bool chance(int oneIn) { return pick(1, oneIn) == 1; }

    std::uint8_t biasedByte() {
        switch (pick(0, 7)) {
        case 0: return 0x00;
        case 1: return 0xFF;
        case 2: return 0x20;
        default: return std::uint8_t(pick(0, 255));
        }
    }

    void spaceSomeNames(RadioImage& img, image::Addr list, int entries, int size, int nameOffset) {
        for (int i = 0; i < entries; ++i)
            if (chance(4)) img.fill(image::Addr(list + size * i + nameOffset), 7, 0x20);
    }

    std::mt19937 m_random;
};

TEST(ImageProperties, ConsistencyPassIsIdempotent) {
    RandomImages images(20240611);
    for (unsigned n = 0; n < kImages; ++n) {
        RadioImage img = images.next();
        const BandLimits limits = images.limits();
        image::runConsistencyPass(img, limits);
        const RadioImage once = img;
        image::runConsistencyPass(img, limits);
        ASSERT_EQ(joinLines(imageDiff(once, img)), "") << "image " << n;
    }
}

TEST(ImageProperties, ValidityPassWritesOnlyTheSlotBitmaps) {
    RandomImages images(7);
    const unsigned bitmaps = map::kChannelUsageMap;
    const unsigned bitmapsEnd = map::kScanSkipMap + map::kSlotMapBytes;
    for (unsigned n = 0; n < kImages; ++n) {
        RadioImage img = images.next();
        const RadioImage before = img;
        channelValidityPass(img, images.limits());
        ASSERT_EQ(joinLines(imageDiff(before, img, [&](unsigned at, int) { return at >= bitmaps && at < bitmapsEnd; })),
                  "")
            << "image " << n;
        // The scan-skip bitmap only gains bits, and "VFO" and the unused tail stay marked empty.
        for (int index = 0; index < 8 * map::kSlotMapBytes; ++index) {
            if (before.mapBit(map::kScanSkipMap, index)) {
                ASSERT_TRUE(img.mapBit(map::kScanSkipMap, index)) << index;
            }
            if (index >= kSlotPB) {
                ASSERT_TRUE(img.mapBit(map::kChannelUsageMap, index)) << index;
            }
        }
    }
}

TEST(ImageProperties, ChannelClearWritesOnlyItsRecordAndItsTwoBits) {
    RandomImages images(99);
    for (unsigned n = 0; n < kImages; ++n) {
        RadioImage img = images.next();
        const RadioImage before = img;
        const int slot = images.pick(kFirstSlot, kLastSlot);
        channelClear(img, slot);
        const unsigned record = recordAddress(slot);
        const unsigned usageByte = map::kChannelUsageMap + unsigned(slot - 1) / 8;
        const unsigned skipByte = map::kScanSkipMap + unsigned(slot - 1) / 8;
        const int bitOfSlot = (slot - 1) % 8;
        const auto allowed = [&](unsigned at, int bit) {
            return (at >= record && at < record + record::kSize) ||
                   ((at == usageByte || at == skipByte) && bit == bitOfSlot);
        };
        ASSERT_EQ(joinLines(imageDiff(before, img, allowed)), "") << "image " << n << " slot " << slot;
    }
}

} // namespace
} // namespace channels
