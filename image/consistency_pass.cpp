// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/consistency_pass.h"

#include "image/channel_slots.h"
#include "image/memory_map.h"

namespace image {

namespace {

constexpr std::uint8_t kNoEntry = 0xFF;
constexpr int kNameLength = 7;
constexpr int kListedSlots = kSlotPB;  // channels 1-200, "PA", "PB": the pass never visits "VFO"

// Display modes 0 and 2 cannot lock the channel display.
void clearDisplayLockForModes(RadioImage& img) {
    const std::uint8_t mode = img.u8(map::kDisplayMode);
    if (mode == 0 || mode == 2) img.setU8(map::kChannelDisplayLock, 0);
}

void keepScrambleInRange(RadioImage& img) {
    const std::uint16_t word = img.u16le(map::kScrambleFrequency);
    if (word < kScrambleWordMin || word > kScrambleWordMax) img.setU16le(map::kScrambleFrequency, kScrambleWordDefault);
}

void blankAllSpaceName(RadioImage& img, Addr name) {
    if (img.allBytesAre(name, kNameLength, 0x20)) img.fill(name, kNameLength, 0x00);
}

// Rebuilds the 2Tone occupancy bitmap; returns the first entry in use (0xFF if none).
std::uint8_t rebuildTwoToneMap(RadioImage& img) {
    std::uint8_t first = kNoEntry;
    for (int i = 0; i < map::kTwoToneEntries; ++i) {
        const Addr entry = Addr(map::kTwoToneList + map::kTwoToneEntrySize * i);
        const std::uint8_t marker = img.u8(Addr(entry + map::kTwoToneInUseOffset));
        const bool inUse = marker != 0x00 && marker != 0xFF;
        img.setMapBit(map::kTwoToneFreeMap, i, !inUse);
        if (inUse && first == kNoEntry) first = std::uint8_t(i);
        blankAllSpaceName(img, Addr(entry + map::kTwoToneNameOffset));
    }
    return first;
}

// Rebuilds the 5Tone occupancy bitmap; returns the first entry in use (0xFF if none).
std::uint8_t rebuildFiveToneMap(RadioImage& img) {
    std::uint8_t first = kNoEntry;
    for (int i = 0; i < map::kFiveToneEntries; ++i) {
        const Addr entry = Addr(map::kFiveToneList + map::kFiveToneEntrySize * i);
        const bool inUse = img.u8(Addr(entry + map::kFiveToneInUseOffset)) != 0x00;
        img.setMapBit(map::kFiveToneFreeMap, i, !inUse);
        if (inUse && first == kNoEntry) first = std::uint8_t(i);
        blankAllSpaceName(img, Addr(entry + map::kFiveToneNameOffset));
    }
    return first;
}

bool slotInUse(const RadioImage& img, int slot) { return !usageBit(img, slot); }

// A channel naming a free signalling entry is pointed at the first entry in use instead.
void repointChannelSignalling(RadioImage& img, std::uint8_t firstTwoTone, std::uint8_t firstFiveTone) {
    constexpr int kTwoToneCode = map::kChannelSignallingCodeOffset;
    constexpr int kFiveToneCode = map::kChannelFiveToneCodeOffset;
    for (int slot = 1; slot <= kListedSlots; ++slot) {
        if (!slotInUse(img, slot)) continue;
        const Addr record = recordAddress(slot);
        const std::uint8_t twoTone = img.u8(Addr(record + kTwoToneCode));
        if (twoTone < map::kTwoToneEntries && img.mapBit(map::kTwoToneFreeMap, twoTone))
            img.setU8(Addr(record + kTwoToneCode), firstTwoTone);
        const std::uint8_t fiveTone = img.u8(Addr(record + kFiveToneCode));
        if (fiveTone < map::kFiveToneEntries && img.mapBit(map::kFiveToneFreeMap, fiveTone))
            img.setU8(Addr(record + kFiveToneCode), firstFiveTone);
    }
}

// The MR channel must name a slot in use; otherwise it falls back to the first one (0 if none).
void keepMrChannelInUse(RadioImage& img) {
    std::uint8_t firstInUse = 0;
    for (int index = 0; index < kListedSlots; ++index) {
        if (slotInUse(img, index + 1)) {
            firstInUse = std::uint8_t(index);
            break;
        }
    }
    const std::uint8_t mr = img.u8(map::kMrChannel);
    if (mr > kListedSlots - 1 || !slotInUse(img, mr + 1)) img.setU8(map::kMrChannel, firstInUse);
}

} // namespace

void runConsistencyPass(RadioImage& img, const BandLimits& limits) {
    clearDisplayLockForModes(img);
    keepScrambleInRange(img);
    const std::uint8_t firstTwoTone = rebuildTwoToneMap(img);
    const std::uint8_t firstFiveTone = rebuildFiveToneMap(img);
    repointChannelSignalling(img, firstTwoTone, firstFiveTone);
    keepMrChannelInUse(img);
    encodeBandLimits(limits, img);
}

} // namespace image
