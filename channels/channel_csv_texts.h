// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text a CSV import reports: why a file or a row cannot be used, and what a row
// became where the radio could not take it as written.

#include <QString>

namespace channels::csv::texts {

// The text as a whole
inline const QString kNoHeader = QStringLiteral("the file holds no header line");
inline const QString kNoFrequencyColumn =
    QStringLiteral("no Frequency column in the header line (columns must be separated by commas)");
inline const QString kNoLocationColumn =
    QStringLiteral("the header has no Location column (import into empty channels instead)");

// Rows refused
inline const QString kBadLocation = QStringLiteral("Location \"%1\" is not a channel from 0 to 199");
inline const QString kLocationTaken = QStringLiteral("Location %1 is already used by line %2");
inline const QString kNoEmptyChannel = QStringLiteral("no empty channel left");
inline const QString kPastLastChannel = QStringLiteral("no channel left below: the rows run past channel 199");
inline const QString kNoFrequency = QStringLiteral("no Frequency");
inline const QString kBadNumber = QStringLiteral("%1 \"%2\" is not a number");
inline const QString kNegativeOffset =
    QStringLiteral("Offset \"%1\" is negative: Duplex gives the direction (+ or -), Offset the distance");
inline const QString kRxOutOfBand = QStringLiteral("Frequency %1 MHz lies outside the receive band %2-%3 MHz");
inline const QString kTxOutOfBand = QStringLiteral("TX frequency %1 MHz lies outside the transmit band %2-%3 MHz");
inline const QString kBadDuplex = QStringLiteral("Duplex \"%1\" is not blank, +, -, split or off");
inline const QString kBadMode = QStringLiteral("Mode \"%1\" is not one the radio has (FM, NFM)");
inline const QString kBadSkip = QStringLiteral("Skip \"%1\" is not blank or S");
inline const QString kBadToneMode = QStringLiteral("Tone \"%1\" is not a tone mode the radio has");
inline const QString kBadCrossMode = QStringLiteral("CrossMode \"%1\" is not a cross mode the radio has");
inline const QString kBadCtcss = QStringLiteral("%1 \"%2\" is not a CTCSS tone of the radio");
inline const QString kBadDcs = QStringLiteral("%1 \"%2\" is not a DCS code (three octal digits)");
inline const QString kBadPolarity = QStringLiteral("DtcsPolarity \"%1\" is not two of N and R");
inline const QString kBadEntry = QStringLiteral("%1 \"%2\" is not one of: %3");
inline const QString kBadSwitch = QStringLiteral("%1 \"%2\" is not On or Off");
inline const QString kBadDtmfCode = QStringLiteral("%1 \"%2\" is not a DTMF code from M1 to M16");
inline const QString kBadCode = QStringLiteral("%1 \"%2\" is not a DTMF code (M1-M16) or a number from 0 to 255");

// Rows imported with a change
inline const QString kRounded = QStringLiteral("%1 %2 MHz rounded to %3 MHz");
inline const QString kNameLetters = QStringLiteral("Name \"%1\" holds letters the radio cannot show: taken as \"%2\"");
inline const QString kNameCut = QStringLiteral("Name \"%1\" cut to \"%2\" (7 characters)");
inline const QString kPowerTaken = QStringLiteral("Power %1 is taken as %2 (nominal %3 W)");
inline const QString kPowerUnread =
    QStringLiteral("Power \"%1\" is neither a watt figure nor High, Middle or Low: taken as High");
inline const QString kStepTaken = QStringLiteral("TStep %1 is not a step the radio has: taken as %2, the nearest");
inline const QString kSkipPriority = QStringLiteral("Skip \"%1\" (priority in other tools) is taken as not skipped");
inline const QString kTxOffOutOfBand =
    QStringLiteral("TX frequency %1 MHz of a channel whose TX is off lies outside the transmit band: kept as %2 MHz");

inline const QString kRefusedLine = QStringLiteral("line %1: refused: %2");
inline const QString kWarningLine = QStringLiteral("line %1: warning: %2");
inline const QString kMoreRows = QStringLiteral(" (and %1 more %2)");
inline const QString kRow = QStringLiteral("row");
inline const QString kRows = QStringLiteral("rows");
inline const QString kUnclosedQuote =
    QStringLiteral("line %1: a quote opened here does not close, so the rest of the file would be one field");
inline const QString kNameCapitals = QStringLiteral("Name \"%1\" is taken in capitals: \"%2\"");

} // namespace channels::csv::texts
