// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 2Tone values without widgets: option lists, tone frequencies in 0.1 Hz and their
// tone-generator dividers, the rows of the encode list as texts, and the call-format words
// the radio reads instead of deriving them. The editor, the command-line tool and the tests
// share them. All arithmetic is on integers; a tone text is read on its decimal digits.

#include "app/correction.h"
#include "image/radio_image.h"
#include "signalling/two_tone_fields.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <string_view>

namespace signalling::twotone {

// A tone frequency in 0.1 Hz (1000.0 Hz is 10000); 0 stands for no tone.
using Tone = std::uint16_t;

// 288.0 Hz to 3116.0 Hz: what the radio's tone generator makes.
constexpr Tone kToneMin = 2880;
constexpr Tone kToneMax = 31160;
// Clock constants of the dividers: the call format tones and the encode list tones.
constexpr std::int64_t kCallClock = 4800000;
constexpr std::int64_t kListClock = 6000000;

// Stored index = position.
inline constexpr std::array<std::string_view, 15> kCallFormatList{
    "A-B", "A-C", "A-D", "B-A", "B-C", "B-D", "C-A", "C-B", "C-D", "D-A", "D-B", "D-C",
    "Long A", "Long B", "Long C"};
inline constexpr std::array<std::string_view, 3> kDecodeResponseList{"None", "Beep Tone", "Beep Tone & Response"};

// Decode tones A-D by position; kNoTone for the missing second tone of the "Long" formats.
constexpr int kNoTone = -1;
struct CallFormatTones {
    int first;
    int second;
};
inline constexpr std::array<CallFormatTones, 15> kCallFormatTones{{
    {0, 1}, {0, 2}, {0, 3}, {1, 0}, {1, 2}, {1, 3}, {2, 0}, {2, 1}, {2, 3}, {3, 0}, {3, 1}, {3, 2},
    {0, kNoTone}, {1, kNoTone}, {2, kNoTone}}};

// A decode tone edit is enabled when the shown format text contains its letter ("Long B": B).
bool formatUsesTone(QStringView formatText, int tone);

constexpr bool inToneRange(std::int64_t tenths) { return tenths >= kToneMin && tenths <= kToneMax; }
// Integer part of clock / tone; 0 for no tone, so an empty cell never divides by zero.
std::uint16_t divider(std::int64_t clock, Tone tone);
// "%.1f" of the tone in Hz ("1000.0").
QString toneText(Tone tone);

// A decode tone field when it is left, loaded or stored: the leading number of the text x 10;
// empty or outside the range gives 288.0 Hz.
QString checkedDecodeToneText(QStringView text);
Tone decodeTone(QStringView text);
// The same for a field the user leaves, with what was corrected: `tone` 0-3 is A-D.
struct CheckedTone {
    QString text;
    app::Correction note;
};
CheckedTone checkTypedDecodeTone(int tone, QStringView typed);

// An encode list tone cell: the leading number of the text x 10, a non-zero value brought
// into the range; 0 (empty cell) stays 0.
Tone listTone(QStringView text);
// The cell text of that tone: "%.1f", or empty for 0.
QString listToneText(QStringView text);

// Drop-down entries of the encode page and their conversions.
QStringList durationEntries();   // "0.5" ... "10.0"
QStringList gapEntries();        // "0" ... "2000"
QStringList autoResetEntries();  // "0.0" ... "25.0"
QString tenthsText(std::uint8_t stored);     // 15 -> "1.5"
std::uint8_t tenthsValue(QStringView text);  // "1.5" -> 15
QString gapText(std::uint8_t stored);        // 7 -> "700"
std::uint8_t gapValue(QStringView text);     // "700" -> 7

// One row of the encode list as the grid shows it (columns 1-3).
struct EncodeRow {
    QString tone1;
    QString tone2;
    QString name;
    bool operator==(const EncodeRow&) const = default;
};

// An entry whose first tone lies outside the range shows as an empty row; a second tone
// outside it as an empty cell. The name is cut at its first zero byte, a-z upper-cased and
// trailing blanks removed; other bytes come through as Latin-1.
EncodeRow loadEncodeRow(const image::RadioImage& img, int index);
// Writes tones, dividers and name of entry `index`; byte +0F stays.
void storeEncodeRow(image::RadioImage& img, int index, const EncodeRow& row);

// What an in-cell edit does to its row. A first tone typed into an empty row fills both
// tones and starts without a name; emptying the first tone empties the row. The second tone
// and the name only exist beside a first tone. A tone cell says what it corrected.
struct ToneCellCommit {
    EncodeRow row;
    app::Correction note;
};
ToneCellCommit commitToneCell(EncodeRow row, int column, QStringView text);
EncodeRow commitNameCell(EncodeRow row, QStringView text);

// The radio's occupancy rule: only the low byte of the first tone word is looked at.
bool entryInUse(const image::RadioImage& img, int index);
// Sets the 32 occupancy bits from the entries (bit set = entry free).
void storeOccupancy(image::RadioImage& img);

// Writes the first and second tone of the call format and their dividers from the stored
// A-D words. `format` must lie in the list.
void storeCallFormatTones(image::RadioImage& img, int format);

// The 2Tone settings of a new configuration, chosen so that every field loads as stored.
void writeDefaults(image::RadioImage& img);

} // namespace signalling::twotone
