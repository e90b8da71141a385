// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where each region of the radio image lies. Addresses are radio addresses (inclusive
// ranges in the comments). Regions whose editors come later name only the addresses the
// whole-image operations (transfer, consistency pass) need; each editor adds its own
// field table beside its code.

#include "image/radio_image.h"

namespace image::map {

// 0x0000-0x000F  never transferred; carried only by files
// 0x0010-0x00FF  radio-resident data: read from the radio, never written to it
constexpr Addr kReadStart = 0x0010;
constexpr Addr kWriteStart = 0x0100;
constexpr Addr kImageEnd = 0x3FFF;
constexpr int kBlockSize = 16;
constexpr int kReadBlocks = (kImageEnd + 1 - kReadStart) / kBlockSize;    // 1023
constexpr int kWriteBlocks = (kImageEnd + 1 - kWriteStart) / kBlockSize;  // 1008

// 0x0100-0x011F channel-usage bitmap (bit set = slot empty), 0x0120-0x013F scan-skip bitmap
constexpr Addr kChannelUsageMap = 0x0100;
constexpr Addr kScanSkipMap = 0x0120;
constexpr int kSlotMapBytes = 32;

// 0x014C-0x014F program password, up to 4 characters, 0x00-filled
constexpr Addr kProgramPassword = 0x014C;
constexpr int kProgramPasswordLength = 4;

// 0x01F0-0x01FE programmable key functions
constexpr Addr kKeyFunctions = 0x01F0;

// 0x0200-0x020F band limits: receive low, receive high, transmit low, transmit high (BCD)
constexpr Addr kBandRxLow = 0x0200;
constexpr Addr kBandRxHigh = 0x0204;
constexpr Addr kBandTxLow = 0x0208;
constexpr Addr kBandTxHigh = 0x020C;

// General function settings the consistency pass keeps within their ranges
constexpr Addr kScrambleFrequency = 0x021E;  // 16-bit LE, Hz / 0.3662
constexpr Addr kDisplayMode = 0x0220;
constexpr Addr kMrChannel = 0x0222;
constexpr Addr kChannelDisplayLock = 0x0226;
constexpr Addr kRadioState = 0x0227;         // a revived write clears it
constexpr Addr kTxPowerClass = 0x0235;       // 0 "60W(VHF) 45W(UHF)", 1 "25W(VHF) 25W(UHF)"

// Special channel records
constexpr Addr kRecordPB = 0x0260;  // slot 202
constexpr Addr kRecordPA = 0x0280;  // slot 201
constexpr Addr kRecordVFO = 0x02C0; // slot 203

// Occupancy bitmaps of the signalling lists (bit set = entry free), rebuilt by the pass
constexpr Addr kTwoToneFreeMap = 0x0380;   // 32 entries
constexpr Addr kFiveToneFreeMap = 0x0390;  // 100 entries

// Channel numbers (0-199) kept by the emergency and scan settings; like the MR channel they
// follow a channel that the channel list's row commands move
constexpr Addr kEmergencyChannel = 0x03A8;
constexpr Addr kPriorityChannel1 = 0x03BB;
constexpr Addr kPriorityChannel2 = 0x03BD;

// The system the emergency sends its ID with (0 none, 1 DTMF, 2 5Tone): whether a radio uses
// DTMF or 5Tone at all is asked beyond the Emergency Information editor
constexpr Addr kEniType = 0x03A1;

// 0x0B00-0x0CFF 2Tone encode list: 32 entries of 16 bytes
constexpr Addr kTwoToneList = 0x0B00;
constexpr int kTwoToneEntries = 32;
constexpr int kTwoToneEntrySize = 16;
constexpr int kTwoToneInUseOffset = 0x04;  // neither 0x00 nor 0xFF = in use
constexpr int kTwoToneNameOffset = 0x08;   // 7 characters

// 0x0D00-0x197F 5Tone encode list: 100 entries of 32 bytes
constexpr Addr kFiveToneList = 0x0D00;
constexpr int kFiveToneEntries = 100;
constexpr int kFiveToneEntrySize = 32;
constexpr int kFiveToneInUseOffset = 0x02;  // not 0x00 = in use
constexpr int kFiveToneNameOffset = 0x18;   // 7 characters

// 0x2000-0x38FF channel records of slots 1-200, 32 bytes each
constexpr Addr kChannelRecords = 0x2000;
constexpr int kChannelRecordSize = 32;
// The record bytes that name a signalling list entry, which the consistency pass repoints
constexpr int kChannelSignallingCodeOffset = 0x11;  // DTMF or 2Tone entry
constexpr int kChannelFiveToneCodeOffset = 0x12;    // 5Tone entry

} // namespace image::map
