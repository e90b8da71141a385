#include "channels/channel_edit_rules.h"

#include "channels/value_tables.h"
#include "image/memory_map.h"

#include <algorithm>

namespace channels {

namespace map = image::map;

namespace {

constexpr int kDtmfCodes = 16;

enum SquelchMode { kCarrier, kToneSquelch, kSignallingSquelch, kToneAndSignalling, kToneOrSignalling };

QString squelchText(SquelchMode mode) { return entryText(kSquelchModeList, mode); }

QStringList entriesInUse(const image::RadioImage& img, image::Addr freeMap, int entries) {
    QStringList list;
    for (int i = 0; i < entries; ++i)
        if (!img.mapBit(freeMap, i)) list.append(QString::number(i));
    return list;
}

} // namespace

QStringList squelchEntries(bool toneChosen, bool signallingChosen) {
    QStringList list{squelchText(kCarrier)};
    if (toneChosen) list.append(squelchText(kToneSquelch));
    if (signallingChosen && !toneChosen) list.append(squelchText(kSignallingSquelch));
    if (signallingChosen && toneChosen)
        for (SquelchMode mode : {kSignallingSquelch, kToneAndSignalling, kToneOrSignalling})
            list.append(squelchText(mode));
    return list;
}

int squelchCode(QStringView text) { return std::max(indexOf(kSquelchModeList, text), 0); }

QStringList signallingCodeEntries(const image::RadioImage& img, int signallingType) {
    switch (signallingType) {
    case kSignallingDtmf: {
        QStringList list;
        for (int i = 0; i < kDtmfCodes; ++i) list.append(dtmfCodeLabel(i));
        return list;
    }
    case kSignallingTwoTone: return entriesInUse(img, map::kTwoToneFreeMap, map::kTwoToneEntries);
    case kSignallingFiveTone: return entriesInUse(img, map::kFiveToneFreeMap, map::kFiveToneEntries);
    default: return {};
    }
}

QString signallingCodeText(const ChannelRecordView& record) {
    switch (record.signallingType()) {
    case kSignallingDtmf: return dtmfCodeLabel(record.dtmfCode());
    case kSignallingTwoTone: return QString::number(record.signallingCode());
    case kSignallingFiveTone: return QString::number(record.fiveToneCode());
    default: return {};
    }
}

QString loadedSquelchText(const ChannelRecordView& record) {
    const auto isTone = [&](ToneSide side) {
        const unsigned type = record.toneType(side);
        return type == kToneTypeCtcss || type == kToneTypeDcs;
    };
    const int signalling = record.signallingType();
    const QStringList entries = squelchEntries(isTone(ToneSide::Decode) || isTone(ToneSide::Encode),
                                               signalling >= kSignallingDtmf && signalling <= kSignallingFiveTone);
    const QString stored = entryText(kSquelchModeList, record.squelchMode());
    return entries.contains(stored) ? stored : entries.value(0);
}

QString loadedSignallingCodeText(const image::RadioImage& img, const ChannelRecordView& record) {
    const QStringList entries = signallingCodeEntries(img, record.signallingType());
    const QString code = signallingCodeText(record);
    return entries.contains(code) ? code : entries.value(0);
}

int signallingCodeValue(QStringView text) { return dtmfCodeIndex(text); }

int clampedSlot(int slot) { return std::clamp(slot, kFirstSlot, kLastSlot); }

int steppedSlot(int namedSlot, int step) {
    // Summed in 64 bits: a slot read from a long number saturates at the int range's end.
    const long long slot = static_cast<long long>(namedSlot) + step;
    if (slot >= kFirstSlot && slot <= kLastSlot) return int(slot);
    return step > 0 ? kFirstSlot : kLastSlot;
}

} // namespace channels
