// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace {

// A drop-down loaded with a stored position shows it, or nothing when it lies past the list.
int shownPosition(int stored, std::size_t listSize) { return stored >= 0 && stored < int(listSize) ? stored : -1; }

void storeTone(ChannelRecord& record, ToneSide side, const ChannelEdit::Tone& tone) {
    if (tone.type < 0) return;
    record.setToneType(side, unsigned(tone.type));
    if (tone.value < 0) return;
    if (tone.type == int(kToneTypeCtcss)) record.setCtcss(side, tone.value);
    if (tone.type == int(kToneTypeDcs)) {
        record.setDcsCode(side, tone.value);
        record.setDcsInverted(side, tone.inverted);
    }
}

void storeSignalling(ChannelRecord& record, int type, const QString& codeText) {
    if (type < 0) return;
    record.setSignallingType(type);
    // With no 2Tone or 5Tone entry in use the code list is empty, and its empty text stands for 0.
    const int code = signallingCodeValue(codeText);
    if (type == kSignallingDtmf) {
        record.setDtmfCode(code);
        record.setSignallingCode(code);
    }
    if (type == kSignallingTwoTone) record.setSignallingCode(code);
    if (type == kSignallingFiveTone) record.setFiveToneCode(code);
}

ChannelEdit::Tone loadedTone(const ChannelRecordView& record, ToneSide side) {
    ChannelEdit::Tone tone;
    tone.type = shownPosition(int(record.toneType(side)), kToneTypeList.size());
    if (tone.type == int(kToneTypeCtcss)) tone.value = shownPosition(record.ctcss(side), kCtcssTable.size());
    if (tone.type == int(kToneTypeDcs)) {
        tone.value = record.dcsCode(side);
        tone.inverted = record.dcsInverted(side);
    }
    return tone;
}

} // namespace

// A drop-down without a selection shows a stored index outside its list; its field is left
// as it is rather than overwritten with a value the user never chose.
void storeChannelEdit(image::RadioImage& img, int slot, const ChannelEdit& edit) {
    if (edit.rx.isEmpty()) {
        channelClear(img, slot);
        return;
    }
    setUsageBit(img, slot, false);
    ChannelRecord record(img, slot);
    record.writeRxTx(image::parseFrequencyText(edit.rx), image::parseFrequencyText(edit.tx));
    if (edit.step >= 0) record.setStep(edit.step);
    if (edit.spacing >= 0) record.setSpacing(edit.spacing);
    if (edit.power >= 0) record.setPower(edit.power);
    storeTone(record, ToneSide::Decode, edit.decode);
    storeTone(record, ToneSide::Encode, edit.encode);
    storeSignalling(record, edit.signalling, edit.code);
    record.setName(edit.name);
    if (edit.busyLock >= 0) record.setBusyLock(edit.busyLock);
    record.setSquelchMode(squelchCode(edit.squelch));
    record.setTxOff(edit.txOff);
    record.setReverse(edit.reverse);
    record.setCompander(edit.compander);
    record.setTalkAround(edit.talkAround);
    if (edit.dtmfPttId >= 0) record.setDtmfPttId(edit.dtmfPttId);
    if (edit.fiveTonePttId >= 0) record.setFiveTonePttId(edit.fiveTonePttId);
    record.setScrambler(std::max(edit.scrambler, 0));
    setScanSkip(img, slot, edit.scanSkip);
}

ChannelEdit loadedChannelEdit(const image::RadioImage& img, int slot) {
    const ChannelRecordView record(img, slot);
    ChannelEdit edit;
    edit.rx = image::formatFrequency(record.rx());
    edit.tx = image::formatFrequency(record.txFrequency());
    edit.name = record.name();
    edit.step = shownPosition(record.step(), kStepList.size());
    edit.spacing = shownPosition(record.spacing(), kSpacingList.size());
    edit.power = shownPosition(record.power(), kPowerList.size());
    edit.decode = loadedTone(record, ToneSide::Decode);
    edit.encode = loadedTone(record, ToneSide::Encode);
    edit.signalling = shownPosition(record.signallingType(), kSignallingTypeList.size());
    edit.code = loadedSignallingCodeText(img, record);
    edit.squelch = loadedSquelchText(record);
    edit.busyLock = shownPosition(record.busyLock(), kBusyLockList.size());
    edit.dtmfPttId = shownPosition(record.dtmfPttId(), kPttIdList.size());
    edit.fiveTonePttId = shownPosition(record.fiveTonePttId(), kPttIdList.size());
    edit.scrambler = std::max(shownPosition(record.scrambler(), kScramblerList.size()), 0);
    edit.txOff = record.txOff();
    edit.reverse = record.reverse();
    edit.compander = record.compander();
    edit.talkAround = record.talkAround();
    edit.scanSkip = scanSkip(img, slot);
    return edit;
}

int clampedSlot(int slot) { return std::clamp(slot, kFirstSlot, kLastSlot); }

int steppedSlot(int namedSlot, int step) {
    // Summed in 64 bits: a slot read from a long number saturates at the int range's end.
    const long long slot = static_cast<long long>(namedSlot) + step;
    if (slot >= kFirstSlot && slot <= kLastSlot) return int(slot);
    return step > 0 ? kFirstSlot : kLastSlot;
}

} // namespace channels
