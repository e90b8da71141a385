// SPDX-License-Identifier: GPL-3.0-or-later
// Channel records: addresses, field bits, RX/TX, names, tone cells, channel clear and the
// channel validity pass.

#include "channels/channel_record.h"
#include "image/memory_map.h"
#include "image_diff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

namespace channels {
namespace {

using image::Freq10Hz;
using image::RadioImage;
using testing_support::imageDiff;
using testing_support::joinLines;

std::vector<std::uint8_t> recordBytes(const RadioImage& img, int slot) {
    const auto bytes = img.bytes(recordAddress(slot), record::kSize);
    return {bytes.begin(), bytes.end()};
}

void fillRandom(RadioImage& img, unsigned seed) {
    std::mt19937 random(seed);
    for (std::uint8_t& byte : img.all()) byte = std::uint8_t(random());
}

TEST(RecordAddress, SlotsMapToTheirRecords) {
    const std::pair<int, image::Addr> cases[] = {
        {1, 0x2000}, {2, 0x2020}, {100, 0x2C60}, {200, 0x38E0}, {201, 0x0280}, {202, 0x0260}, {203, 0x02C0},
    };
    for (const auto& [slot, at] : cases) EXPECT_EQ(recordAddress(slot), at) << slot;
}

TEST(RecordAddress, OtherSlotsAreAProgrammingError) {
    EXPECT_DEATH(recordAddress(0), "slot");
    EXPECT_DEATH(recordAddress(204), "slot");
}

TEST(ChannelClear, WritesTheDefaultsAndMarksTheSlotEmpty) {
    const std::vector<std::uint8_t> cleared{
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x05, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF};
    for (int slot : {1, 77, 200, kSlotPA, kSlotPB, kSlotVFO}) {
        RadioImage img;
        fillRandom(img, unsigned(slot));
        setScanSkip(img, slot, true);
        setUsageBit(img, slot, false);

        channelClear(img, slot);

        EXPECT_EQ(recordBytes(img, slot), cleared) << slot;
        EXPECT_FALSE(scanSkip(img, slot));
        EXPECT_TRUE(usageBit(img, slot));
    }
}

TEST(ChannelClear, ReadsAsTheDefaultsOfANewChannel) {
    RadioImage img;
    channelClear(img, 5);
    const ChannelRecordView rec(img, 5);
    EXPECT_TRUE(rec.isEmpty());
    EXPECT_EQ(entryText(kStepList, rec.step()), u"12.5");
    EXPECT_EQ(entryText(kSpacingList, rec.spacing()), u"25");
    EXPECT_EQ(entryText(kPowerList, rec.power()), u"High");
    EXPECT_EQ(rec.toneText(ToneSide::Decode), u"Off");
    EXPECT_EQ(rec.toneText(ToneSide::Encode), u"Off");
    EXPECT_EQ(dtmfCodeLabel(rec.dtmfCode()), u"M5");
    EXPECT_EQ(entryText(kSquelchModeList, rec.squelchMode()), u"Carrier");
    EXPECT_EQ(rec.name(), u"");
}

TEST(EmptyTest, OnlyAllOnesOrAllZeroRx) {
    const std::pair<std::array<std::uint8_t, 4>, bool> cases[] = {
        {{0xFF, 0xFF, 0xFF, 0xFF}, true},
        {{0x00, 0x00, 0x00, 0x00}, true},
        {{0x00, 0x00, 0x00, 0x01}, false},
        {{0xFF, 0xFF, 0xFF, 0xFE}, false},
        {{0x01, 0x46, 0x52, 0x00}, false},
    };
    for (const auto& [rx, empty] : cases) {
        RadioImage img;
        std::copy(rx.begin(), rx.end(), img.bytes(recordAddress(3), 4).begin());
        EXPECT_EQ(ChannelRecordView(img, 3).isEmpty(), empty);
    }
}

TEST(TxFrequency, ShiftAndOffset) {
    struct Case {
        std::array<std::uint8_t, 8> rxAndOffset;
        unsigned shift;
        std::int32_t rx;
        std::int32_t tx;
    };
    const Case cases[] = {
        {{0x01, 0x46, 0x52, 0x00, 0x00, 0x00, 0x60, 0x00}, 3, 14652000, 14712000},
        {{0x01, 0x46, 0x52, 0x00, 0x00, 0x00, 0x60, 0x00}, 2, 14652000, 14592000},
        {{0x01, 0x46, 0x52, 0x00, 0x00, 0x00, 0x60, 0x00}, 1, 14652000, 14652000},
        {{0x01, 0x46, 0x52, 0x00, 0x00, 0x00, 0x60, 0x00}, 0, 14652000, 14652000},
        // 446.00625 is stored as 446.0062: the dropped 10 Hz digit is restored, not snapped away.
        {{0x04, 0x46, 0x00, 0x62, 0x00, 0x00, 0x00, 0x00}, 0, 44600625, 44600625},
        {{0x04, 0x46, 0x00, 0x00, 0x00, 0x00, 0x00, 0x62}, 3, 44600000, 44600625},
        {{0x04, 0x46, 0x01, 0x25, 0x00, 0x00, 0x00, 0x62}, 2, 44601250, 44600625},
        {{0x04, 0x46, 0x00, 0x61, 0x00, 0x00, 0x00, 0x00}, 0, 44600500, 44600500},  // RX snapped
        {{0x01, 0x36, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}, 0, 13600000, 13600000},  // cleared offset
        // Largest RX plus the largest offset saturates instead of overflowing.
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 3, 1666666500, 2147483500},
    };
    for (const Case& c : cases) {
        RadioImage img;
        std::copy(c.rxAndOffset.begin(), c.rxAndOffset.end(), img.bytes(recordAddress(9), 8).begin());
        ChannelRecord rec(img, 9);
        rec.setTxShift(c.shift);
        EXPECT_EQ(rec.rx().value, c.rx);
        EXPECT_EQ(rec.txFrequency().value, c.tx);
    }
}

TEST(WriteRxTx, ChannelsOnThe6250HzRasterSurviveStoreAndLoad) {
    const std::pair<std::int32_t, std::int32_t> pairs[] = {
        {44600625, 44600625}, {44601875, 44600625}, {44600625, 44601250}, {14600625, 15200625},
        // A 6.25 kHz RX with a TX on the 5 kHz raster above or below it.
        {44600625, 44601000}, {14600625, 14601500}, {44603125, 44601000}, {44601875, 44600000},
        // Channels on the 2.5 kHz raster, which entry rounding keeps as typed.
        {14600250, 14600250}, {14600750, 14600750}, {14600250, 14660750}, {44600625, 44600750},
        {14600750, 14600625}};
    for (const auto& [rx, tx] : pairs) {
        RadioImage img;
        ChannelRecord rec(img, 5);
        rec.writeRxTx(Freq10Hz(rx), Freq10Hz(tx));
        EXPECT_EQ(rec.rx().value, rx);
        EXPECT_EQ(rec.txFrequency().value, tx) << rx << " -> " << tx;
        rec.writeRxTx(rec.rx(), rec.txFrequency());  // a second store moves nothing
        EXPECT_EQ(rec.rx().value, rx);
        EXPECT_EQ(rec.txFrequency().value, tx);
    }
}

TEST(WriteRxTx, OffsetAndShiftKeepTheOtherBits) {
    struct Case {
        std::int32_t rx, tx;
        std::array<std::uint8_t, 8> bytes;
        std::uint8_t byte0A;
    };
    const Case cases[] = {
        {14652000, 14712000, {0x01, 0x46, 0x52, 0x00, 0x00, 0x00, 0x60, 0x00}, 0xF7},
        {14652000, 14592000, {0x01, 0x46, 0x52, 0x00, 0x00, 0x00, 0x60, 0x00}, 0xF6},
        {14652000, 14652000, {0x01, 0x46, 0x52, 0x00, 0x00, 0x00, 0x00, 0x00}, 0xF4},
        {44601250, 43601250, {0x04, 0x46, 0x01, 0x25, 0x00, 0x10, 0x00, 0x00}, 0xF6},
    };
    for (const Case& c : cases) {
        RadioImage img;
        img.fill(recordAddress(4), record::kSize, 0xAA);
        img.setU8(Addr(recordAddress(4) + 0x0A), 0xF5);  // shift 1, every other bit in use
        const RadioImage before = img;

        ChannelRecord rec(img, 4);
        rec.writeRxTx(Freq10Hz(c.rx), Freq10Hz(c.tx));

        const auto bytes = img.bytes(recordAddress(4), 8);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), c.bytes.begin())) << c.rx << " " << c.tx;
        EXPECT_EQ(img.u8(Addr(recordAddress(4) + 0x0A)), c.byte0A);
        EXPECT_EQ(rec.txFrequency().value, c.tx);
        const Addr at = recordAddress(4);
        EXPECT_EQ(joinLines(imageDiff(before, img, [at](unsigned a, int bit) {
                      return a < at + 8u || (a == at + 0x0Au && bit < 2);
                  })),
                  "");
    }
}

// Each setter changes its own bits and nothing else of the image.
TEST(RecordSetters, TouchOnlyTheirOwnBits) {
    struct Case {
        const char* name;
        std::function<void(ChannelRecord&)> write;
        std::function<bool(const ChannelRecordView&)> readsBack;
        int offset;
        std::uint8_t mask;
    };
    const Case cases[] = {
        {"step", [](ChannelRecord& r) { r.setStep(7); }, [](auto& r) { return r.step() == 7; }, 0x08, 0xFF},
        {"txOff", [](ChannelRecord& r) { r.setTxOff(true); }, [](auto& r) { return r.txOff(); }, 0x09, 0x01},
        {"reverse", [](ChannelRecord& r) { r.setReverse(true); }, [](auto& r) { return r.reverse(); }, 0x09, 0x02},
        {"spacing", [](ChannelRecord& r) { r.setSpacing(2); }, [](auto& r) { return r.spacing() == 2; }, 0x09, 0x0C},
        {"encode inverted", [](ChannelRecord& r) { r.setDcsInverted(ToneSide::Encode, true); },
         [](auto& r) { return r.dcsInverted(ToneSide::Encode); }, 0x09, 0x10},
        {"txShift", [](ChannelRecord& r) { r.setTxShift(2); }, [](auto& r) { return r.txShift() == 2; }, 0x0A, 0x03},
        {"power", [](ChannelRecord& r) { r.setPower(1); }, [](auto& r) { return r.power() == 1; }, 0x0A, 0x0C},
        {"decode inverted", [](ChannelRecord& r) { r.setDcsInverted(ToneSide::Decode, true); },
         [](auto& r) { return r.dcsInverted(ToneSide::Decode); }, 0x0A, 0x10},
        {"compander", [](ChannelRecord& r) { r.setCompander(true); }, [](auto& r) { return r.compander(); }, 0x0A,
         0x40},
        {"talkAround", [](ChannelRecord& r) { r.setTalkAround(true); }, [](auto& r) { return r.talkAround(); }, 0x0A,
         0x80},
        {"encode type", [](ChannelRecord& r) { r.setToneType(ToneSide::Encode, kToneTypeDcs); },
         [](auto& r) { return r.toneType(ToneSide::Encode) == kToneTypeDcs; }, 0x0B, 0x03},
        {"decode type", [](ChannelRecord& r) { r.setToneType(ToneSide::Decode, kToneTypeCtcss); },
         [](auto& r) { return r.toneType(ToneSide::Decode) == kToneTypeCtcss; }, 0x0B, 0x0C},
        {"dtmf code", [](ChannelRecord& r) { r.setDtmfCode(15); }, [](auto& r) { return r.dtmfCode() == 15; }, 0x0B,
         0xF0},
        {"encode ctcss", [](ChannelRecord& r) { r.setCtcss(ToneSide::Encode, 50); },
         [](auto& r) { return r.ctcss(ToneSide::Encode) == 50; }, 0x0C, 0xFF},
        {"decode ctcss", [](ChannelRecord& r) { r.setCtcss(ToneSide::Decode, 9); },
         [](auto& r) { return r.ctcss(ToneSide::Decode) == 9; }, 0x0D, 0xFF},
        {"signalling type", [](ChannelRecord& r) { r.setSignallingType(3); },
         [](auto& r) { return r.signallingType() == 3; }, 0x10, 0xFF},
        {"signalling code", [](ChannelRecord& r) { r.setSignallingCode(31); },
         [](auto& r) { return r.signallingCode() == 31; }, 0x11, 0xFF},
        {"5Tone code", [](ChannelRecord& r) { r.setFiveToneCode(99); },
         [](auto& r) { return r.fiveToneCode() == 99; }, 0x12, 0xFF},
        {"busy lock", [](ChannelRecord& r) { r.setBusyLock(2); }, [](auto& r) { return r.busyLock() == 2; }, 0x1A,
         0xFF},
        {"scrambler", [](ChannelRecord& r) { r.setScrambler(9); }, [](auto& r) { return r.scrambler() == 9; }, 0x1B,
         0xFF},
        {"dtmf ptt id", [](ChannelRecord& r) { r.setDtmfPttId(3); }, [](auto& r) { return r.dtmfPttId() == 3; },
         0x1C, 0x03},
        {"5Tone ptt id", [](ChannelRecord& r) { r.setFiveTonePttId(2); },
         [](auto& r) { return r.fiveTonePttId() == 2; }, 0x1C, 0x30},
        {"squelch", [](ChannelRecord& r) { r.setSquelchMode(4); }, [](auto& r) { return r.squelchMode() == 4; },
         0x1D, 0xFF},
    };
    for (unsigned seed = 1; seed <= 8; ++seed) {
        for (const Case& c : cases) {
            RadioImage img;
            fillRandom(img, seed);
            const RadioImage before = img;
            ChannelRecord rec(img, 150);
            c.write(rec);
            EXPECT_TRUE(c.readsBack(rec)) << c.name;
            const unsigned field = recordAddress(150) + unsigned(c.offset);
            const std::uint8_t mask = c.mask;
            EXPECT_EQ(joinLines(imageDiff(before, img, [field, mask](unsigned a, int bit) {
                          return a == field && ((mask >> bit) & 1u);
                      })),
                      "")
                << c.name;
        }
    }
}

TEST(DcsCode, NineBitsAcrossTwoBytes) {
    RadioImage img;
    img.fill(recordAddress(1), record::kSize, 0x00);
    ChannelRecord rec(img, 1);
    rec.setDcsCode(ToneSide::Decode, 0777);
    rec.setDcsInverted(ToneSide::Decode, true);
    EXPECT_EQ(img.u8(0x200F), 0xFF);
    EXPECT_EQ(img.u8(0x200A), 0x30);  // bit 5 = code bit 8, bit 4 = inverted
    EXPECT_EQ(rec.dcsCode(ToneSide::Decode), 511);

    rec.setDcsCode(ToneSide::Encode, 0x123);
    EXPECT_EQ(img.u8(0x200E), 0x23);
    EXPECT_EQ(img.u8(0x2009), 0x20);
    rec.setDcsCode(ToneSide::Encode, 0x023);  // clears bit 8 again, inverted flag untouched
    EXPECT_EQ(img.u8(0x2009), 0x00);
    EXPECT_EQ(rec.dcsCode(ToneSide::Encode), 0x23);
}

TEST(ToneCells, ShowTheRecordSide) {
    struct Case {
        std::uint8_t b09, b0A, b0B, b0C, b0D, b0E, b0F;
        const char* decode;
        const char* encode;
    };
    const Case cases[] = {
        {0x00, 0x00, 0x00, 0, 0, 0, 0, "Off", "Off"},
        {0x00, 0x00, 0x05, 9, 50, 0, 0, "254.1", "88.5"},
        {0x30, 0x00, 0x0A, 0, 0, 0xFF, 0x13, "D023N", "D777I"},
        {0x00, 0x30, 0x0F, 0, 0, 0x13, 0xFF, "Off", "Off"},  // type 3 shows as "Off"
        {0x00, 0x00, 0x04, 0, 51, 0, 0, "", "Off"},          // index beyond the table shows nothing
    };
    for (const Case& c : cases) {
        RadioImage img;
        const Addr at = recordAddress(2);
        const std::uint8_t bytes[] = {c.b09, c.b0A, c.b0B, c.b0C, c.b0D, c.b0E, c.b0F};
        std::copy(std::begin(bytes), std::end(bytes), img.bytes(Addr(at + 9), 7).begin());
        const ChannelRecordView rec(img, 2);
        EXPECT_EQ(rec.toneText(ToneSide::Decode), QLatin1String(c.decode));
        EXPECT_EQ(rec.toneText(ToneSide::Encode), QLatin1String(c.encode));
    }
}

TEST(ToneCells, StoreWritesTypeAndValue) {
    struct Case {
        ToneSide side;
        const char* text;
        unsigned type;
        int ctcss;  // expected value byte, or -1 to expect it unchanged
        int dcs;
        bool inverted;
    };
    const Case cases[] = {
        {ToneSide::Encode, "88.5", kToneTypeCtcss, 9, -1, true},
        {ToneSide::Decode, "254.1", kToneTypeCtcss, 50, -1, true},
        {ToneSide::Encode, "88.50", kToneTypeCtcss, -1, -1, true},  // not in the table: index kept
        {ToneSide::Decode, "D023N", kToneTypeDcs, -1, 19, false},
        {ToneSide::Encode, "D777I", kToneTypeDcs, -1, 511, true},
        {ToneSide::Decode, "Off", kToneTypeOff, -1, -1, true},
        {ToneSide::Encode, "", kToneTypeOff, -1, -1, true},
    };
    for (const Case& c : cases) {
        RadioImage img;
        img.fill(recordAddress(6), record::kSize, 0xFF);
        ChannelRecord rec(img, 6);
        const RadioImage before = img;
        const ChannelRecordView old(before, 6);
        rec.storeToneText(c.side, QString::fromLatin1(c.text));
        EXPECT_EQ(rec.toneType(c.side), c.type) << c.text;
        EXPECT_EQ(rec.ctcss(c.side), c.ctcss < 0 ? old.ctcss(c.side) : c.ctcss) << c.text;
        EXPECT_EQ(rec.dcsCode(c.side), c.dcs < 0 ? old.dcsCode(c.side) : c.dcs) << c.text;
        EXPECT_EQ(rec.dcsInverted(c.side), c.inverted) << c.text;
        const ToneSide other = c.side == ToneSide::Encode ? ToneSide::Decode : ToneSide::Encode;
        EXPECT_EQ(rec.toneType(other), old.toneType(other));
    }
}

TEST(ChannelName, PaddedWithFFAndReadToATerminator) {
    RadioImage img;
    img.fill(recordAddress(8), record::kSize, 0x00);
    ChannelRecord rec(img, 8);
    const Addr name = Addr(recordAddress(8) + 0x13);

    rec.setName(u"AB");
    const std::vector<std::uint8_t> padded{0x41, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::ranges::equal(img.bytes(name, 7), padded));
    EXPECT_EQ(img.u8(Addr(name + 7)), 0x00);  // +1A untouched
    EXPECT_EQ(rec.name(), u"AB");

    rec.setName(u"ABCDEFGHI");
    EXPECT_EQ(rec.name(), u"ABCDEFG");
    EXPECT_EQ(img.u8(Addr(name + 7)), 0x00);

    img.setU8(Addr(name + 1), 0x00);
    EXPECT_EQ(rec.name(), u"A");
    rec.setName(u"");
    EXPECT_TRUE(img.allBytesAre(name, 7, 0xFF));
    EXPECT_EQ(rec.name(), u"");
}

// ---- channel validity pass -----------------------------------------------------------

class ValidityPass : public ::testing::Test {
protected:
    void SetUp() override {
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) channelClear(img, slot);
    }
    void setRxTx(int slot, std::int32_t rx, std::int32_t tx) {
        ChannelRecord(img, slot).writeRxTx(Freq10Hz(rx), Freq10Hz(tx));
    }
    RadioImage img;
    image::BandLimits limits;  // 136-174 MHz both ways
};

TEST_F(ValidityPass, OnlyRxDecides) {
    setRxTx(1, 14652000, 45000000);  // TX outside the transmit band
    setRxTx(2, 45000000, 45000000);
    setRxTx(3, 13600000, 13600000);  // on the band edges
    setRxTx(4, 17400000, 17400000);
    setRxTx(5, 13599990, 13599990);  // snaps below the edge
    setRxTx(kSlotPA, 14652000, 14652000);
    setRxTx(kSlotPB, 17500000, 17500000);
    img.fill(recordAddress(6), 4, 0x00);  // all-zero RX

    channelValidityPass(img, limits);

    const std::tuple<int, bool, bool> expected[] = {
        {1, false, false}, {2, true, true},       {3, false, false},      {4, false, false}, {5, true, true},
        {6, true, true},   {7, true, true},       {kSlotPA, false, false}, {kSlotPB, true, true},
    };
    for (const auto& [slot, empty, skip] : expected) {
        EXPECT_EQ(usageBit(img, slot), empty) << slot;
        EXPECT_EQ(scanSkip(img, slot), skip) << slot;
    }
}

TEST_F(ValidityPass, BackInBandClearsUsageButKeepsSkip) {
    setRxTx(2, 45000000, 45000000);
    channelValidityPass(img, limits);
    setRxTx(2, 14600000, 14600000);
    channelValidityPass(img, limits);
    EXPECT_FALSE(usageBit(img, 2));
    EXPECT_TRUE(scanSkip(img, 2));
}

TEST_F(ValidityPass, VfoIsNotVisited) {
    setRxTx(kSlotVFO, 14652000, 14652000);
    setUsageBit(img, kSlotVFO, false);
    setScanSkip(img, kSlotVFO, false);
    channelValidityPass(img, limits);
    EXPECT_TRUE(usageBit(img, kSlotVFO));  // the whole usage bitmap starts over at 0xFF
    EXPECT_FALSE(scanSkip(img, kSlotVFO));
    for (int index = kLastSlot; index < 256; ++index) EXPECT_TRUE(img.mapBit(image::map::kChannelUsageMap, index));
}

} // namespace
} // namespace channels
