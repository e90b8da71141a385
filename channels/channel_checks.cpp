// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration check's channel rules: a channel the radio's band does not cover, two
// channels the radio cannot tell apart, and across a fleet one channel name with different
// frequencies or tones.

#include "channels/channel_checks.h"

#include "channels/channel_sections.h"
#include "app/check_texts.h"
#include "channels/channel_record.h"
#include "channels/channel_row_ops.h"
#include "channels/channel_rows.h"
#include "channels/channel_texts.h"
#include "channels/value_tables.h"

#include <QHash>

namespace channels {

QList<int> checkedSlots(const image::RadioImage& img) {
    QList<int> used;
    for (int slot = kFirstSlot; slot <= kSlotPB; ++slot)
        if (rows::inUse(img, slot)) used.append(slot);
    if (!ChannelRecordView(img, kSlotVFO).isEmpty()) used.append(kSlotVFO);
    return used;
}

QString channelField(int slot, const char* label) {
    const QString field = *label ? texts::tr(label) : QString();  // "" names the row alone
    return app::check::texts::kChannelField.arg(texts::tr(kChannelColumnInfo[kColLabel].header.data()), channelLabel(slot),
                                                field);  // literals: terminated
}

} // namespace channels

namespace channels {

using namespace app::check;

namespace {

namespace ct = channels::texts;

QString bandText(image::Freq10Hz low, image::Freq10Hz high) {
    return app::check::texts::kBandRange.arg(low.wholeMHz()).arg(high.wholeMHz());
}

void checkBand(const image::RadioImage& img, const image::BandLimits& limits, int slot, Findings& out) {
    const ChannelRecordView record(img, slot);
    const auto add = [&](const char* label, const QString& message) {
        out.append(finding(channels::texts::kEditorNames, channels::channelField(slot, label), message));
    };
    if (!limits.rxInBand(record.rx()))
        add(ct::kRxFrequency, app::check::texts::kOutsideReceiveBand.arg(image::formatFrequency(record.rx()),
                                                             bandText(limits.rxLow, limits.rxHigh)));
    // A channel whose TX is off never transmits on the frequency it keeps.
    if (!record.txOff() && !limits.txInBand(record.txFrequency()))
        add(ct::kTxFrequency, app::check::texts::kOutsideTransmitBand.arg(image::formatFrequency(record.txFrequency()),
                                                              bandText(limits.txLow, limits.txHigh)));
}

// Everything of a channel that is used on the air: two channels alike in all of it are one
// channel twice. A talk-around or low-power copy of a repeater channel is a channel of its own.
QString onAirKey(const ChannelRecordView& record) {
    const QString tx = record.txOff() ? QStringLiteral("off") : image::formatFrequency(record.txFrequency());
    return QStringList{image::formatFrequency(record.rx()), tx, record.toneText(ToneSide::Decode),
                       record.toneText(ToneSide::Encode), QString::number(record.power()),
                       QString::number(record.talkAround()), QString::number(record.reverse()),
                       QString::number(record.signallingType()), QString::number(record.dtmfCode()),
                       QString::number(record.signallingCode()), QString::number(record.fiveToneCode()),
                       QString::number(record.dtmfPttId()), QString::number(record.fiveTonePttId())}
        .join(u'|');
}

// The radio stops on both while scanning and opens its squelch on both for the same signal.
// "VFO" is the working frequency, not a stored channel, and is left out.
void checkAlike(const image::RadioImage& img, const QList<int>& used, Findings& out) {
    QHash<QString, int> first;
    for (const int slot : used) {
        if (slot == channels::kSlotVFO) continue;
        const ChannelRecordView record(img, slot);
        const QString rx = image::formatFrequency(record.rx());
        const QString decode = record.toneText(ToneSide::Decode);
        const QString encode = record.toneText(ToneSide::Encode);
        const QString key = onAirKey(record);
        const auto earlier = first.constFind(key);
        if (earlier == first.constEnd()) {
            first.insert(key, slot);
            continue;
        }
        out.append(finding(channels::texts::kEditorNames, channels::channelField(slot, ct::kRxFrequency),
                           app::check::texts::kSameAsChannel.arg(channels::channelLabel(*earlier), rx, decode, encode)));
    }
}

// What a channel name stands for in a radio.
struct NamedChannel {
    int slot = 0;
    QString rx, tx, decode, encode;
    bool sameAs(const NamedChannel& o) const { return rx == o.rx && tx == o.tx && decode == o.decode && encode == o.encode; }
};

NamedChannel namedChannel(const image::RadioImage& img, int slot) {
    const ChannelRecordView record(img, slot);
    return {slot, image::formatFrequency(record.rx()), image::formatFrequency(record.txFrequency()),
            record.toneText(ToneSide::Decode), record.toneText(ToneSide::Encode)};
}

QString nameDifferences(const NamedChannel& here, const NamedChannel& there) {
    QStringList parts;
    const auto compare = [&](const char* label, const QString& a, const QString& b) {
        if (a != b) parts.append(app::check::texts::kNameDifference.arg(texts::tr(label), a, b));
    };
    compare(ct::kRxFrequency, here.rx, there.rx);
    compare(ct::kTxFrequency, here.tx, there.tx);
    compare(ct::kDecode, here.decode, there.decode);
    compare(ct::kEncode, here.encode, there.encode);
    return parts.join(app::check::texts::kDifferenceSeparator);
}

// The first radio that uses a name sets what it stands for (one radio may use it for
// several channels); a later radio's channel of that name must be one of them.
struct NameReference {
    qsizetype radio = 0;
    QList<NamedChannel> channels;
};

} // namespace

void checkChannels(const CheckSource& source, Findings& out) {
    const QList<int> used = channels::checkedSlots(source.image);
    for (const int slot : used) checkBand(source.image, source.limits, slot, out);
    checkAlike(source.image, used, out);
}

void checkFleetChannelNames(std::span<const FleetRadio> radios, FleetFindings& out) {
    QHash<QString, NameReference> references;
    for (qsizetype r = 0; r < qsizetype(radios.size()); ++r) {
        const FleetRadio& radio = radios[std::size_t(r)];
        QHash<QString, QList<NamedChannel>> own;
        QStringList order;
        for (const int slot : channels::checkedSlots(radio.image)) {
            const QString name = ChannelRecordView(radio.image, slot).name().trimmed();
            if (name.isEmpty()) continue;
            if (!own.contains(name)) order.append(name);
            own[name].append(namedChannel(radio.image, slot));
        }
        for (const QString& name : std::as_const(order)) {
            const auto reference = references.constFind(name);
            if (reference == references.constEnd()) {
                references.insert(name, {r, own.value(name)});
                continue;
            }
            const NamedChannel& there = reference->channels.first();
            for (const NamedChannel& here : own.value(name)) {
                const bool known = std::any_of(reference->channels.begin(), reference->channels.end(),
                                               [&](const NamedChannel& c) { return c.sameAs(here); });
                if (known) continue;
                const QString message = app::check::texts::kNameDiffers.arg(name, channels::channelLabel(there.slot),
                                                                radios[std::size_t(reference->radio)].name,
                                                                nameDifferences(here, there));
                out.append({radio.name, finding(channels::texts::kEditorNames,
                                                channels::channelField(here.slot, ct::kChannelName), message)});
            }
        }
    }
}

} // namespace channels
