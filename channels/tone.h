// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tone texts of the channel list: "Off", a CTCSS table text ("62.5" ... "254.1") or a DCS
// text "D%03oN" / "D%03oI". Parsing a cell text, canonicalising what the user chose or
// typed, and the in-cell list of every tone text. Also the decimal entry normaliser that
// other editors use for their tone-frequency fields.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace channels {

enum class ToneKind { Off, Ctcss, Dcs };

struct ParsedTone {
    ToneKind kind = ToneKind::Off;
    int ctcssIndex = -1;  // position in kCtcssTable; -1 when the text is not in it
    int dcsCode = 0;      // 0-511 for the texts the list offers
    bool inverted = false;

    bool operator==(const ParsedTone&) const = default;
};

// "Off" -> no tone; a text with "." -> CTCSS; else a text with "D" -> DCS, inverted unless
// it contains "N", the code read from the leading octal digits once every "D" is removed;
// anything else -> no tone.
ParsedTone parseToneText(QStringView text);

// "Off", the CTCSS text of `index` ("" outside the table), or the DCS text of `code`.
QString ctcssToneText(int index);
QString dcsToneText(int code, bool inverted);

// Canonical tone text for a chosen or typed entry: "d23i" -> "D023I", "023" -> "D023N",
// "88.5" stays, "300.0" -> "Off". Every entry of toneCellList() comes out unchanged.
QString normaliseToneText(QStringView text);

// "Off", the 51 CTCSS texts, D000N ... D777N, then D000I ... D777I: 1076 entries.
const QStringList& toneCellList();

// A tone-frequency edit in tenths: v = text x 10 (truncated), rounded down to a multiple of
// `step`; outside low..high, or an empty text, gives `fallback`. Shown as "%.1f", or as
// `zeroText` when v is 0 and `zeroAsText` is set. A step of 0 or less rounds nothing.
QString normaliseDecimalEntry(QStringView text, int low, int high, int fallback, int step, bool zeroAsText,
                              QStringView zeroText);

} // namespace channels
