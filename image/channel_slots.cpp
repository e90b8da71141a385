// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/channel_slots.h"

#include "image/memory_map.h"

#include <QtGlobal>

namespace image {

namespace {

void checkSlot(int slot) {
    if (slot < kFirstSlot || slot > kLastSlot) qFatal("channel slot %d outside 1-203", slot);
}

} // namespace

Addr recordAddress(int slot) {
    checkSlot(slot);
    if (slot == kSlotPA) return map::kRecordPA;
    if (slot == kSlotPB) return map::kRecordPB;
    if (slot == kSlotVFO) return map::kRecordVFO;
    return Addr(map::kChannelRecords + map::kChannelRecordSize * (slot - 1));
}

bool usageBit(const RadioImage& img, int slot) {
    checkSlot(slot);
    return img.mapBit(map::kChannelUsageMap, slot - 1);
}

void setUsageBit(RadioImage& img, int slot, bool empty) {
    checkSlot(slot);
    img.setMapBit(map::kChannelUsageMap, slot - 1, empty);
}

bool scanSkip(const RadioImage& img, int slot) {
    checkSlot(slot);
    return img.mapBit(map::kScanSkipMap, slot - 1);
}

void setScanSkip(RadioImage& img, int slot, bool skip) {
    checkSlot(slot);
    img.setMapBit(map::kScanSkipMap, slot - 1, skip);
}

void channelValidityPass(RadioImage& img, const BandLimits& limits) {
    img.fill(map::kChannelUsageMap, map::kSlotMapBytes, 0xFF);
    for (int slot = kFirstSlot; slot <= kSlotPB; ++slot) {
        // 0xFF bytes decode as 165 each, so an empty field lands far above any band.
        if (limits.rxInBand(img.bcdFreq(recordAddress(slot)))) setUsageBit(img, slot, false);
        else setScanSkip(img, slot, true);
    }
}

} // namespace image
