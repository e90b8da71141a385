// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the DTMF settings lie in the radio image, and the option lists of their drop-downs.
// Shared by the DTMF editor, the Emergency Information editor (which offers the encode
// entries in use), the configuration report, the command-line tool and the tests.
//
//   0x0230  b2 DTMF ANI (1 = On); b0-1 and b3-7 belong to the general functions
//   0x0232  transmitting time, index into kTransmittingTimeList
//   0x02E0  interval character, symbol value 0xA-0xF
//   0x02E1  group code, symbol value 0xA-0xF, 0xFF = "Off"
//   0x02E2  decoding response, index into kDecodingResponseList
//   0x02E3  pretime, ms / 10 (1-250)       0x02E4 first digit time, ms / 10 (0-250)
//   0x02E5  auto reset time, tenths of a second (0-250)
//   0x02E7-0x02E9  self ID, one digit value 0-9 per byte, first digit first
//   0x02ED  side tone 0/1   0x02EE time-lapse after encode, ms / 10 (1-250)
//   0x02EF  PTT ID pause time, seconds 5-75, 0 = "Off"
//   0x02F0-0x02F7  remote kill: 7 code bytes, length     0x02F8-0x02FF remote stun, the same
//   0x0340-0x034C  PTT ID at start (BOT): 12 code bytes, length
//   0x0350-0x035C  PTT ID at end (EOT): 12 code bytes, length
//   0x0400-0x04FF  encode list M1-M16: 16 slots of 16 bytes, +00-0B code, +0C length
// Not ours, never written: 0x0231, 0x0233, 0x02E6, 0x02EA-0x02EC, 0x034D-0x034F,
// 0x035D-0x035F and bytes +0D-0F of every encode slot.

#include "image/radio_image.h"

#include <array>
#include <string_view>

namespace signalling::dtmf {

using image::Addr;

// A DTMF code field: `symbols` symbols packed two per byte (first in the high nibble),
// followed by one byte counting the symbols entered (0 = empty code).
struct CodeField {
    Addr at;
    int symbols;

    constexpr int codeBytes() const { return symbols / 2; }
    constexpr Addr lengthAt() const { return Addr(at + codeBytes()); }
};

constexpr image::Bits kAni{0x0230, 2, 1};
constexpr Addr kTransmittingTime = 0x0232;
constexpr Addr kIntervalCharacter = 0x02E0;
constexpr Addr kGroupCode = 0x02E1;
constexpr Addr kDecodingResponse = 0x02E2;
constexpr Addr kPretime = 0x02E3;
constexpr Addr kFirstDigitTime = 0x02E4;
constexpr Addr kAutoResetTime = 0x02E5;
constexpr Addr kSelfId = 0x02E7;
constexpr int kSelfIdDigits = 3;
constexpr Addr kSideTone = 0x02ED;
constexpr Addr kTimeLapseAfterEncode = 0x02EE;
constexpr Addr kPttIdPauseTime = 0x02EF;

constexpr int kShortCodeSymbols = 14;
constexpr int kLongCodeSymbols = 24;
constexpr CodeField kRemoteKill{0x02F0, kShortCodeSymbols};
constexpr CodeField kRemoteStun{0x02F8, kShortCodeSymbols};
constexpr CodeField kPttIdStart{0x0340, kLongCodeSymbols};
constexpr CodeField kPttIdEnd{0x0350, kLongCodeSymbols};

constexpr Addr kEncodeList = 0x0400;
constexpr int kEncodeEntries = 16;
constexpr int kEncodeEntrySize = 16;

// Encode entry 0-15, shown as "M1"-"M16".
constexpr CodeField encodeEntry(int index) { return {Addr(kEncodeList + kEncodeEntrySize * index), kLongCodeSymbols}; }

// Index lists: the image stores the position.
inline constexpr std::array<std::string_view, 2> kAniList{"Off", "On"};
inline constexpr std::array<std::string_view, 6> kTransmittingTimeList{"30", "50", "100", "200", "300", "500"};
inline constexpr std::array<std::string_view, 3> kDecodingResponseList{"None", "Beep Tone", "Beep Tone & Response"};
// Symbol lists: the image stores the symbol value of the first character ("Off" = 0xFF).
inline constexpr std::array<std::string_view, 6> kIntervalCharacterList{"A", "B", "C", "D", "*", "#"};
inline constexpr std::array<std::string_view, 7> kGroupCodeList{"Off", "A", "B", "C", "D", "*", "#"};
// The call types of the special call dialog.
inline constexpr std::array<std::string_view, 2> kSpecialCallTypeList{"ANI", "PTTID"};

} // namespace signalling::dtmf
