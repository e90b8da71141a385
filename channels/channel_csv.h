// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Channel lists as CSV text, in the column layout radio users keep and trade channel lists
// in: one row per channel in use, a header naming the columns. Export writes every column,
// then columns of our own ("QMR417 ...") for what that layout cannot carry, so nothing is
// lost through a file; other tools ignore them. Import finds the columns by header name
// (any order and letter case, optional ones may be missing), reads the habits of other
// tools (power in watts, steps and names the radio lacks) with a warning saying what they
// became, and checks every row as the channel list checks a typed entry. A row that cannot
// be taken whole is refused with its line number and reason.
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

inline constexpr std::array<std::string_view, 35> kColumns{
    "Location", "Name",     "Frequency",   "Duplex",     "Offset",    "Tone",  "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",  "TStep",
    "Skip",     "Power",    "Comment",     "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE",
    // Ours: what a channel record holds beyond the common layout.
    "QMR417 Signaling", "QMR417 DTMF Code", "QMR417 Signaling Code", "QMR417 5Tone Code",
    "QMR417 Busy Lock-out", "QMR417 Scrambler", "QMR417 DTMF PTT ID", "QMR417 5Tone PTT ID",
    "QMR417 Squelch Mode", "QMR417 Compander", "QMR417 Talk Around", "QMR417 Reverse",
    "QMR417 20 kHz", "QMR417 TX Off Frequency"};

// The header line and one line per channel in use among the ordinary slots (channels 0-199;
// "PA", "PB" and "VFO" are not exported), CRLF line ends. Power is written in watts for the
// band limits and power class the image holds.
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

// Everything a row sets; the defaults are those of a cleared channel, and the record's
// other bits keep the channel-clear values too.
struct ImportedChannel {
    int line = 0;  // the row's line in the text, for reports
    int slot = 0;
    image::Freq10Hz rx;
    image::Freq10Hz tx;  // also kept by a channel whose TX is off
    bool txOff = false;
    QString name;
    int step = 5;  // "12.5"
    int spacing = 0;
    int power = 0;
    ToneSetting encode;  // what the radio transmits
    ToneSetting decode;  // what it expects to receive
    bool skip = false;
    // Only our own columns carry these.
    int signalling = 0;      // signalling-type list
    int dtmfCode = 4;        // "M5"
    int signallingCode = 0;  // DTMF code or 2Tone entry the optional signalling sends
    int fiveToneCode = 0;
    int busyLock = 0;
    int scrambler = 0;
    int dtmfPttId = 0;
    int fiveTonePttId = 0;
    int squelchMode = 0;
    bool compander = false;
    bool talkAround = false;
    bool reverse = false;
};

struct RowNote {
    int line = 0;
    QString text;
    int moreRows = 0;  // a warning shown once: the later rows it applies to as well
};

enum class Placement {
    AtLocation,  // each row goes to the channel its Location names
    NextEmpty,   // rows fill the channels that are empty, lowest first
};

struct ImportPlan {
    QString error;  // the text as a whole cannot be used (no header, no Frequency column)
    // The error is in the rows themselves (a quote that never ends): a file of rows that
    // cannot all be read, which counts as rows left out.
    bool rowsUnreadable = false;
    std::vector<ImportedChannel> channels;
    std::vector<RowNote> refused;   // rows not imported, with the reason
    std::vector<RowNote> warnings;  // rows imported with a change the user should know of
    bool ok() const { return error.isEmpty(); }
    std::size_t rows() const { return channels.size() + refused.size(); }
    // Every row a warning applies to counts, also where one line tells it for several.
    std::size_t warningCount() const;
};

// Reads CSV text and decides what an import would do, changing nothing. The header line
// decides the separator: commas, else semicolons, else tabs, whichever gives a Frequency
// column (with semicolons or tabs, numbers may have a decimal comma).
ImportPlan planImport(QStringView text, const image::RadioImage& img, const image::BandLimits& limits,
                      Placement placement);
// A paste: the rows go to `firstSlot` and the channels below it, one row each in the order
// given (their Location is not read), checked and reported as an import checks them. A
// refused row leaves its channel as it was; rows past channel 199 are refused. A
// spreadsheet copies cells with tabs, which the header line shows as for an import.
ImportPlan planPaste(QStringView text, const image::RadioImage& img, const image::BandLimits& limits, int firstSlot);
// Writes the planned channels (each slot cleared first), then runs the channel validity
// pass and the consistency pass, as a store of the channel list does.
void applyImport(image::RadioImage& img, const image::BandLimits& limits, const ImportPlan& plan);
// "line 5: refused: <reason>" and "line 7: warning: <what>" lines, refused rows first, then
// warnings; every text on one line.
QStringList reportLines(const ImportPlan& plan);
// "1 channel", "3 channels": a count and the noun it counts, singular for exactly one.
QString counted(std::size_t count, const QString& one, const QString& many);

// CSV files are written as UTF-8. Reading takes UTF-8 (a byte-order mark tolerated), UTF-16
// with its byte-order mark, and Latin-1 for a file that is not valid UTF-8, so a message
// shows the text as the file holds it. A write replaces the file only when all of it was
// written. Empty error text on success.
QString readFile(const QString& path, QString& content);
QString writeFile(const QString& path, const QString& content);

// RFC 4180 records: fields separated by commas, quoted fields may hold commas, doubled
// quotes and line breaks; CRLF or LF line ends; a leading byte-order mark is ignored.
struct Record {
    int line = 0;  // line on which the record starts, from 1
    QStringList fields;
    std::vector<bool> quoted;  // per field: it was written in quotes (its blanks are meant)
    // The text ended inside quotes opened on this line (0: it did not): the rest of the file
    // went into one field, so no row after that line can be trusted.
    int unclosedQuoteLine = 0;
};
std::vector<Record> parseRecords(QStringView text, QChar separator = u',');
// A field as written: quoted when it holds a comma, a quote or a line break, or starts or
// ends with a blank (which a reader keeps only inside quotes).
QString quoteField(const QString& field);

} // namespace channels::csv
