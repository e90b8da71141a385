// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Configurations the report tests build in code: a small one with known channels, lists and
// settings (its text is the golden file), and a full one with every slot and list in use.

#include "channels/channel_record.h"
#include "default_image.h"
#include "image/band_limits.h"
#include "settings/contact_book.h"
#include "settings/contact_fields.h"
#include "settings/function_setup.h"
#include "signalling/dtmf_codes.h"
#include "signalling/five_tone_codes.h"
#include "signalling/two_tone_codes.h"

namespace reporttest {

using channels::ChannelRecord;
using channels::ToneSide;

inline ChannelRecord putChannel(image::RadioImage& img, int slot, int rx10Hz, int tx10Hz) {
    channels::channelClear(img, slot);
    channels::setUsageBit(img, slot, false);
    ChannelRecord record(img, slot);
    record.writeRxTx(image::Freq10Hz(rx10Hz), image::Freq10Hz(tx10Hz));
    return record;
}

// "Default.dat" plus two channels, one DTMF code, one 2Tone entry, one contact and a squelch
// level of 5.
inline image::RadioImage smallConfiguration() {
    image::RadioImage img = defaultdat::defaultImage();
    ChannelRecord base = putChannel(img, 1, 14550000, 14550000);
    base.setName(u"BASE");
    base.setToneType(ToneSide::Decode, channels::kToneTypeCtcss);
    base.setCtcss(ToneSide::Decode, 9);  // 88.5
    base.setToneType(ToneSide::Encode, channels::kToneTypeCtcss);
    base.setCtcss(ToneSide::Encode, 9);
    base.setSignallingType(1);  // DTMF
    base.setDtmfCode(4);        // M5
    base.setSquelchMode(1);     // CTCSS/DCS
    ChannelRecord repeater = putChannel(img, 13, 15000000, 15560000);
    repeater.setName(u"RPT");
    repeater.setPower(2);  // Low
    repeater.setToneType(ToneSide::Encode, channels::kToneTypeDcs);
    repeater.setDcsCode(ToneSide::Encode, 023);
    channels::setScanSkip(img, 13, true);
    signalling::dtmf::packCode(img, signalling::dtmf::encodeEntry(0), u"123");
    signalling::twotone::storeEncodeRow(img, 3, {QStringLiteral("1000.0"), QStringLiteral("1500.0"), QStringLiteral("FIRE")});
    signalling::twotone::storeOccupancy(img);
    settings::contact::setCallId(img, 5, u"12345");
    settings::contact::setName(img, 5, u"BOB");
    img.setU8(settings::function_setup::kSquelchLevel, 5);
    return img;
}

// Every channel slot, DTMF code, 2Tone entry and contact in use; some channels with options.
inline image::RadioImage fullConfiguration() {
    image::RadioImage img = defaultdat::defaultImage();
    for (int slot = channels::kFirstSlot; slot <= channels::kLastSlot; ++slot) {
        ChannelRecord record = putChannel(img, slot, 14000000 + slot * 1250, 14500000 + slot * 1250);
        record.setName(QStringLiteral("CH%1").arg(slot));
        record.setToneType(ToneSide::Decode, channels::kToneTypeDcs);
        record.setDcsCode(ToneSide::Decode, slot);
        record.setToneType(ToneSide::Encode, channels::kToneTypeCtcss);
        record.setCtcss(ToneSide::Encode, slot % 51);
        record.setSignallingType(slot % 4);
        // A few channels set options of the Channel Edit dialog, as real lists do.
        if (slot % 10 == 4) record.setSquelchMode(1);  // CTCSS/DCS
        if (slot % 20 == 4) channels::setScanSkip(img, slot, true);
        if (slot % 30 == 7) record.setTalkAround(true);
    }
    for (int index = 0; index < signalling::dtmf::kEncodeEntries; ++index)
        signalling::dtmf::packCode(img, signalling::dtmf::encodeEntry(index), QString::number(100000 + index));
    for (int index = 0; index < signalling::twotone::kEntries; ++index)
        signalling::twotone::storeEncodeRow(img, index, {QString::number(300 + 50 * index) + QStringLiteral(".0"),
                                                         QStringLiteral("1500.0"), QStringLiteral("T%1").arg(index)});
    signalling::twotone::storeOccupancy(img);
    namespace ft = signalling::five_tone;
    for (int entry = 0; entry < ft::kEncodeEntries; ++entry)
        ft::storeEncodeEntry(img, entry,
                             {QString(), QStringLiteral("123%1").arg(45000 + entry), QStringLiteral("ZVEI1"),
                              QStringLiteral("70"), QStringLiteral("F%1").arg(entry)},
                             ft::readSelfId(img));
    ft::storeEncodeOccupancy(img);
    for (int k = 0; k < settings::contact::kCount; ++k) {
        settings::contact::setCallId(img, k, QString::number(10000 + k));
        settings::contact::setName(img, k, QStringLiteral("NAME%1").arg(k));
    }
    return img;
}

} // namespace reporttest
