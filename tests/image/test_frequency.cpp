// SPDX-License-Identifier: GPL-3.0-or-later
// Frequency texts, working values and BCD fields: golden values first, round trips after.

#include "image/frequency.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

using image::Freq10Hz;

namespace {

using Bcd = std::array<std::uint8_t, 4>;

Bcd encode(std::int32_t value) {
    Bcd bytes{};
    image::encodeBcdFrequency(Freq10Hz(value), bytes.data());
    return bytes;
}

struct TextCase {
    const char* text;
    std::int32_t value;
};

TEST(FrequencyText, ParsesOnDigitsAndTruncates) {
    const TextCase cases[] = {
        {"446.0125", 44601250},
        {"446.00625", 44600625},
        {"446.006259", 44600625},  // digits past 10 Hz are dropped, not rounded
        {"145.0013", 14500130},
        {"146.52", 14652000},
        {"  146.52abc", 14652000},  // leading blanks skipped, trailing text ignored
        {"146.", 14600000},
        {".5", 50000},
        {"1.2.3", 120000},
        {"-1.5", -150000},
        {"-0.000001", 0},  // truncation toward zero
        {"", 0},
        {"abc", 0},
        {".", 0},
        {"99999999999", std::numeric_limits<std::int32_t>::max()},
        {"-99999999999", std::numeric_limits<std::int32_t>::min()},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(image::parseFrequencyText(QString::fromLatin1(c.text)).value, c.value) << c.text;
}

TEST(FrequencyText, FormatsWithFiveDecimals) {
    const TextCase cases[] = {
        {"446.01250", 44601250}, {"446.00500", 44600500}, {"136.00000", 13600000},
        {"0.00000", 0},          {"0.00001", 1},          {"-0.00001", -1},
        {"-1.50000", -150000},   {"21474.83647", std::numeric_limits<std::int32_t>::max()},
    };
    for (const TextCase& c : cases) EXPECT_EQ(image::formatFrequency(Freq10Hz(c.value)), QLatin1String(c.text));
}

TEST(ScaledDecimal, TenthsAndPlainIntegers) {
    struct Case {
        const char* text;
        int decimals;
        std::int64_t value;
    };
    const Case cases[] = {
        {"88.5", 1, 885}, {"88.59", 1, 885}, {"254.1", 1, 2541}, {"-0.05", 1, 0},
        {"300.0", 1, 3000}, {"12", 0, 12},   {"12.9", 0, 12},    {"", 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(image::parseScaledDecimal(QString::fromLatin1(c.text), c.decimals), c.value) << c.text;

    EXPECT_EQ(image::formatScaledDecimal(885, 1), u"88.5");
    EXPECT_EQ(image::formatScaledDecimal(0, 1), u"0.0");
    EXPECT_EQ(image::formatScaledDecimal(-5, 1), u"-0.5");
    EXPECT_EQ(image::formatScaledDecimal(123, 0), u"123");
    EXPECT_EQ(image::formatScaledDecimal(std::numeric_limits<std::int64_t>::min(), 0),
              u"-9223372036854775808");
}

TEST(RasterSnap, SubtractsTheSmallerRemainder) {
    const std::array<std::pair<std::int32_t, std::int32_t>, 6> cases{{
        {44600620, 44600500},  // r500 120, r625 620: the 5 kHz raster
        {44600630, 44600625},  // r500 130, r625 5: the 6.25 kHz raster
        {14500130, 14500000},  // tie: both remainders 130
        {44601250, 44601250},
        {0, 0},
        {1666666650, 1666666500},  // an all-0xFF field
    }};
    for (const auto& [in, out] : cases) EXPECT_EQ(image::rasterSnap(Freq10Hz(in)).value, out) << in;
}

TEST(EntryRounding, KeepsValuesOnEitherRaster) {
    const std::array<std::pair<std::int32_t, std::int32_t>, 5> cases{{
        {14500130, 14500000},  // typed 145.0013: neither raster divides it
        {44600625, 44600625},  // on 6.25 kHz
        {14500250, 14500250},  // on 2.5 kHz, though not on 5 kHz
        {44601250, 44601250},
        {14652001, 14652000},
    }};
    for (const auto& [in, out] : cases) EXPECT_EQ(image::entryRounding(Freq10Hz(in)).value, out) << in;
}

TEST(BcdField, EncodesGoldenBytes) {
    EXPECT_EQ(encode(44601250), (Bcd{0x04, 0x46, 0x01, 0x25}));
    EXPECT_EQ(encode(44600625), (Bcd{0x04, 0x46, 0x00, 0x62}));  // the 10 Hz digit is dropped
    EXPECT_EQ(encode(13600000), (Bcd{0x01, 0x36, 0x00, 0x00}));
    EXPECT_EQ(encode(0), (Bcd{0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(encode(-150000), (Bcd{0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(encode(999999990), (Bcd{0x99, 0x99, 0x99, 0x99}));
    // Nine digits do not fit: the field holds its largest value instead of losing the top digit.
    EXPECT_EQ(encode(1000000000), (Bcd{0x99, 0x99, 0x99, 0x99}));
    EXPECT_EQ(encode(std::numeric_limits<std::int32_t>::max()), (Bcd{0x99, 0x99, 0x99, 0x99}));
}

TEST(BcdField, DecodesWithSnapAndUncheckedNibbles) {
    struct Case {
        Bcd bytes;
        std::int64_t digits;
        std::int32_t value;
    };
    const Case cases[] = {
        {{0x04, 0x46, 0x01, 0x25}, 4460125, 44601250},
        {{0x04, 0x46, 0x00, 0x62}, 4460062, 44600625},  // 446.00625 with its 10 Hz digit dropped
        {{0x04, 0x46, 0x00, 0x61}, 4460061, 44600500},
        {{0x01, 0x46, 0x00, 0x25}, 1460025, 14600250},  // 2.5 kHz raster, kept as typed
        {{0x01, 0x46, 0x00, 0x75}, 1460075, 14600750},
        {{0x01, 0x36, 0x00, 0x03}, 1360003, 13600000},
        {{0x00, 0x00, 0x00, 0x00}, 0, 0},
        {{0xFF, 0xFF, 0xFF, 0xFF}, 166666665, 1666666500},  // each byte counts as 165
        {{0x00, 0x00, 0x00, 0xA0}, 100, 1000},  // nibble A counts as ten
    };
    for (const Case& c : cases) {
        EXPECT_EQ(image::decodeBcdDigits(c.bytes.data()), c.digits);
        EXPECT_EQ(image::decodeBcdFrequency(c.bytes.data()).value, c.value);
    }
}

TEST(BcdField, TextRoundTripOnTheRasters) {
    for (const char* text : {"446.01250", "136.00000", "174.00000", "146.52000", "462.56250", "0.00000"}) {
        const Freq10Hz value = image::parseFrequencyText(QString::fromLatin1(text));
        const Bcd bytes = encode(value.value);
        EXPECT_EQ(image::formatFrequency(image::decodeBcdFrequency(bytes.data())), QLatin1String(text));
    }
}

} // namespace
