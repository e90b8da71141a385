// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the 5Tone settings, the PTT ID codes, the information codes and the encode list lie
// in the radio image. Addresses are radio addresses.
//
//   0x0321 decoding response (index)      0x0322 decode standard (index 0-13)
//   0x0323 self ID length, always 5       0x0324 decode tone length, ms / 10
//   0x0325-0x0329 self ID, one digit value per byte, first digit first
//   0x032B pretime, ms / 10               0x032C time-lapse after encode, ms / 10
//   0x032D PTT ID pause, s (0 = off)      0x032E auto reset time, s x 10
//   0x032F first delay, ms / 10           0x0330 side tone, 1 on / 0 off
//   0x0331 interval character, 0x0A-0x0F or 0xFF for none (written by the special call dialogs)
//   0x0332 stop code, 0x0B/0x0C/0x0D/0x0F or 0xFF off
//   0x0333 stop time, ms / 10             0x0334 decode time, ms / 10
//   0x0360 BOT code record, 0x0370 EOT code record (16 bytes each, 24 digits from +4)
//   0x0390-0x039C encode list occupancy bits (set = entry free)
//   0x0500 + 32 (n - 1), n = 1..8: information code records
//   0x0D00 + 32 k, k = 0..99: encode list entries (code record with 40 digits and a name)
// Bytes 0x0320, 0x032A, 0x0335-0x033F and the first byte of every code record are not ours.
//
// Code record (BOT, EOT, encode list entry):
//   +0 not ours  +1 standard index  +2 length in digits (0 = empty)  +3 tone length, ms / 10
//   +4 digits, two per byte, first digit in the high nibble
//   encode list entries only: +0x18-0x1E name (7 characters, space-padded; all 0 when empty)
// Information code record:
//   +0x00 function option  +0x01 decoding response  +0x02 ID length (0-12)
//   +0x03-0x0E ID, one digit value per byte, zero-filled  +0x10-0x16 function name, zero-filled
//   +0x0F and +0x17-0x1F not ours

#include "image/memory_map.h"

namespace signalling::five_tone {

using image::Addr;

constexpr Addr kDecodingResponse = 0x0321;
constexpr Addr kDecodeStandard = 0x0322;
constexpr Addr kSelfIdLength = 0x0323;
constexpr Addr kDecodeToneLength = 0x0324;
constexpr Addr kSelfId = 0x0325;
constexpr int kSelfIdDigits = 5;
constexpr Addr kPretime = 0x032B;
constexpr Addr kTimeLapseAfterEncode = 0x032C;
constexpr Addr kPttIdPause = 0x032D;
constexpr Addr kAutoResetTime = 0x032E;
constexpr Addr kFirstDelay = 0x032F;
constexpr Addr kSideTone = 0x0330;
constexpr Addr kIntervalCharacter = 0x0331;
constexpr Addr kStopCode = 0x0332;
constexpr Addr kStopTime = 0x0333;
constexpr Addr kDecodeTime = 0x0334;

// Code records.
constexpr Addr kBotRecord = 0x0360;
constexpr Addr kEotRecord = 0x0370;
constexpr int kCodeStandard = 0x01;
constexpr int kCodeLength = 0x02;
constexpr int kCodeToneLength = 0x03;
constexpr int kCodeDigits = 0x04;
constexpr int kPttIdCodeDigits = 24;  // BOT and EOT
constexpr int kEntryCodeDigits = 40;  // encode list entries

// Encode list.
constexpr Addr kEncodeList = image::map::kFiveToneList;
constexpr int kEncodeEntries = image::map::kFiveToneEntries;
constexpr int kEncodeEntrySize = image::map::kFiveToneEntrySize;
constexpr int kEntryName = image::map::kFiveToneNameOffset;
constexpr int kEntryNameLength = 7;
constexpr Addr kEncodeFreeMap = image::map::kFiveToneFreeMap;
static_assert(image::map::kFiveToneInUseOffset == kCodeLength);

constexpr Addr encodeEntryAddress(int entry) { return Addr(kEncodeList + kEncodeEntrySize * entry); }

// Information codes, numbered 1-8.
constexpr Addr kInformationRecords = 0x0500;
constexpr int kInformationRecordSize = 32;
constexpr int kInformationCount = 8;
constexpr int kInfoFunctionOption = 0x00;
constexpr int kInfoDecodingResponse = 0x01;
constexpr int kInfoIdLength = 0x02;
constexpr int kInfoId = 0x03;
constexpr int kInfoIdDigits = 12;
constexpr int kInfoFunctionName = 0x10;
constexpr int kInfoFunctionNameLength = 7;

constexpr Addr informationAddress(int number) {
    return Addr(kInformationRecords + kInformationRecordSize * (number - 1));
}

} // namespace signalling::five_tone
