#pragma once
// Channel lists as CSV text, in the column layout radio users keep and trade channel lists
// in: one row per channel in use, a header naming the columns. Export writes every column;
// import finds the columns by header name (order free, optional ones may be missing) and
// checks every row as the channel list checks a typed entry. A row that cannot be taken
// whole is refused with its line number and reason; nothing is guessed.
// No widgets: the File menu, the command-line tool and the clipboard share this code.

#include "channels/channel_record.h"
#include "image/band_limits.h"
#include "image/radio_image.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace channels::csv {

inline constexpr std::array<std::string_view, 21> kColumns{
    "Location", "Name",     "Frequency",   "Duplex",     "Offset",    "Tone",  "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",  "TStep",
    "Skip",     "Power",    "Comment",     "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// The header line and one line per channel in use among the ordinary slots (channels 0-199;
// "PA", "PB" and "VFO" are not exported), CRLF line ends.
QString exportChannels(const image::RadioImage& img);
// The same for the given slots only (those in use), in the order given.
QString exportSlots(const image::RadioImage& img, std::span<const int> wanted);

// One side of the squelch as a row sets it.
struct ToneSetting {
    unsigned type = kToneTypeOff;
    int ctcss = 0;         // CTCSS table position
    int dcs = 0;           // 9-bit DCS code
    bool inverted = false;
    bool operator==(const ToneSetting&) const = default;
};

// Everything a row sets; every other field of the record keeps the channel-clear default.
struct ImportedChannel {
    int line = 0;  // the row's line in the text, for reports
    int slot = 0;
    image::Freq10Hz rx;
    image::Freq10Hz tx;
    bool txOff = false;
    QString name;
    int step = 0;
    int spacing = 0;
    int power = 0;
    ToneSetting encode;  // what the radio transmits
    ToneSetting decode;  // what it expects to receive
    bool skip = false;
};

struct RowNote {
    int line = 0;
    QString text;
};

enum class Placement {
    AtLocation,  // each row goes to the channel its Location names
    NextEmpty,   // rows fill the channels that are empty, lowest first
};

struct ImportPlan {
    QString error;  // the text as a whole cannot be used (no header, no Frequency column)
    std::vector<ImportedChannel> channels;
    std::vector<RowNote> refused;   // rows not imported, with the reason
    std::vector<RowNote> warnings;  // rows imported with a change the user should know of
    bool ok() const { return error.isEmpty(); }
};

// Reads CSV text and decides what an import would do, changing nothing.
ImportPlan planImport(QStringView text, const image::RadioImage& img, const image::BandLimits& limits,
                      Placement placement);
// A paste: the rows go to `firstSlot` and the channels below it, one row each in the order
// given (their Location is not read), checked and reported as an import checks them. A
// refused row leaves its channel as it was; rows past channel 199 are refused. The text may
// be comma- or tab-separated (a spreadsheet copies cells with tabs).
ImportPlan planPaste(QStringView text, const image::RadioImage& img, const image::BandLimits& limits, int firstSlot);
// Writes the planned channels (each slot cleared first), then runs the channel validity
// pass and the consistency pass, as a store of the channel list does.
void applyImport(image::RadioImage& img, const image::BandLimits& limits, const ImportPlan& plan);
// "line 7: <reason>" lines, refused rows first, then warnings.
QStringList reportLines(const ImportPlan& plan);

// CSV files through a text stream: UTF-8, a byte-order mark tolerated on reading; a write
// replaces the file only when all of it was written. Empty error text on success.
QString readFile(const QString& path, QString& content);
QString writeFile(const QString& path, const QString& content);

// RFC 4180 records: fields separated by commas, quoted fields may hold commas, doubled
// quotes and line breaks; CRLF or LF line ends; a leading byte-order mark is ignored.
struct Record {
    int line = 0;  // line on which the record starts, from 1
    QStringList fields;
};
std::vector<Record> parseRecords(QStringView text, QChar separator = u',');
// A field as written: quoted when it holds a comma, a quote or a line break.
QString quoteField(const QString& field);

} // namespace channels::csv
