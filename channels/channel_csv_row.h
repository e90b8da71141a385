// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of a CSV channel list, read: the columns found by their header, each field
// checked and converted, and where another tool's habit needs it (power in watts, a step
// or a name the radio lacks) approximated with a warning. Shared by the export, which
// writes the same columns, and the import planner; nothing else uses it.

#include "channels/channel_csv.h"
#include "channels/tx_power.h"

#include <QChar>
#include <QString>

#include <array>
#include <string_view>
#include <vector>

namespace channels::csv {

// Positions in kColumns.
enum Column : int {
    kLocation, kName, kFrequency, kDuplex, kOffset, kTone, kRTone, kCTone, kDtcs, kPolarity,
    kRxDtcs, kCross, kMode, kStep, kSkip, kPower, kComment, kUrCall, kRpt1Call, kRpt2Call, kDvCode,
    kSignalling, kDtmfCode, kSignallingCode, kFiveToneCode, kBusyLock, kScrambler, kDtmfPttId,
    kFiveTonePttId, kSquelchMode, kCompander, kTalkAround, kReverse, kTwentyKhz, kTxOffFrequency,
};

// Cross modes: the kind of the transmit and of the receive side.
enum class Kind { None, Tone, Dtcs };
struct CrossMode {
    std::string_view text;
    Kind tx;
    Kind rx;
};
inline constexpr std::array<CrossMode, 8> kCrossModes{{
    {"Tone->Tone", Kind::Tone, Kind::Tone},
    {"Tone->DTCS", Kind::Tone, Kind::Dtcs},
    {"DTCS->Tone", Kind::Dtcs, Kind::Tone},
    {"->Tone", Kind::None, Kind::Tone},
    {"->DTCS", Kind::None, Kind::Dtcs},
    {"DTCS->", Kind::Dtcs, Kind::None},
    {"DTCS->DTCS", Kind::Dtcs, Kind::Dtcs},
    {"Tone->", Kind::Tone, Kind::None},  // read only: the export writes Tone "Tone" for it
}};

// Placeholders that fill the tone columns a row does not use.
inline const QString kToneFiller = QStringLiteral("88.5");
inline const QString kDcsFiller = QStringLiteral("023");
inline const QString kPolarityFiller = QStringLiteral("NN");
inline const QString kCrossFiller = QStringLiteral("Tone->Tone");
// Older files mark 20 kHz channels (Mode "FM") in the Comment.
inline const QString kTwentyKhzComment = QStringLiteral("20 kHz");
inline const QString kOn = QStringLiteral("On");
inline const QString kOff = QStringLiteral("Off");
inline constexpr int kSpacing25 = 0;
inline constexpr int kSpacing20 = 1;
inline constexpr int kSpacing12_5 = 2;

// The step list in hundredths of a kHz, in list order.
inline constexpr std::array<int, 10> kStepHundredths{250, 500, 625, 833, 1000, 1250, 2000, 2500, 3000, 5000};

QString latin(std::string_view s);
QString columnName(Column column);

// Header name (any letter case) -> field position in the records; -1 when the file lacks it.
using ColumnMap = std::array<int, kColumns.size()>;
ColumnMap mapColumns(const QStringList& header);

// A row that cannot be taken whole: thrown by the readers, caught per row.
struct Refusal {
    QString reason;
};

class RowReader {
public:
    RowReader(const ColumnMap& columns, const Record& record, QChar separator)
        : m_columns(columns), m_record(record), m_separator(separator) {}

    bool has(Column column) const { return m_columns[column] >= 0; }
    // The field without the blanks around it; empty when the file lacks the column.
    QString field(Column column) const;
    // A number's field: where commas do not separate the fields, a decimal comma is a point.
    QString number(Column column) const;
    // The field as written when it was quoted (its blanks are meant), otherwise field().
    QString text(Column column) const;

private:
    const ColumnMap& m_columns;
    const Record& m_record;
    QChar m_separator;
};

// What every row is read against.
struct RowContext {
    image::BandLimits limits;
    power::NominalLevels power{};
    // The file carries our own columns, so its watt figures are this program's nominal ones
    // and reading them back approximates nothing.
    bool ownLayout = false;
};

// The warnings of one row: `each` belong to the row; a text in `once` is shown for the
// first row that has it only (a whole file of "5.0W" needs one line).
struct RowWarnings {
    std::vector<QString> each;
    std::vector<QString> once;
};

// Reads every column but Location into `channel`; throws Refusal.
void readRow(const RowReader& row, const RowContext& context, ImportedChannel& channel, RowWarnings& warnings);

} // namespace channels::csv
