// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the 2Tone settings and the 2Tone encode list lie in the radio image.
//
//   0x0300-01  first tone of the call format, 0.1 Hz, LE
//   0x0302-03  second tone of the call format, 0.1 Hz, LE (0 for the "Long" formats)
//   0x0304-05  divider of the first tone: 4800000 / first tone, LE
//   0x0306-07  divider of the second tone, LE (0 when there is none)
//   0x0308     decode response index          0x0309  1st tone duration, s x 10
//   0x030A     2nd tone duration, s x 10      0x030B  long tone duration, s x 10
//   0x030C     gap time, ms / 100             0x030D  auto reset time, s x 10
//   0x030E     side tone (1 on, 0 off)        0x030F  call format index
//   0x0310-17  A, B, C and D decode tones, 0.1 Hz, BE (high byte first)
//   0x0380-83  encode list occupancy: bit k set = entry k free (image/memory_map.h)
//   0x0B00 + 16 k, k = 0-31: encode list entry k
//     +00 divider of the first tone (6000000 / tone), LE   +02 divider of the second tone, LE
//     +04 first tone, 0.1 Hz, LE (0 = empty entry)         +06 second tone, 0.1 Hz, LE (0 = none)
//     +08-0E name, 7 ASCII characters, space-padded; all zero when empty   +0F not touched
//
// The radio checks only the low byte of the first tone word (+04) to tell an entry in use:
// neither 0x00 nor 0xFF.

#include "image/memory_map.h"

namespace signalling::twotone {

using image::Addr;

constexpr Addr kCallTone1 = 0x0300;
constexpr Addr kCallTone2 = 0x0302;
constexpr Addr kCallDivider1 = 0x0304;
constexpr Addr kCallDivider2 = 0x0306;
constexpr Addr kDecodeResponse = 0x0308;
constexpr Addr kTone1Duration = 0x0309;
constexpr Addr kTone2Duration = 0x030A;
constexpr Addr kLongToneDuration = 0x030B;
constexpr Addr kGapTime = 0x030C;
constexpr Addr kAutoResetTime = 0x030D;
constexpr Addr kSideTone = 0x030E;
constexpr Addr kCallFormat = 0x030F;
constexpr Addr kDecodeToneA = 0x0310;  // then B, C, D, one word each

constexpr int kDecodeToneCount = 4;
constexpr Addr decodeToneAddress(int tone) { return Addr(kDecodeToneA + 2 * tone); }

constexpr Addr kFreeMap = image::map::kTwoToneFreeMap;
constexpr int kEntries = image::map::kTwoToneEntries;

namespace entry {
constexpr int kDivider1 = 0x00;
constexpr int kDivider2 = 0x02;
constexpr int kTone1 = image::map::kTwoToneInUseOffset;
constexpr int kTone2 = 0x06;
constexpr int kName = image::map::kTwoToneNameOffset;
constexpr int kNameLength = 7;
} // namespace entry

constexpr Addr entryAddress(int index) {
    return Addr(image::map::kTwoToneList + image::map::kTwoToneEntrySize * index);
}

} // namespace signalling::twotone
