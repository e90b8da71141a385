// SPDX-License-Identifier: GPL-3.0-or-later
// The channel list's rules on plain images: row fill, row store, the commits of the in-cell
// editors, and the Channel Edit dialog's lists and navigation.

#include "channel_fixture.h"
#include "channels/channel_edit_rules.h"
#include "channels/channel_rows.h"
#include "tests/channels/image_diff.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace channels_test {
namespace {

using namespace channels;
using testing_support::imageDiff;
using testing_support::joinLines;

struct Rows : ::testing::Test {
    image::BandLimits limits;  // 136-174 MHz both ways
    RadioImage img;
    void SetUp() override { blankImage(img, limits); }
};

TEST_F(Rows, FillShowsTheRecordClampedIntoTheBands) {
    ChannelRecord record = putChannel(img, 5, "180.00000", "150.00000");
    record.setName(u"rpt");
    record.setToneType(ToneSide::Decode, kToneTypeDcs);
    record.setDcsCode(ToneSide::Decode, 0777);
    record.setDcsInverted(ToneSide::Decode, true);
    record.setToneType(ToneSide::Encode, kToneTypeCtcss);
    record.setCtcss(ToneSide::Encode, 13);

    const ChannelRowCells row = loadChannelRow(img, limits, 5);

    const ChannelRowCells expected{"4",  "174.00000", "150.00000", "rpt",   "12.5",
                                   "25", "High",      "D777I",     "100.0", "Off"};
    EXPECT_EQ(row, expected);
}

TEST_F(Rows, UsageBitHidesAChannelExceptOnVfo) {
    putChannel(img, 7, "146.52000", "146.52000");
    setUsageBit(img, 7, true);
    putChannel(img, kSlotVFO, "100.00000", "100.00000");
    setUsageBit(img, kSlotVFO, true);

    EXPECT_TRUE(loadChannelRow(img, limits, 7)[kColRx].isEmpty());
    EXPECT_EQ(loadChannelRow(img, limits, kSlotVFO)[kColRx], "136.00000");
    EXPECT_EQ(loadChannelRow(img, limits, kSlotVFO)[kColTx], "136.00000");
}

TEST_F(Rows, EmptyRowClearsTheRecord) {
    putChannel(img, 3, "146.52000", "146.52000");
    ChannelRowCells empty;
    storeChannelRow(img, 3, empty);
    EXPECT_EQ(recordBytes(img, 3), clearedRecord());
    EXPECT_TRUE(usageBit(img, 3));
}

// What the list does not show, and option indexes outside their lists, survive a round trip.
TEST_F(Rows, LoadAndStoreChangeNothingTheUserDidNotTouch) {
    ChannelRecord record = putChannel(img, 9, "145.50000", "145.00000");
    record.setStep(12);
    record.setPower(3);
    record.setToneType(ToneSide::Encode, kToneTypeCtcss);
    record.setCtcss(ToneSide::Encode, 60);
    img.setU8(Addr(record.address() + 0x09), 0xC0);  // kept bits 6-7
    img.setU8(Addr(record.address() + 0x1C), 0xCC);  // kept bits 2-3 and 6-7
    for (std::uint8_t offset : {0x10, 0x11, 0x12, 0x1A, 0x1B, 0x1D, 0x1E}) img.setU8(Addr(record.address() + offset), 0x03);
    const RadioImage before = img;

    const ChannelRowCells row = loadChannelRow(img, limits, 9);
    EXPECT_EQ(row[kColStep], "");
    EXPECT_EQ(row[kColEncode], "");
    storeChannelRow(img, 9, row);

    EXPECT_EQ(joinLines(imageDiff(before, img)), "");
}

TEST_F(Rows, StoreWritesToneTextsIntoTheirBits) {
    putChannel(img, 2, "146.52000", "146.52000");
    ChannelRowCells row = loadChannelRow(img, limits, 2);
    row[kColDecode] = "D777I";
    row[kColEncode] = "D023N";
    row[kColPower] = "Low";
    storeChannelRow(img, 2, row);

    const ChannelRecordView stored(img, 2);
    const Addr at = stored.address();
    EXPECT_EQ(img.u8(Addr(at + 0x0F)), 0xFF);
    EXPECT_TRUE(img.bit(Addr(at + 0x0A), 5));
    EXPECT_TRUE(img.bit(Addr(at + 0x0A), 4));
    EXPECT_EQ(stored.dcsCode(ToneSide::Encode), 023);
    EXPECT_FALSE(stored.dcsInverted(ToneSide::Encode));
    EXPECT_EQ(stored.power(), 2);
}

TEST_F(Rows, NewRowStartsFromTheDefaults) {
    ChannelRowCells row;
    EXPECT_FALSE(commitRxCell(row, img, limits, 4, u"146.52").vfoCannotBeNull);
    const ChannelRowCells expected{"", "146.52000", "146.52000", "", "12.5", "25", "High", "Off", "Off", "Off"};
    EXPECT_EQ(row, expected);
}

TEST_F(Rows, RxEntriesFollowTheBands) {
    limits.txLow = mhz("144");
    limits.txHigh = mhz("148");
    struct Case {
        const char* typed;
        const char* rx;
        const char* tx;
    } cases[] = {
        {"150.0125", "150.01250", "144.00000"},  // receive band only: TX at transmit low
        {"200", "136.00000", "144.00000"},       // outside the receive band: both low limits
        {"145.0013", "145.00000", "145.00000"},  // off the raster: TX follows the rounded RX
        {"446.00625", "136.00000", "144.00000"},
    };
    for (const Case& c : cases) {
        ChannelRowCells row;
        commitRxCell(row, img, limits, 4, QString::fromLatin1(c.typed));
        EXPECT_EQ(row[kColRx], c.rx) << c.typed;
        EXPECT_EQ(row[kColTx], c.tx) << c.typed;
    }
}

TEST_F(Rows, ChangedRxLeavesTheRestOfTheRow) {
    putChannel(img, 6, "146.52000", "146.00000");
    ChannelRowCells row = loadChannelRow(img, limits, 6);
    row[kColName] = "HOME";
    commitRxCell(row, img, limits, 6, u"147.00625");
    EXPECT_EQ(row[kColRx], "147.00625");
    EXPECT_EQ(row[kColTx], "146.00000");
    EXPECT_EQ(row[kColName], "HOME");
}

TEST_F(Rows, EmptyOrZeroRxDeletesExceptOnVfo) {
    for (const char16_t* typed : {u"", u"0", u"0.000"}) {
        putChannel(img, 8, "146.52000", "146.52000");
        ChannelRowCells row = loadChannelRow(img, limits, 8);
        EXPECT_FALSE(commitRxCell(row, img, limits, 8, typed).vfoCannotBeNull);
        EXPECT_EQ(row, ChannelRowCells{"7"});
        EXPECT_EQ(recordBytes(img, 8), clearedRecord());
    }
    putChannel(img, kSlotVFO, "146.52000", "146.52000");
    ChannelRowCells vfo = loadChannelRow(img, limits, kSlotVFO);
    const ChannelRowCells before = vfo;
    EXPECT_TRUE(commitRxCell(vfo, img, limits, kSlotVFO, u"").vfoCannotBeNull);
    EXPECT_EQ(vfo, before);
}

TEST_F(Rows, TxAndOptionCommits) {
    ChannelRowCells row{"0", "146.52000", "146.52000", "", "12.5", "25", "High", "Off", "Off", "Off"};
    commitTxCell(row, limits, u"180");
    EXPECT_EQ(row[kColTx], "136.00000");
    commitTxCell(row, limits, u"");
    EXPECT_EQ(row[kColTx], "136.00000");
    commitTxCell(row, limits, u"146.0013");
    EXPECT_EQ(row[kColTx], "146.00000");
    commitOptionCell(row, kColDecode, u"d23i");
    EXPECT_EQ(row[kColDecode], "D023I");

    ChannelRowCells empty{"1"};
    commitTxCell(empty, limits, u"146.52");
    commitOptionCell(empty, kColName, u"ABC");
    EXPECT_EQ(empty, ChannelRowCells{"1"});
}

// A file whose transmit limits are inverted (low 174 MHz, high 136 MHz) or whose limit
// fields hold more than eight BCD digits once moved TX on every load and store
// (146 -> 174 -> 136 -> 174 ...); zero limits clamped RX to a value that reads back as an
// empty record. Load and store is a fixpoint for any limits.
TEST_F(Rows, LoadAndStoreSettleWhateverTheBandLimits) {
    const struct { const char* name; std::array<std::uint8_t, 16> limitBytes; } cases[] = {
        {"inverted transmit limits",
         {0x01, 0x36, 0x00, 0x00, 0x01, 0x74, 0x00, 0x00, 0x01, 0x74, 0x00, 0x00, 0x01, 0x36, 0x00, 0x00}},
        {"inverted receive limits",
         {0x01, 0x74, 0x00, 0x00, 0x01, 0x36, 0x00, 0x00, 0x01, 0x36, 0x00, 0x00, 0x01, 0x74, 0x00, 0x00}},
        {"limits beyond eight BCD digits",
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFA, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"receive limits beyond eight BCD digits",
         {0xA0, 0x00, 0x00, 0x00, 0xA0, 0x00, 0x00, 0x00, 0x01, 0x36, 0x00, 0x00, 0x01, 0x74, 0x00, 0x00}},
        {"zero limits, as a short file leaves them", {}},
        {"low limits beyond eight BCD digits",
         {0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x74, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x74, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        putChannel(img, 5, "146.00000", "146.00000");
        putChannel(img, 6, "150.00000", "140.00000");
        for (int i = 0; i < 16; ++i) img.setU8(Addr(image::map::kBandRxLow + i), c.limitBytes[std::size_t(i)]);
        const image::BandLimits fileLimits = image::decodeBandLimits(img);
        auto loadAndStore = [&] {
            for (int slot : {5, 6, kSlotVFO}) storeChannelRow(img, slot, loadChannelRow(img, fileLimits, slot));
        };
        loadAndStore();
        const RadioImage once = img;
        loadAndStore();
        EXPECT_EQ(joinLines(imageDiff(once, img)), "");
    }
}

TEST(ChannelEditRules, SquelchEntriesFollowTheSelections) {
    EXPECT_EQ(squelchEntries(false, false), QStringList{"Carrier"});
    EXPECT_EQ(squelchEntries(false, true), (QStringList{"Carrier", "Optional Signaling"}));
    EXPECT_EQ(squelchEntries(true, false), (QStringList{"Carrier", "CTCSS/DCS"}));
    EXPECT_EQ(squelchEntries(true, true).size(), 5);
    EXPECT_EQ(squelchCode(u"CTCSS/DCS Or Option Signal"), 4);
    EXPECT_EQ(squelchCode(u"carrier"), 0);
}

TEST(ChannelEditRules, CodeListsOfferEntriesInUse) {
    RadioImage img;
    img.fill(image::map::kTwoToneFreeMap, 4, 0xFF);
    img.fill(image::map::kFiveToneFreeMap, 13, 0xFF);
    img.setMapBit(image::map::kTwoToneFreeMap, 3, false);
    img.setMapBit(image::map::kTwoToneFreeMap, 31, false);
    img.setMapBit(image::map::kFiveToneFreeMap, 99, false);
    EXPECT_EQ(signallingCodeEntries(img, kSignallingTwoTone), (QStringList{"3", "31"}));
    EXPECT_EQ(signallingCodeEntries(img, kSignallingFiveTone), QStringList{"99"});
    EXPECT_EQ(signallingCodeEntries(img, kSignallingDtmf).last(), "M16");
    EXPECT_TRUE(signallingCodeEntries(img, kSignallingOff).isEmpty());
    EXPECT_EQ(signallingCodeValue(u"M16"), 15);
    EXPECT_EQ(signallingCodeValue(u"31"), 31);
}

TEST(ChannelEditRules, SteppingWrapsBetweenVfoAndTheFirstChannel) {
    EXPECT_EQ(steppedSlot(kSlotVFO, +1), 1);
    EXPECT_EQ(steppedSlot(1, -1), kSlotVFO);
    EXPECT_EQ(steppedSlot(0, +1), 1);
    EXPECT_EQ(steppedSlot(301, +1), 1);
    EXPECT_EQ(steppedSlot(-4, -1), kSlotVFO);
    EXPECT_EQ(steppedSlot(100, -1), 99);
    // "NO." once took 99999999999, read as the int range's end; Up then overflowed.
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(steppedSlot(kMax, +1), 1);
    EXPECT_EQ(steppedSlot(kMax, -1), kSlotVFO);
    EXPECT_EQ(steppedSlot(kMin, -1), kSlotVFO);
    EXPECT_EQ(steppedSlot(kMin, +1), 1);
    EXPECT_EQ(clampedSlot(0), 1);
    EXPECT_EQ(clampedSlot(301), kSlotVFO);
}

} // namespace
} // namespace channels_test
