// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed tables and text conversions every channel editor shares: the CTCSS table,
// the option lists whose position is what the image stores, channel labels, DTMF code
// labels and DTMF symbol coding, DCS code texts and the character filter of frequency
// edits. All constant; the editors, the command-line tool and the tests use the same ones.

#include "image/channel_slots.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace channels {

// CTCSS tones; the record stores the position (0-50).
inline constexpr std::array<std::string_view, 51> kCtcssTable{
    "62.5",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",
    "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0",
    "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5",
    "167.9", "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6",
    "199.5", "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3",
    "254.1"};

// Option lists: the stored value is the position in the list.
inline constexpr std::array<std::string_view, 10> kStepList{
    "2.5", "5", "6.25", "8.33", "10", "12.5", "20", "25", "30", "50"};
inline constexpr std::array<std::string_view, 3> kSpacingList{"25", "20", "12.5"};
inline constexpr std::array<std::string_view, 3> kPowerList{"High", "Middle", "Low"};
inline constexpr std::array<std::string_view, 4> kSignallingTypeList{"Off", "DTMF", "2Tone", "5Tone"};
inline constexpr std::array<std::string_view, 3> kToneTypeList{"Off", "CTCSS", "DCS"};
inline constexpr std::array<std::string_view, 3> kBusyLockList{"Off", "Repeater", "Busy"};
inline constexpr std::array<std::string_view, 10> kScramblerList{
    "Off",        "Scramble 1", "Scramble 2", "Scramble 3", "Scramble 4",
    "Scramble 5", "Scramble 6", "Scramble 7", "Scramble 8", "Custom"};
inline constexpr std::array<std::string_view, 5> kSquelchModeList{
    "Carrier", "CTCSS/DCS", "Optional Signaling", "CTCSS/DCS And Option Signal",
    "CTCSS/DCS Or Option Signal"};
inline constexpr std::array<std::string_view, 4> kPttIdList{"Off", "Begin", "End", "Begin And End"};

// Characters a frequency edit accepts: digits, the decimal point and backspace.
inline constexpr std::string_view kFrequencyCharacterFilter = "0123456789.\b";

// Channel slots: 1-200 are the channels labelled "0"-"199", then "PA", "PB" and "VFO"
// (numbered by the image, image/channel_slots.h).
using image::kFirstSlot;
using image::kLastSlot;
using image::kOrdinarySlots;
using image::kSlotPA;
using image::kSlotPB;
using image::kSlotVFO;

// Position of the exact (case-sensitive) text in a list; -1 when it is not there.
int indexOf(std::span<const std::string_view> list, QStringView text);
// The entry at `index`, or the empty text when the index lies outside the list.
QString entryText(std::span<const std::string_view> list, int index);

// Channel labels: slots 1-200 are "0"-"199", then "PA", "PB", "VFO"; other slots give "".
QString channelLabel(int slot);
// A label starting with a decimal integer gives that integer + 1 ("0" is slot 1, "-5" gives
// -4, "300" gives 301: callers clamp); "PA", "PB", "VFO" give 201-203; anything else 0.
int slotFromChannelLabel(QStringView label);

// DTMF codes of the encode list are shown as "M1"-"M16" for stored indexes 0-15.
QString dtmfCodeLabel(int index);
// "M%d" - 1 for a text containing "M" (-1 when no number follows the "M"); otherwise the
// text read as a decimal number, 0 when it holds none. Also reads the plain numbers of
// the 2Tone and 5Tone code lists. Numbers beyond the int range saturate, never wrap.
int dtmfCodeIndex(QStringView text);

// DTMF digit coding: "0"-"9" = 0-9, "A"-"D" = 10-13, "*" = 14, "#" = 15.
inline constexpr std::uint8_t kNoDtmfSymbol = 255;
// The value of the first character of `symbol`; 255 when it is not a symbol.
std::uint8_t dtmfSymbolValue(QStringView symbol);
// 14 -> "*", 15 -> "#", 0-13 -> uppercase hexadecimal digit; anything else gives "".
QString dtmfSymbolText(int value);
// Two symbols packed in one byte, the first in the high nibble: "%02X" with E -> *, F -> #.
QString dtmfPairText(std::uint8_t packed);
// "*" -> E and "#" -> F, then the first two hexadecimal digits; 255 when there are none.
std::uint8_t dtmfPairFromText(QStringView text);

// DCS code (9 bits, 0-511) as the dialog lists it: three octal digits, "000"-"777".
QString dcsCodeText(int code);

} // namespace channels
