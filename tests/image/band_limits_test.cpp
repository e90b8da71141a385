// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/band_limits.h"

#include "image/memory_map.h"

#include <gtest/gtest.h>

using namespace image;

TEST(BandLimits, EncodeThenDecodeKeepsWholeKilohertzLimits) {
    RadioImage img;
    const BandLimits limits = bandLimitsFromMHz(400, 490, 400, 470);
    encodeBandLimits(limits, img);
    const std::uint8_t expected[16] = {0x04, 0x00, 0x00, 0x00, 0x04, 0x90, 0x00, 0x00,
                                       0x04, 0x00, 0x00, 0x00, 0x04, 0x70, 0x00, 0x00};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(img.u8(Addr(map::kBandRxLow + i)), expected[i]) << i;
    EXPECT_EQ(decodeBandLimits(img), limits);
}

TEST(BandLimits, InBandChecksIncludeBothBoundsAndClampShowsTheNearestLimit) {
    const BandLimits limits;  // 136-174 MHz both ways
    EXPECT_TRUE(limits.rxInBand(Freq10Hz(13600000)));
    EXPECT_TRUE(limits.rxInBand(Freq10Hz(17400000)));
    EXPECT_FALSE(limits.rxInBand(Freq10Hz(17400001)));
    EXPECT_FALSE(limits.txInBand(Freq10Hz(13599999)));
    EXPECT_EQ(limits.clampRx(Freq10Hz(44600000)).value, 17400000);
    EXPECT_EQ(limits.clampTx(Freq10Hz(0)).value, 13600000);
    EXPECT_EQ(limits.clampRx(Freq10Hz(14652000)).value, 14652000);
}

TEST(BandLimits, RowLookupTakesTheFirstRowThatHoldsTheFrequency) {
    EXPECT_EQ(bandRow(Freq10Hz::fromMHz(136), BandColumns::Transmit), 0);
    EXPECT_EQ(bandRow(Freq10Hz::fromMHz(130), BandColumns::Transmit), 1);
    EXPECT_EQ(bandRow(Freq10Hz::fromMHz(217), BandColumns::Receive), 2);
    EXPECT_EQ(bandRow(Freq10Hz::fromMHz(270), BandColumns::Receive), 3);
    EXPECT_EQ(bandRow(Freq10Hz::fromMHz(270), BandColumns::Transmit), -1);
    EXPECT_EQ(bandRow(Freq10Hz::fromMHz(350), BandColumns::Transmit), 4);
    EXPECT_EQ(bandRow(Freq10Hz::fromMHz(500), BandColumns::Receive), -1);
}

TEST(BandLimits, IndicatorNamesTheBandOfTheReceiveLowLimit) {
    EXPECT_EQ(bandIndicatorText(bandLimitsFromMHz(136, 174, 136, 174)), QString("\t\tVHF"));
    EXPECT_EQ(bandIndicatorText(bandLimitsFromMHz(400, 490, 400, 490)), QString("UHF"));
    EXPECT_EQ(bandIndicatorText(bandLimitsFromMHz(350, 390, 350, 390)), QString("THF"));
    EXPECT_EQ(bandIndicatorText(bandLimitsFromMHz(130, 176, 130, 176)), QString("THF"));
    EXPECT_EQ(bandIndicatorText(bandLimitsFromMHz(0, 0, 0, 0)), QString("THF"));
}

TEST(BandLimits, ModelDialogAcceptsOnlyPairsOfOneRow) {
    EXPECT_TRUE(modelEntryValid(136, 174, 136, 174));
    EXPECT_FALSE(modelEntryValid(216, 280, 216, 280));  // that row transmits 220-260 only
    EXPECT_TRUE(modelEntryValid(216, 280, 220, 260));
    EXPECT_TRUE(modelEntryValid(174, 136, 174, 136));   // low above high is still inside row 0
    EXPECT_FALSE(modelEntryValid(136, 174, 400, 490));  // receive and transmit from two rows
    EXPECT_FALSE(modelEntryValid(0, 0, 0, 0));
    EXPECT_TRUE(modelEntryValid(66, 88, 66, 88));
}

TEST(BandLimits, BandTableTextListsEveryRow) {
    const QString text = bandTableText();
    EXPECT_TRUE(text.startsWith("Rx:136-174\tTx:136-174\r\nRx:130-176\tTx:130-176\r\n"));
    EXPECT_TRUE(text.contains("Rx:066-088\tTx:066-088\r\n"));
    EXPECT_EQ(text.count("\r\n"), 8);
}

TEST(ProgramPassword, OnlyLeadingDigitsCount) {
    struct Case {
        QByteArray stored;
        QByteArray digits;
    };
    const Case cases[] = {
        {QByteArray("1234", 4), "1234"},
        {QByteArray("12A4", 4), "12"},
        {QByteArray("\0\0\0\0", 4), ""},
        {QByteArray("A123", 4), ""},
        {QByteArray("98\0\0", 4), "98"},
    };
    for (const Case& c : cases) {
        RadioImage img;
        for (int i = 0; i < 4; ++i) img.setU8(Addr(map::kProgramPassword + i), std::uint8_t(c.stored[i]));
        EXPECT_EQ(programPasswordDigits(img), c.digits) << c.stored.toHex().constData();
    }
}

TEST(ProgramPassword, SettingClearsTheFieldAndStoresAtMostFourCharactersAsTyped) {
    RadioImage img;
    img.fill(map::kProgramPassword, 4, '9');
    setProgramPassword(img, "7a");
    EXPECT_EQ(img.u8(0x014C), '7');
    EXPECT_EQ(img.u8(0x014D), 'a');
    EXPECT_EQ(img.u8(0x014E), 0);
    EXPECT_EQ(img.u8(0x014F), 0);
    EXPECT_EQ(programPasswordDigits(img), QByteArray("7"));

    setProgramPassword(img, "");
    EXPECT_TRUE(img.allBytesAre(map::kProgramPassword, 4, 0));

    setProgramPassword(img, "123456");
    EXPECT_EQ(programPasswordDigits(img), QByteArray("1234"));
    EXPECT_EQ(img.u8(0x0150), 0);  // nothing beyond the field
}
