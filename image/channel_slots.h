// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel slots of the radio image: 203 records of 32 bytes (channels 1-200, "PA", "PB",
// "VFO") and the two slot bitmaps beside them. The whole-image passes need where each record
// lies and which slots are in use; what a record holds is the channel records' business
// (channels/channel_record.h).

#include "image/band_limits.h"
#include "image/radio_image.h"

namespace image {

// Channel slots: 1-200 are the channels labelled "0"-"199", then "PA", "PB" and "VFO".
inline constexpr int kFirstSlot = 1;
inline constexpr int kOrdinarySlots = 200;
inline constexpr int kSlotPA = 201;
inline constexpr int kSlotPB = 202;
inline constexpr int kSlotVFO = 203;
inline constexpr int kLastSlot = kSlotVFO;

// Slots 1-200 at 0x2000 + 32 (n - 1); 201 "PA" 0x0280; 202 "PB" 0x0260; 203 "VFO" 0x02C0.
// Any other slot is a programming error.
Addr recordAddress(int slot);

// Slot bitmaps: bit (n - 1) % 8 of byte (n - 1) / 8.
// Usage bit set = the slot is empty or unusable.
bool usageBit(const RadioImage& img, int slot);
void setUsageBit(RadioImage& img, int slot, bool empty);
bool scanSkip(const RadioImage& img, int slot);
void setScanSkip(RadioImage& img, int slot, bool skip);

// Marks every slot 1-202 whose RX lies outside the receive band as empty and skipped, and
// every other one as in use. The "VFO" slot is not visited and stays marked empty.
void channelValidityPass(RadioImage& img, const BandLimits& limits);

} // namespace image
