// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channel_rows.h"

#include "channels/channel_record.h"
#include "channels/channel_texts.h"
#include "channels/tone.h"
#include "channels/value_tables.h"

namespace channels {

namespace {

// 100 Hz: the record keeps RX in 100 Hz units, and an RX of 0 marks an empty record.
constexpr std::int32_t kLowestStoredRx = 10;

void storeListIndex(std::span<const std::string_view> list, const QString& text, auto&& write) {
    const int index = indexOf(list, text);
    if (index >= 0) write(index);
}

void storeTone(ChannelRecord& record, ToneSide side, const QString& text) {
    if (!text.isEmpty()) record.storeToneText(side, text);
}

// A band limit in MHz as people write it: "136", "136.5".
QString limitText(Freq10Hz limit) {
    QString text = image::formatFrequency(limit);
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text;
}

app::Correction outsideBandNote(const char* field, QStringView typed, Freq10Hz low, Freq10Hz high, Freq10Hz set) {
    return {texts::tr(texts::kOutsideBand)
                .arg(QString::fromLatin1(field), typed.trimmed().toString(), limitText(low), limitText(high),
                     image::formatFrequency(set))};
}

// Entry rounding, and the note when it moved the typed value.
Freq10Hz roundedEntry(const char* field, QStringView text, Freq10Hz typed, app::Correction& note) {
    const Freq10Hz rounded = image::entryRounding(typed);
    if (rounded != typed)
        note = {texts::tr(texts::kOffRaster)
                    .arg(QString::fromLatin1(field), text.trimmed().toString(), image::formatFrequency(rounded))};
    return rounded;
}

} // namespace

bool isFrequencyColumn(int column) { return column == kColRx || column == kColTx; }

bool isToneColumn(int column) { return column == kColDecode || column == kColEncode; }

std::span<const std::string_view> columnOptions(int column) {
    switch (column) {
    case kColStep: return kStepList;
    case kColSpacing: return kSpacingList;
    case kColPower: return kPowerList;
    case kColSignalling: return kSignallingTypeList;
    default: return {};
    }
}

void fillOptionCells(ChannelRowCells& row, const image::RadioImage& img, int slot) {
    const ChannelRecordView record(img, slot);
    row[kColName] = record.name();
    row[kColStep] = entryText(kStepList, record.step());
    row[kColSpacing] = entryText(kSpacingList, record.spacing());
    row[kColPower] = entryText(kPowerList, record.power());
    row[kColDecode] = record.toneText(ToneSide::Decode);
    row[kColEncode] = record.toneText(ToneSide::Encode);
    row[kColSignalling] = entryText(kSignallingTypeList, record.signallingType());
}

ChannelRowCells loadChannelRow(const image::RadioImage& img, const image::BandLimits& limits, int slot) {
    ChannelRowCells row;
    row[kColLabel] = channelLabel(slot);
    if (slot != kSlotVFO && usageBit(img, slot)) return row;
    const ChannelRecordView record(img, slot);
    if (record.isEmpty()) return row;
    // A receive band reaching down to 0 MHz (a file holding zero limits) clamps RX below
    // 100 Hz, which the record stores as all zeros and reads back as empty. The row shows
    // now what the next load would show, so a second load and store changes nothing.
    const Freq10Hz rx = limits.clampRx(record.rx());
    if (rx.value < kLowestStoredRx) return row;
    // TX comes from the unclamped RX; each is then clamped into its own band.
    row[kColRx] = image::formatFrequency(rx);
    row[kColTx] = image::formatFrequency(limits.clampTx(record.txFrequency()));
    fillOptionCells(row, img, slot);
    return row;
}

void storeChannelRow(image::RadioImage& img, int slot, const ChannelRowCells& row) {
    if (row[kColRx].isEmpty()) {
        channelClear(img, slot);
        return;
    }
    ChannelRecord record(img, slot);
    record.writeRxTx(image::parseFrequencyText(row[kColRx]), image::parseFrequencyText(row[kColTx]));
    record.setName(row[kColName]);
    storeListIndex(kStepList, row[kColStep], [&](int i) { record.setStep(i); });
    storeListIndex(kSpacingList, row[kColSpacing], [&](int i) { record.setSpacing(i); });
    storeListIndex(kPowerList, row[kColPower], [&](int i) { record.setPower(i); });
    storeTone(record, ToneSide::Decode, row[kColDecode]);
    storeTone(record, ToneSide::Encode, row[kColEncode]);
    storeListIndex(kSignallingTypeList, row[kColSignalling], [&](int i) { record.setSignallingType(i); });
}

RxEntry rxEntry(QStringView text, const image::BandLimits& limits) {
    const Freq10Hz typed = image::parseFrequencyText(text);
    RxEntry entry;
    if (!limits.rxInBand(typed)) {
        entry.rx = image::entryRounding(limits.rxLow);
        entry.tx = limits.txLow;
        entry.rxNote = outsideBandNote(texts::kRx, text, limits.rxLow, limits.rxHigh, entry.rx);
        return entry;
    }
    entry.rx = roundedEntry(texts::kRx, text, typed, entry.rxNote);
    entry.tx = entry.rx;
    if (!limits.txInBand(typed)) {
        entry.tx = limits.txLow;
        entry.txNote = {texts::tr(texts::kTxDoesNotFollow)
                            .arg(text.trimmed().toString(), limitText(limits.txLow), limitText(limits.txHigh),
                                 image::formatFrequency(entry.tx))};
    }
    return entry;
}

TxEntry txEntry(QStringView text, const image::BandLimits& limits) {
    const Freq10Hz typed = image::parseFrequencyText(text);
    if (limits.txInBand(typed)) return roundedTxEntry(text);
    const Freq10Hz tx = image::entryRounding(limits.txLow);
    return {tx, outsideBandNote(texts::kTx, text, limits.txLow, limits.txHigh, tx)};
}

TxEntry roundedTxEntry(QStringView text) {
    TxEntry entry;
    entry.tx = roundedEntry(texts::kTx, text, image::parseFrequencyText(text), entry.note);
    return entry;
}

app::Correction keptTxNote(const QString& kept) { return {texts::tr(texts::kEmptyTxKept).arg(kept)}; }

RxCommit commitRxCell(ChannelRowCells& row, image::RadioImage& img, const image::BandLimits& limits, int slot,
                      QStringView text) {
    const Freq10Hz typed = image::parseFrequencyText(text);
    const bool hadRx = !row[kColRx].isEmpty();
    if (typed.value == 0) {
        if (slot == kSlotVFO) return {true, {}};
        for (int column = kColRx; column < kChannelColumns; ++column) row[column].clear();
        if (hadRx) channelClear(img, slot);
        return {};
    }
    const RxEntry entry = rxEntry(text, limits);
    row[kColRx] = image::formatFrequency(entry.rx);
    if (hadRx) return {false, entry.rxNote};
    row[kColTx] = image::formatFrequency(entry.tx);
    channelClear(img, slot);
    fillOptionCells(row, img, slot);
    // A new channel's TX follows RX, so a TX that does not is worth a word too.
    return {false, entry.rxNote.corrected() ? entry.rxNote : entry.txNote};
}

app::Correction commitTxCell(ChannelRowCells& row, const image::BandLimits& limits, QStringView text) {
    if (row[kColRx].isEmpty()) {
        row[kColTx].clear();
        return {};
    }
    if (image::parseFrequencyText(text).value == 0) return keptTxNote(row[kColTx]);
    const TxEntry entry = txEntry(text, limits);
    row[kColTx] = image::formatFrequency(entry.tx);
    return entry.note;
}

void commitOptionCell(ChannelRowCells& row, int column, QStringView text) {
    if (row[kColRx].isEmpty()) row[column].clear();
    else row[column] = isToneColumn(column) ? normaliseToneText(text) : text.toString();
}

QList<int> slotsOutsideBand(const image::RadioImage& img, const image::BandLimits& limits) {
    QList<int> outside;
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        if (slot != kSlotVFO && usageBit(img, slot)) continue;
        const ChannelRecordView record(img, slot);
        if (record.isEmpty()) continue;
        if (!limits.rxInBand(record.rx()) || !limits.txInBand(record.txFrequency())) outside.append(slot);
    }
    return outside;
}

int channelsOutsideBand(const image::RadioImage& img, const image::BandLimits& limits) {
    return int(slotsOutsideBand(img, limits).size());
}

bool isFrequencyCharacter(QChar c) {
    return c.unicode() < 0x80 && kFrequencyCharacterFilter.find(char(c.unicode())) != std::string_view::npos;
}

} // namespace channels
