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

namespace {

// An erased (0xFFFFFFFF) or zeroed RX field marks an empty record.
bool emptyRecord(const RadioImage& img, int slot) {
    const std::uint32_t rxWord = img.u32le(recordAddress(slot));
    return rxWord == 0xFFFFFFFFu || rxWord == 0;
}

} // namespace

void channelValidityPass(RadioImage& img, const BandLimits& limits) {
    img.fill(map::kChannelUsageMap, map::kSlotMapBytes, 0xFF);
    for (int slot = kFirstSlot; slot <= kSlotPB; ++slot) {
        // 0xFF bytes decode as 165 each and zeros as 0, which limits a file holds (a band from
        // 0 MHz, or up to the largest field) can still cover: an empty record is never in use,
        // or a setting could name a channel that the list shows empty.
        if (!emptyRecord(img, slot) && limits.rxInBand(img.bcdFreq(recordAddress(slot)))) setUsageBit(img, slot, false);
        else setScanSkip(img, slot, true);
    }
}

} // namespace image
