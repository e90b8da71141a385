// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text a CSV import reports: why a file or a row cannot be used, and what a row
// became where the radio could not take it as written.

#include <QCoreApplication>
#include <QString>

namespace channels::csv::texts {

// A text of this header in the user's language (its English while no translation is
// loaded); `count` picks the plural form of a "%n" text.
inline QString tr(const char* text, int count = -1) {
    return QCoreApplication::translate("channels::csv::texts", text, nullptr, count);
}

// The text as a whole
inline constexpr const char* kNoHeader = QT_TRANSLATE_NOOP("channels::csv::texts", "the file holds no header line");
inline constexpr const char* kNoFrequencyColumn =
    QT_TRANSLATE_NOOP("channels::csv::texts", "no Frequency column in the header line (columns must be separated by commas)");
inline constexpr const char* kNoLocationColumn =
    QT_TRANSLATE_NOOP("channels::csv::texts", "the header has no Location column (import into empty channels instead)");

// Rows refused
inline constexpr const char* kBadLocation = QT_TRANSLATE_NOOP("channels::csv::texts", "Location \"%1\" is not a channel from 0 to 199");
inline constexpr const char* kLocationTaken = QT_TRANSLATE_NOOP("channels::csv::texts", "Location %1 is already used by line %2");
inline constexpr const char* kNoEmptyChannel = QT_TRANSLATE_NOOP("channels::csv::texts", "no empty channel left");
inline constexpr const char* kPastLastChannel = QT_TRANSLATE_NOOP("channels::csv::texts", "no channel left below: the rows run past channel 199");
inline constexpr const char* kNoFrequency = QT_TRANSLATE_NOOP("channels::csv::texts", "no Frequency");
inline constexpr const char* kBadNumber = QT_TRANSLATE_NOOP("channels::csv::texts", "%1 \"%2\" is not a number");
inline constexpr const char* kNegativeOffset =
    QT_TRANSLATE_NOOP("channels::csv::texts", "Offset \"%1\" is negative: Duplex gives the direction (+ or -), Offset the distance");
inline constexpr const char* kRxOutOfBand = QT_TRANSLATE_NOOP("channels::csv::texts", "Frequency %1 MHz lies outside the receive band %2-%3 MHz");
inline constexpr const char* kTxOutOfBand = QT_TRANSLATE_NOOP("channels::csv::texts", "TX frequency %1 MHz lies outside the transmit band %2-%3 MHz");
inline constexpr const char* kBadDuplex = QT_TRANSLATE_NOOP("channels::csv::texts", "Duplex \"%1\" is not blank, +, -, split or off");
inline constexpr const char* kBadMode = QT_TRANSLATE_NOOP("channels::csv::texts", "Mode \"%1\" is not one the radio has (FM, NFM)");
inline constexpr const char* kBadSkip = QT_TRANSLATE_NOOP("channels::csv::texts", "Skip \"%1\" is not blank or S");
inline constexpr const char* kBadToneMode = QT_TRANSLATE_NOOP("channels::csv::texts", "Tone \"%1\" is not a tone mode the radio has");
inline constexpr const char* kBadCrossMode = QT_TRANSLATE_NOOP("channels::csv::texts", "CrossMode \"%1\" is not a cross mode the radio has");
inline constexpr const char* kBadCtcss = QT_TRANSLATE_NOOP("channels::csv::texts", "%1 \"%2\" is not a CTCSS tone of the radio");
inline constexpr const char* kBadDcs = QT_TRANSLATE_NOOP("channels::csv::texts", "%1 \"%2\" is not a DCS code (three octal digits)");
inline constexpr const char* kBadPolarity = QT_TRANSLATE_NOOP("channels::csv::texts", "DtcsPolarity \"%1\" is not two of N and R");
inline constexpr const char* kBadEntry = QT_TRANSLATE_NOOP("channels::csv::texts", "%1 \"%2\" is not one of: %3");
inline constexpr const char* kBadSwitch = QT_TRANSLATE_NOOP("channels::csv::texts", "%1 \"%2\" is not On or Off");
inline constexpr const char* kBadDtmfCode = QT_TRANSLATE_NOOP("channels::csv::texts", "%1 \"%2\" is not a DTMF code from M1 to M16");
inline constexpr const char* kBadCode = QT_TRANSLATE_NOOP("channels::csv::texts", "%1 \"%2\" is not a DTMF code (M1-M16) or a number from 0 to 255");

// Rows imported with a change
inline constexpr const char* kRounded = QT_TRANSLATE_NOOP("channels::csv::texts", "%1 %2 MHz rounded to %3 MHz");
inline constexpr const char* kNameLetters = QT_TRANSLATE_NOOP("channels::csv::texts", "Name \"%1\" holds letters the radio cannot show: taken as \"%2\"");
inline constexpr const char* kNameCut = QT_TRANSLATE_NOOP("channels::csv::texts", "Name \"%1\" cut to \"%2\" (7 characters)");
inline constexpr const char* kPowerTaken = QT_TRANSLATE_NOOP("channels::csv::texts", "Power %1 is taken as %2 (nominal %3 W)");
inline constexpr const char* kPowerUnread =
    QT_TRANSLATE_NOOP("channels::csv::texts", "Power \"%1\" is neither a watt figure nor High, Middle or Low: taken as High");
inline constexpr const char* kStepTaken = QT_TRANSLATE_NOOP("channels::csv::texts", "TStep %1 is not a step the radio has: taken as %2, the nearest");
inline constexpr const char* kSkipPriority = QT_TRANSLATE_NOOP("channels::csv::texts", "Skip \"%1\" (priority in other tools) is taken as not skipped");
inline constexpr const char* kTxOffOutOfBand =
    QT_TRANSLATE_NOOP("channels::csv::texts", "TX frequency %1 MHz of a channel whose TX is off lies outside the transmit band: kept as %2 MHz");

inline constexpr const char* kRefusedLine = QT_TRANSLATE_NOOP("channels::csv::texts", "line %1: refused: %2");
inline constexpr const char* kWarningLine = QT_TRANSLATE_NOOP("channels::csv::texts", "line %1: warning: %2");
inline constexpr const char* kMoreRows = QT_TRANSLATE_NOOP("channels::csv::texts", " (and %1 more %2)");
inline constexpr const char* kRow = QT_TRANSLATE_NOOP("channels::csv::texts", "row");
inline constexpr const char* kRows = QT_TRANSLATE_NOOP("channels::csv::texts", "rows");
inline constexpr const char* kUnclosedQuote =
    QT_TRANSLATE_NOOP("channels::csv::texts", "line %1: a quote opened here does not close, so the rest of the file would be one field");
inline constexpr const char* kNameCapitals = QT_TRANSLATE_NOOP("channels::csv::texts", "Name \"%1\" is taken in capitals: \"%2\"");

} // namespace channels::csv::texts
