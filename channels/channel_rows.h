// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel list as text: one row of cells per channel slot, filled from the radio image
// and written back into it, plus the entry rules of its frequency cells, which the Channel
// Edit dialog shares. No widgets here, so the rules are tested on plain images.

#include "app/correction.h"
#include "image/band_limits.h"
#include "image/radio_image.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <span>
#include <string_view>

namespace channels {

using image::Freq10Hz;

// Grid columns; column 0 holds the channel label and is never edited.
enum ChannelColumn : int {
    kColLabel = 0,
    kColRx,
    kColTx,
    kColName,
    kColStep,
    kColSpacing,
    kColPower,
    kColDecode,
    kColEncode,
    kColSignalling,
    kChannelColumns,
};

struct ChannelColumnInfo {
    std::string_view header;  // English, as the report and copies use it; shown through channels::texts::tr
    int widthTwips;
};

inline constexpr std::array<ChannelColumnInfo, kChannelColumns> kChannelColumnInfo{{
    {QT_TRANSLATE_NOOP("channels::texts", "CH"), 600},
    {QT_TRANSLATE_NOOP("channels::texts", "RX Frequency"), 1320},
    {QT_TRANSLATE_NOOP("channels::texts", "TX Frequency"), 1320},
    {QT_TRANSLATE_NOOP("channels::texts", "CH Name"), 1200},
    {QT_TRANSLATE_NOOP("channels::texts", "Step(KHz)"), 1000},
    {QT_TRANSLATE_NOOP("channels::texts", "Channel Spacing"), 1100},
    {QT_TRANSLATE_NOOP("channels::texts", "TX Power"), 900},
    {QT_TRANSLATE_NOOP("channels::texts", "CTCSS/DCS Decode"), 1200},
    {QT_TRANSLATE_NOOP("channels::texts", "CTCSS/DCS Encode"), 1200},
    {QT_TRANSLATE_NOOP("channels::texts", "Optional Signaling"), 1200},
}};

inline constexpr int kChannelNameLength = 7;

// The cells of one row, indexed by ChannelColumn. A row is empty when its RX cell is.
using ChannelRowCells = std::array<QString, kChannelColumns>;

bool isFrequencyColumn(int column);
bool isToneColumn(int column);
// The option list a list column offers (step, spacing, power, signalling); empty otherwise.
std::span<const std::string_view> columnOptions(int column);

// Fills a row from slot `slot`. Slots 1-202 whose usage bit is set show as empty rows; the
// "VFO" slot is shown whatever its bit. Frequencies are shown clamped into the bands; a
// record whose RX clamps below 100 Hz (it would be stored as an empty one) shows as empty.
ChannelRowCells loadChannelRow(const image::RadioImage& img, const image::BandLimits& limits, int slot);
// Cells 3-9 (name to optional signalling) of a record, as row fill shows them.
void fillOptionCells(ChannelRowCells& row, const image::RadioImage& img, int slot);
// Writes a row into slot `slot`; an empty row clears the slot. Fields the list does not show
// keep their values, and so does a list or tone field whose cell is empty: such a cell can
// only come from an index outside its list, which a store must not replace by a guess.
void storeChannelRow(image::RadioImage& img, int slot, const ChannelRowCells& row);

// The frequencies of an RX entry: out of the receive band it becomes the receive low
// limit with TX at the transmit low limit; in the receive band but out of the transmit band
// TX becomes the transmit low limit; otherwise TX follows RX. RX then takes the entry
// rounding, and a TX that follows RX takes the rounded value too, so an entry off the
// raster never turns a simplex channel into a split of a few hundred hertz. The notes say
// what differs from the typed text: RX itself, and a TX that does not follow RX.
struct RxEntry {
    Freq10Hz rx;
    Freq10Hz tx;
    app::Correction rxNote;
    app::Correction txNote;
};
RxEntry rxEntry(QStringView typed, const image::BandLimits& limits);

// A typed TX frequency and what was corrected in it.
struct TxEntry {
    Freq10Hz tx;
    app::Correction note;
};
// A TX entry in the list: out of the transmit band it becomes the transmit low limit; then
// the entry rounding.
TxEntry txEntry(QStringView typed, const image::BandLimits& limits);
// A TX entry in the Channel Edit dialog: the entry rounding only (the list clamps what it shows).
TxEntry roundedTxEntry(QStringView typed);
// What an emptied (or zero) TX entry says: the TX kept.
app::Correction keptTxNote(const QString& kept);

// Commits of the in-cell editors into a row of slot `slot`. A new row starts from the
// defaults of a cleared record, and an emptied (or zero) RX deletes the channel; both clear
// the record in the image at once. The "VFO" slot refuses to lose its RX: the row is left
// as it was and the caller shows the message. The correction says what differs from the
// typed text.
struct RxCommit {
    bool vfoCannotBeNull = false;
    app::Correction correction;
};
RxCommit commitRxCell(ChannelRowCells& row, image::RadioImage& img, const image::BandLimits& limits, int slot,
                      QStringView text);
// An empty (or zero) TX keeps the old one; a row without RX keeps no TX.
app::Correction commitTxCell(ChannelRowCells& row, const image::BandLimits& limits, QStringView text);
// Name, list and tone cells take the editor's text (a tone first canonicalised) when the
// row has an RX frequency; an empty row stays empty.
void commitOptionCell(ChannelRowCells& row, int column, QStringView text);

// The channels that new limits would move: every channel the channel list shows (a slot in
// use with an RX frequency, and always "VFO") whose RX lies outside the receive band or
// whose TX lies outside the transmit band. The list shows such a channel at the band's
// nearest limit and the next store writes it there.
int channelsOutsideBand(const image::RadioImage& img, const image::BandLimits& limits);
// Those channels' slots, in slot order.
QList<int> slotsOutsideBand(const image::RadioImage& img, const image::BandLimits& limits);

// Keys: only the frequency characters may be typed into a frequency edit.
bool isFrequencyCharacter(QChar c);

} // namespace channels
