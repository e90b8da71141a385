// DTMF code fields and the conversions of the DTMF editor, on golden bytes.

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

TEST(DtmfCodeField, EveryFieldLiesWhereTheRadioKeepsIt) {
    RadioImage img;
    packCode(img, kRemoteKill, u"12345678901234");
    packCode(img, kRemoteStun, u"*");
    packCode(img, kPttIdStart, u"A");
    packCode(img, kPttIdEnd, u"B");
    packCode(img, encodeEntry(15), u"C");
    EXPECT_EQ(fieldBytes(img, kRemoteKill), (std::vector<std::uint8_t>{0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 14}));
    EXPECT_EQ(img.u8(0x02F8), 0xE0);
    EXPECT_EQ(img.u8(0x02FF), 1);
    EXPECT_EQ(img.u8(0x0340), 0xA0);
    EXPECT_EQ(img.u8(0x034C), 1);
    EXPECT_EQ(img.u8(0x0350), 0xB0);
    EXPECT_EQ(img.u8(0x035C), 1);
    EXPECT_EQ(img.u8(0x04F0), 0xC0);
    EXPECT_EQ(img.u8(0x04FC), 1);
    EXPECT_TRUE(encodeEntryInUse(img, 15));
    EXPECT_FALSE(encodeEntryInUse(img, 14));
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
}

TEST(DtmfSelfId, CompletedOnLeavingAndStoredDigitByDigit) {
    EXPECT_EQ(completedSelfId(u"5", u"123"), u"005");
    EXPECT_EQ(completedSelfId(u"42", u"123"), u"042");
    EXPECT_EQ(completedSelfId(u"987", u"123"), u"987");
    EXPECT_EQ(completedSelfId(u"", u"123"), u"123");

    RadioImage img;
    img.fill(0x02E6, 8, 0x77);
    storeSelfId(img, u"5");  // never reads past the text
    EXPECT_EQ(img.u8(0x02E7), 0);
    EXPECT_EQ(img.u8(0x02E8), 0);
    EXPECT_EQ(img.u8(0x02E9), 5);
    EXPECT_EQ(img.u8(0x02E6), 0x77);
    EXPECT_EQ(img.u8(0x02EA), 0x77);
    EXPECT_EQ(selfIdText(img), u"005");
    // A byte that is no digit keeps its value through text and back.
    for (int byte : {0x0A, 0x7F, 0xCF, 0xD0, 0xFF}) {
        img.setU8(0x02E8, std::uint8_t(byte));
        storeSelfId(img, selfIdText(img));
        EXPECT_EQ(img.u8(0x02E8), byte);
    }
}

TEST(DtmfLists, StoredValuesAndTheTextsTheirDropDownsShow) {
    EXPECT_EQ(millisecondEntries(kFirstDigitTimeFrom).size(), 251);
    EXPECT_EQ(millisecondEntries(kPretimeFrom).size(), 250);
    EXPECT_EQ(millisecondEntries(kPretimeFrom).last(), u"2500");
    EXPECT_EQ(autoResetEntries().size(), 251);
    EXPECT_EQ(autoResetEntries().at(23), u"2.3");
    EXPECT_EQ(pttIdPauseEntries().size(), 72);
    EXPECT_EQ(pttIdPauseEntries().first(), u"Off");

    EXPECT_EQ(millisecondText(25), u"250");
    EXPECT_EQ(millisecondValue(u"2500"), 250);
    EXPECT_EQ(tenthsText(250), u"25.0");
    EXPECT_EQ(tenthsText(3), u"0.3");
    EXPECT_EQ(tenthsValue(u"2.3"), 23);
    EXPECT_EQ(tenthsValue(u"25.0"), 250);
    EXPECT_EQ(pttIdPauseText(0), u"Off");
    EXPECT_EQ(pttIdPauseText(75), u"75");
    EXPECT_EQ(pttIdPauseValue(u"Off"), 0);
    EXPECT_EQ(pttIdPauseValue(u"75"), 75);
    EXPECT_EQ(symbolListText(0x0E), u"*");
    EXPECT_EQ(symbolListText(0x05), u"");  // no symbol entry: the list's first entry
    EXPECT_EQ(symbolListValue(u"#"), 0x0F);
    EXPECT_EQ(symbolListValue(u"Off"), 0xFF);
}

TEST(DtmfEncodeList, ResuffixingTouchesOnlyIdCodesEndingInTheOldSuffix) {
    EXPECT_EQ(resuffixed(u"456A123", u"A123", u"A999"), u"456A999");
    EXPECT_EQ(resuffixed(u"A123", u"A123", u"B123"), u"B123");
    EXPECT_EQ(resuffixed(u"4A1234", u"A123", u"A999"), std::nullopt);    // 6 symbols
    EXPECT_EQ(resuffixed(u"456B123", u"A123", u"A999"), std::nullopt);   // other suffix
    EXPECT_EQ(resuffixed(u"456a123", u"A123", u"A999"), std::nullopt);   // letter case counts
    EXPECT_EQ(resuffixed(u"", u"", u"A999"), std::nullopt);
}

TEST(DtmfSpecialCall, ComposesAniAndPttIdCodes) {
    EXPECT_EQ(specialCallCode(SpecialCallType::Ani, u"123", u"A", u"456"), u"123A456");
    EXPECT_EQ(specialCallCode(SpecialCallType::Ani, u"5", u"*", u"007"), u"500*007");
    EXPECT_EQ(specialCallCode(SpecialCallType::Ani, u"", u"#", u"007"), u"000#007");
    EXPECT_EQ(specialCallCode(SpecialCallType::PttId, u"123", u"A", u"456"), u"A456");
}

} // namespace
