// SPDX-License-Identifier: GPL-3.0-or-later
// 5Tone conversions without widgets: golden bytes of the encode list entries and the PTT ID
// codes, special calls recognised only when they rebuild to the stored digits, and a property
// over seeded random entries.

#include "signalling/five_tone_codes.h"
#include "tests/channels/image_diff.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using namespace signalling::five_tone;
using image::Addr;
using image::RadioImage;

std::vector<std::uint8_t> codeBytes(const RadioImage& img, int entry, int count) {
    const auto bytes = img.bytes(Addr(encodeEntryAddress(entry) + kCodeDigits), count);
    return {bytes.begin(), bytes.end()};
}

int entryLength(const RadioImage& img, int entry) { return img.u8(Addr(encodeEntryAddress(entry) + kCodeLength)); }

EncodeEntryCells entryCells(const char* kind, const char* id) {
    return {QString::fromLatin1(kind), QString::fromLatin1(id), QStringLiteral("ZVEI1"), QStringLiteral("70"), {}};
}

TEST(FiveToneCodes, RepeatRuleAndItsUndo) {
    EXPECT_EQ(applyRepeatRule(QStringLiteral("11111")), "1E1E1");
    EXPECT_EQ(applyRepeatRule(QStringLiteral("112")), "1E2");
    EXPECT_EQ(applyRepeatRule(QStringLiteral("E112345E")), "E1E2345E");
    EXPECT_EQ(undoRepeatRule(QStringLiteral("1E1E1")), "11111");
    EXPECT_EQ(undoRepeatRule(QStringLiteral("1E2E3")), "11223");
}

// Each entry stored, then its bytes and what a load shows again.
TEST(FiveToneCodes, EncodeEntriesStoreTheirDigitsAndLoadBackAsTheSameCall) {
    struct Case {
        const char* kind;
        const char* id;
        std::uint8_t interval;
        int length;
        std::vector<std::uint8_t> bytes;
        const char* shownId;
    };
    const Case cases[] = {
        {"", "1E2E3", kNoInterval, 5, {0x1E, 0x2E, 0x3E}, "1E2E3"},
        {"PTTID", "", kNoInterval, 7, {0xE6, 0x12, 0x34, 0x5E}, ""},
        {"ANI", "67890", kNoInterval, 10, {0x67, 0x89, 0x01, 0x23, 0x45}, "67890"},
        {"ANI", "67890A", 0x0A, 11, {0x67, 0x89, 0x0A, 0x12, 0x34, 0x5E}, "67890A"},
        {"Send Message", "23456 Info:HI", kNoInterval, 12, {0xE1, 0x23, 0x45, 0x6E, 0x48, 0x49}, "23456 Info:HI"},
        {"Send Message", "12345 Info:HI", kNoInterval, 12, {0xE1, 0xE2, 0x34, 0x5E, 0x48, 0x49}, "12345 Info:HI"},
        // A plain code that begins like a message call stays plain.
        {"", "E1234567", kNoInterval, 8, {0xE1, 0x23, 0x45, 0x67}, "E1234567"},
    };
    const QString self = QStringLiteral("12345");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        RadioImage img;
        img.fill(Addr(encodeEntryAddress(3)), kEncodeEntrySize, 0x77);
        storeEncodeEntry(img, 3, entryCells(c.kind, c.id), self);
        EXPECT_EQ(entryLength(img, 3), c.length);
        EXPECT_EQ(codeBytes(img, 3, int(c.bytes.size())), c.bytes);
        EXPECT_EQ(img.u8(Addr(encodeEntryAddress(3) + int(c.bytes.size()) + kCodeDigits)), 0x77);  // past the code
        const EncodeEntryCells loaded = loadEncodeEntry(img, 3, self, c.interval);
        EXPECT_EQ(loaded.kind, QString::fromLatin1(c.kind));
        EXPECT_EQ(loaded.id, QString::fromLatin1(c.shownId));
        EXPECT_EQ(loaded.standard, "ZVEI1");
        EXPECT_EQ(loaded.toneLength, "70");
    }
}

TEST(FiveToneCodes, CallsBuiltOnAnotherSelfIdLoadAsPlainCodes) {
    RadioImage img;
    storeEncodeEntry(img, 0, entryCells("PTTID", ""), QStringLiteral("12345"));
    storeEncodeEntry(img, 1, entryCells("ANI", "67890"), QStringLiteral("12345"));
    const EncodeEntryCells pttId = loadEncodeEntry(img, 0, QStringLiteral("54321"), kNoInterval);
    EXPECT_EQ(pttId.kind, "");
    EXPECT_EQ(pttId.id, "E612345");
    EXPECT_EQ(loadEncodeEntry(img, 1, QStringLiteral("54321"), kNoInterval).id, "6789012345");
}

TEST(FiveToneCodes, NamesStandardsAndLengthsOfAnEntry) {
    RadioImage img;
    const Addr record = encodeEntryAddress(9);
    img.setU8(Addr(record + kCodeStandard), 14);  // past the table
    img.setU8(Addr(record + kCodeLength), 0xC8);  // more digits than the record holds
    img.setU8(Addr(record + kCodeToneLength), 10);
    img.setText(Addr(record + kEntryName), 7, "ab\xE9 ", 0);
    const EncodeEntryCells cells = loadEncodeEntry(img, 9, QStringLiteral("12345"), kNoInterval);
    EXPECT_EQ(cells.standard, "");
    EXPECT_EQ(cells.id.size(), 40);
    EXPECT_EQ(cells.toneLength, "100");
    EXPECT_EQ(cells.name, QString::fromLatin1("AB\xE9"));  // a-z upper-cased, Latin-1 kept

    storeEncodeEntry(img, 9, cells, QStringLiteral("12345"));
    EXPECT_EQ(img.u8(Addr(record + kCodeStandard)), 14);
    EXPECT_EQ(img.u8(Addr(record + kCodeLength)), 40);
    const auto name = img.bytes(Addr(record + kEntryName), 7);
    EXPECT_EQ(std::vector<std::uint8_t>(name.begin(), name.end()),
              (std::vector<std::uint8_t>{'A', 'B', 0xE9, ' ', ' ', ' ', ' '}));
}

TEST(FiveToneCodes, PttIdCodesAndInformationCodes) {
    RadioImage img;
    writePttIdCode(img, kBotRecord, QStringLiteral("0A0B"));
    EXPECT_EQ(img.u8(kBotRecord + kCodeLength), 4);
    EXPECT_EQ(img.u8(kBotRecord + kCodeDigits), 0x0A);
    EXPECT_EQ(img.u8(kBotRecord + kCodeDigits + 1), 0x0B);
    EXPECT_EQ(readPttIdCode(img, kBotRecord), "0A0B");

    SpecialCall call;
    call.kind = CallKind::Ani;
    call.otherSideId = QStringLiteral("11223");
    EXPECT_EQ(composePttIdCall(call, QStringLiteral("12345")), "1E2E312345");
    call.kind = CallKind::PttId;
    EXPECT_EQ(composePttIdCall(call, QStringLiteral("12345")), "E612345");

    const Addr info = informationAddress(2);
    img.setU8(Addr(info + kInfoIdLength), 200);
    img.fill(Addr(info + kInfoId), 13, 0x07);
    EXPECT_EQ(readInformationId(img, 2), "777777777777");  // never past its 12 digits
    img.setU8(Addr(info + kInfoId + 3), 0x10);
    EXPECT_EQ(readInformationId(img, 2), "777");
}

TEST(FiveToneCodes, ToneTableOfAStandard) {
    const QString table = standardTableText(6);
    EXPECT_TRUE(table.startsWith("CCIR1\r\r\nTone Freq(Hz)\r\n0 1981.0\r\n1 1124.0\r\n"));
    EXPECT_TRUE(table.endsWith("F 1055.0\r\nLength(ms) 100\r\nGroup Tone A\r\nRepeat Tone E\r\n"));
    EXPECT_TRUE(standardTableText(2).contains("\r\nB \r\n"));  // a digit ZVEI3 does not define
    EXPECT_EQ(defaultToneLengthMs(9), 40);
    EXPECT_EQ(defaultToneLengthMs(10), 100);
}

// Any stored entry: load then store changes only the entry's own bytes, and a second round
// changes nothing.
TEST(FiveToneCodes, RandomEntriesSettleAfterOneRound) {
    std::mt19937 random(417);
    std::uniform_int_distribution<int> byte(0, 255);
    const QString self = QStringLiteral("12345");
    for (int round = 0; round < 3000; ++round) {
        RadioImage img;
        const Addr record = encodeEntryAddress(5);
        for (std::uint8_t& b : img.bytes(Addr(record - kEncodeEntrySize), 3 * kEncodeEntrySize))
            b = std::uint8_t(byte(random));
        // Bias towards the calls the list builds, so recognition is exercised.
        if (round % 3 == 0) {
            const char* kinds[] = {"PTTID", "ANI", "Send Message"};
            storeEncodeEntry(img, 5, entryCells(kinds[round % 9 / 3], round % 2 ? "98765 Info:OK" : "98765"), self);
        }
        if (round % 5 == 0) img.setU8(Addr(record + kCodeLength), std::uint8_t(byte(random) % 48));
        const std::uint8_t interval = std::uint8_t(round % 7 == 0 ? 0x0A : kNoInterval);
        const RadioImage before = img;
        storeEncodeEntry(img, 5, loadEncodeEntry(img, 5, self, interval), self);
        const auto outside = testing_support::imageDiff(before, img, [&](unsigned at, int) {
            return at > record && at < unsigned(record + kEncodeEntrySize - 1);
        });
        ASSERT_TRUE(outside.empty()) << testing_support::joinLines(outside);
        const RadioImage once = img;
        storeEncodeEntry(img, 5, loadEncodeEntry(img, 5, self, interval), self);
        ASSERT_TRUE(img == once) << "round " << round << "\n" << testing_support::joinLines(testing_support::imageDiff(once, img));
    }
}

} // namespace
