#include "channels/channel_rows.h"

#include "channels/channel_record.h"
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

RxEntry rxEntry(Freq10Hz typed, const image::BandLimits& limits) {
    if (!limits.rxInBand(typed)) return {image::entryRounding(limits.rxLow), limits.txLow};
    const Freq10Hz rx = image::entryRounding(typed);
    return {rx, limits.txInBand(typed) ? rx : limits.txLow};
}

Freq10Hz txEntry(Freq10Hz typed, const image::BandLimits& limits) {
    return image::entryRounding(limits.txInBand(typed) ? typed : limits.txLow);
}

RxCommit commitRxCell(ChannelRowCells& row, image::RadioImage& img, const image::BandLimits& limits, int slot,
                      QStringView text) {
    const Freq10Hz typed = image::parseFrequencyText(text);
    const bool hadRx = !row[kColRx].isEmpty();
    if (typed.value == 0) {
        if (slot == kSlotVFO) return RxCommit::VfoCannotBeNull;
        for (int column = kColRx; column < kChannelColumns; ++column) row[column].clear();
        if (hadRx) channelClear(img, slot);
        return RxCommit::Done;
    }
    const RxEntry entry = rxEntry(typed, limits);
    row[kColRx] = image::formatFrequency(entry.rx);
    if (!hadRx) {
        row[kColTx] = image::formatFrequency(entry.tx);
        channelClear(img, slot);
        fillOptionCells(row, img, slot);
    }
    return RxCommit::Done;
}

void commitTxCell(ChannelRowCells& row, const image::BandLimits& limits, QStringView text) {
    if (row[kColRx].isEmpty()) {
        row[kColTx].clear();
        return;
    }
    const Freq10Hz typed = image::parseFrequencyText(text);
    if (typed.value != 0) row[kColTx] = image::formatFrequency(txEntry(typed, limits));
}

void commitOptionCell(ChannelRowCells& row, int column, QStringView text) {
    if (row[kColRx].isEmpty()) row[column].clear();
    else row[column] = isToneColumn(column) ? normaliseToneText(text) : text.toString();
}

int channelsOutsideBand(const image::RadioImage& img, const image::BandLimits& limits) {
    int count = 0;
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        if (slot != kSlotVFO && usageBit(img, slot)) continue;
        const ChannelRecordView record(img, slot);
        if (record.isEmpty()) continue;
        if (!limits.rxInBand(record.rx()) || !limits.txInBand(record.txFrequency())) ++count;
    }
    return count;
}

bool isFrequencyCharacter(QChar c) {
    return c.unicode() < 0x80 && kFrequencyCharacterFilter.find(char(c.unicode())) != std::string_view::npos;
}

} // namespace channels
