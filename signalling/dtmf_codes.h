// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widget-free conversions of the DTMF settings: code fields packed and unpacked, the self
// ID digits, the texts of the number drop-downs both ways, the re-suffixing of encode entries
// and the codes the special call composes. The DTMF editor, the configuration report and the
// command-line tool convert the same way through these.

#include "app/correction.h"
#include "signalling/dtmf_fields.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace signalling::dtmf {

// ---- code fields -------------------------------------------------------------------------

// The code as the user sees it: every code byte as two symbols ("*" for E, "#" for F), cut to
// the length byte. A length beyond the field shows every symbol, so an erased field (all 0xFF)
// shows a full field of "#".
QString unpackCode(const image::RadioImage& img, CodeField field);
// Writes the length byte (the number of symbols, never more than the field holds) and the code
// bytes, positions past the end of the code filled with "0".
void packCode(image::RadioImage& img, CodeField field, QStringView code);
// An encode entry is in use when its length byte is not 0.
bool encodeEntryInUse(const image::RadioImage& img, int index);

// ---- self ID ------------------------------------------------------------------------------

// Each digit byte plus "0" gives one character. Every byte value has its own character, so a
// byte that is not a digit survives a load and store unchanged.
QString selfIdText(const image::RadioImage& img);
// Each character minus "0" gives one byte. A text of fewer than 3 characters is completed as
// on leaving the field first ("5" stores 0, 0, 5), so no byte is ever read past the text.
void storeSelfId(image::RadioImage& img, QStringView text);
// What leaving the self ID field makes of its text: an empty field returns to `previous`;
// 1 or 2 digits are padded on the left with "0" ("7" becomes "007").
QString completedSelfId(QStringView text, QStringView previous);
// What that completion corrected: an emptied field that returned to `previous` (padding keeps
// the number as typed).
app::Correction selfIdNote(QStringView text, QStringView previous);

// ---- number drop-downs -----------------------------------------------------------------------

// "First Digit Time(ms)" starts at 0, "Pretime(ms)" and "Time-Lapse After Encode(ms)" at 10;
// all run to 2500 in steps of 10.
inline constexpr int kFirstDigitTimeFrom = 0;
inline constexpr int kPretimeFrom = 10;
QStringList millisecondEntries(int fromMs);
// 0.0 to 25.0 seconds in tenths.
QStringList autoResetEntries();
// "Off", then 5 to 75 seconds.
QStringList pttIdPauseEntries();

// Stored value -> the text the drop-down is searched for (the first entry beginning with it).
QString millisecondText(std::uint8_t tensOfMs);
QString tenthsText(std::uint8_t tenths);
QString pttIdPauseText(std::uint8_t seconds);
// 0xA-0xF give "A"-"D", "*", "#". Any other value gives the empty text, which every entry
// begins with, so the list shows its first entry ("A", or "Off" for the group code).
QString symbolListText(std::uint8_t value);

// Shown entry -> stored value.
std::uint8_t millisecondValue(QStringView entry);
std::uint8_t tenthsValue(QStringView entry);
std::uint8_t pttIdPauseValue(QStringView entry);
// The symbol value of the first character; "Off" gives 0xFF.
std::uint8_t symbolListValue(QStringView entry);

// ---- encode list helpers ---------------------------------------------------------------------

// An encode entry after the interval character or the self ID changed: an entry of 4 or 7
// symbols ending in `oldSuffix` (interval character then self ID, letter case significant)
// gets `newSuffix` instead. Nothing when the entry is left alone.
std::optional<QString> resuffixed(QStringView code, QStringView oldSuffix, QStringView newSuffix);

enum class SpecialCallType { Ani = 0, PttId = 1 };

// The other side ID as the special call uses it: cut or padded on the right with "0" to 3
// characters ("5" becomes "500").
QString paddedOtherSideId(QStringView text);
// "ANI": other side ID, interval character, self ID ("123A456"); "PTTID": interval character
// and self ID ("A456").
QString specialCallCode(SpecialCallType type, QStringView otherSideId, QStringView interval, QStringView selfId);

} // namespace signalling::dtmf
