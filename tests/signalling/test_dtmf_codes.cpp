// SPDX-License-Identifier: GPL-3.0-or-later
// DTMF code fields on golden bytes, and the rule that makes encode entries follow the self ID.

#include "signalling/dtmf_codes.h"
#include "signalling/dtmf_fields.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace signalling::dtmf;
using image::RadioImage;

std::vector<std::uint8_t> fieldBytes(const RadioImage& img, CodeField field) {
    const auto bytes = img.bytes(field.at, field.codeBytes() + 1);
    return {bytes.begin(), bytes.end()};
}

TEST(DtmfCodeField, PacksSymbolsInNibblesFillsWithZeroAndCountsTheLength) {
    struct Case {
        const char16_t* code;
        std::vector<std::uint8_t> bytes;  // 12 code bytes, then the length byte
    };
    const Case cases[] = {
        {u"", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {u"7", {0x70, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        {u"123", {0x12, 0x30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}},
        {u"*#", {0xEF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}},
        {u"0123456789ABCD*#0123456", {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x60, 23}},
        {u"#*DCBA9876543210#*DCBA98", {0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10, 0xFE, 0xDC, 0xBA, 0x98, 24}},
        // Longer than the field: the first 24 symbols, and a length the field can hold.
        {u"1111111111111111111111112", {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 24}},
    };
    for (const Case& c : cases) {
        RadioImage img;
        img.fill(0x0400, 16, 0x5A);
        packCode(img, encodeEntry(0), c.code);
        EXPECT_EQ(fieldBytes(img, encodeEntry(0)), c.bytes) << QString::fromUtf16(c.code).toStdString();
        EXPECT_TRUE(img.allBytesAre(0x040D, 3, 0x5A)) << "bytes +0D-0F of the slot are not ours";
        EXPECT_EQ(unpackCode(img, encodeEntry(0)), QStringView(c.code).left(24));
    }
}

TEST(DtmfCodeField, UnpackShowsTheLengthOrEverySymbolWhenTheLengthIsTooLarge) {
    RadioImage img;
    img.fill(0x02F0, 8, 0xFF);  // an erased kill code
    EXPECT_EQ(unpackCode(img, kRemoteKill), QString(14, u'#'));
    img.setU8(0x02F7, 15);
    EXPECT_EQ(unpackCode(img, kRemoteKill).size(), 14);
    img.setU8(0x02F7, 3);
    EXPECT_EQ(unpackCode(img, kRemoteKill), u"###");
    img.setU8(0x02F7, 0);
    EXPECT_EQ(unpackCode(img, kRemoteKill), u"");
    EXPECT_FALSE(encodeEntryInUse(img, 15));
    packCode(img, encodeEntry(15), u"C");
    EXPECT_EQ(img.u8(0x04F0), 0xC0);
    EXPECT_EQ(img.u8(0x04FC), 1);
    EXPECT_TRUE(encodeEntryInUse(img, 15));
}

TEST(DtmfEncodeList, ResuffixingTouchesOnlyIdCodesEndingInTheOldSuffix) {
    EXPECT_EQ(resuffixed(u"456A123", u"A123", u"A999"), u"456A999");
    EXPECT_EQ(resuffixed(u"A123", u"A123", u"B123"), u"B123");
    EXPECT_EQ(resuffixed(u"4A1234", u"A123", u"A999"), std::nullopt);    // 6 symbols
    EXPECT_EQ(resuffixed(u"456B123", u"A123", u"A999"), std::nullopt);   // other suffix
    EXPECT_EQ(resuffixed(u"456a123", u"A123", u"A999"), std::nullopt);   // letter case counts
}

} // namespace
