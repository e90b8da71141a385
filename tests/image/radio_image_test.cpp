// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/radio_image.h"

#include <gtest/gtest.h>

using image::Bits;
using image::RadioImage;

TEST(RadioImage, StartsZeroFilled) {
    const RadioImage img;
    for (std::uint8_t b : img.all()) ASSERT_EQ(b, 0);
}

TEST(RadioImage, WordsHaveTheirByteOrder) {
    RadioImage img;
    img.setU16le(0x021E, 0x2333);
    EXPECT_EQ(img.u8(0x021E), 0x33);
    EXPECT_EQ(img.u8(0x021F), 0x23);
    img.setU16be(0x0300, 0x1234);
    EXPECT_EQ(img.u8(0x0300), 0x12);
    EXPECT_EQ(img.u8(0x0301), 0x34);
    EXPECT_EQ(img.u16be(0x0300), 0x1234);
    EXPECT_EQ(img.u16le(0x0300), 0x3412);
    img.fill(0x2000, 4, 0xFF);
    EXPECT_EQ(img.u32le(0x2000), 0xFFFFFFFFu);
}

TEST(RadioImage, BitFieldWritesLeaveOtherBitsAlone) {
    struct Case {
        Bits field;
        std::uint8_t before;
        unsigned value;
        std::uint8_t after;
    };
    const Case cases[] = {
        {{0x2009, 2, 2}, 0xFF, 0, 0xF3},  // spacing cleared, every other bit kept
        {{0x2009, 2, 2}, 0x00, 2, 0x08},
        {{0x200B, 4, 4}, 0x0F, 15, 0xFF},
        {{0x200B, 4, 4}, 0xF5, 4, 0x45},
        {{0x200A, 7, 1}, 0x7F, 1, 0xFF},
        {{0x200A, 0, 2}, 0xFC, 7, 0xFF},  // a value wider than the field is cut to it
    };
    for (const Case& c : cases) {
        RadioImage img;
        img.setU8(c.field.at, c.before);
        img.set(c.field, c.value);
        EXPECT_EQ(img.u8(c.field.at), c.after) << "shift " << int(c.field.shift);
        EXPECT_EQ(img.get(c.field), c.value & ((1u << c.field.width) - 1));
    }
}

TEST(RadioImage, BitmapIndexingCountsFromBitZeroOfTheFirstByte) {
    RadioImage img;
    img.setMapBit(0x0100, 0, true);
    img.setMapBit(0x0100, 9, true);
    img.setMapBit(0x0100, 202, true);
    EXPECT_EQ(img.u8(0x0100), 0x01);
    EXPECT_EQ(img.u8(0x0101), 0x02);
    EXPECT_EQ(img.u8(0x0119), 0x04);
    EXPECT_TRUE(img.mapBit(0x0100, 202));
    EXPECT_FALSE(img.mapBit(0x0100, 201));
}

TEST(RadioImage, BcdFrequencyFieldsUseGoldenBytes) {
    RadioImage img;
    img.setBcdFreq(0x0200, image::Freq10Hz(13600000));
    EXPECT_EQ(img.u8(0x0200), 0x01);
    EXPECT_EQ(img.u8(0x0201), 0x36);
    EXPECT_EQ(img.u8(0x0202), 0x00);
    EXPECT_EQ(img.u8(0x0203), 0x00);

    img.setU8(0x0203, 0x03);  // 136.0003 MHz: 13600030 before the raster snap
    EXPECT_EQ(img.bcdDigits(0x0200), 1360003);
    EXPECT_EQ(img.bcdFreq(0x0200).value, 13600000);
}

TEST(RadioImage, TextsStopAtTheirTerminatorAndPad) {
    RadioImage img;
    img.setText(0x2013, 7, "ABC", 0xFF);
    EXPECT_EQ(img.text(0x2013, 7, "\xFF"), QByteArray("ABC"));
    for (int i = 3; i < 7; ++i) EXPECT_EQ(img.u8(0x2013 + i), 0xFF);
    EXPECT_EQ(img.u8(0x201A), 0x00);  // the byte after the field is not touched

    img.setText(0x2013, 7, "TOOLONGNAME", 0xFF);
    EXPECT_EQ(img.text(0x2013, 7, QByteArrayView("\xFF\x00", 2)), QByteArray("TOOLONG"));
    img.setU8(0x2015, 0x00);
    EXPECT_EQ(img.text(0x2013, 7, QByteArrayView("\xFF\x00", 2)), QByteArray("TO"));
}

TEST(RadioImageDeathTest, AddressOutsideTheImageStops) {
    RadioImage img;
    EXPECT_DEATH(img.u16le(0x3FFF), "outside");
    EXPECT_DEATH(img.fill(0x3FF0, 17, 0), "outside");
}
