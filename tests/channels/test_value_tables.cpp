// SPDX-License-Identifier: GPL-3.0-or-later
// Option lists, channel labels, DTMF code labels and DTMF symbol coding.

#include "channels/value_tables.h"

#include <gtest/gtest.h>

#include <limits>

namespace channels {
namespace {

TEST(OptionLists, LookupIsByExactText) {
    struct Case {
        std::span<const std::string_view> list;
        const char* text;
        int index;
    };
    const Case cases[] = {
        {kStepList, "12.5", 5},
        {kStepList, "8.33", 3},
        {kStepList, "12.50", -1},
        {kStepList, "", -1},
        {kPowerList, "Low", 2},
        {kPowerList, "low", -1},  // case matters
        {kPowerList, "High ", -1},
        {kScramblerList, "Custom", 9},
        {kSquelchModeList, "CTCSS/DCS Or Option Signal", 4},
        {kPttIdList, "Begin And End", 3},
        {kCtcssTable, "88.5", 9},
        {kCtcssTable, "254.1", 50},
        {kCtcssTable, "88.50", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(indexOf(c.list, QString::fromLatin1(c.text)), c.index) << c.text;
}

TEST(OptionLists, EntryTextOutsideTheListIsEmpty) {
    EXPECT_EQ(entryText(kSpacingList, 2), u"12.5");
    EXPECT_EQ(entryText(kSpacingList, 3), u"");
    EXPECT_EQ(entryText(kSpacingList, -1), u"");
    EXPECT_EQ(entryText(kSignallingTypeList, 3), u"5Tone");
}

TEST(ChannelLabels, SlotToLabel) {
    const std::pair<int, const char*> cases[] = {
        {1, "0"}, {2, "1"}, {200, "199"}, {201, "PA"}, {202, "PB"}, {203, "VFO"}, {0, ""}, {204, ""}, {-1, ""},
    };
    for (const auto& [slot, label] : cases) EXPECT_EQ(channelLabel(slot), QLatin1String(label)) << slot;
}

TEST(ChannelLabels, LabelToSlotWithItsQuirks) {
    const std::pair<const char*, int> cases[] = {
        {"0", 1},
        {"199", 200},
        {"-5", -4},  // callers clamp
        {"300", 301},
        {" 12", 13},
        {"12abc", 13},
        {"PA", 201},
        {"PB", 202},
        {"VFO", 203},
        {"pa", 0},
        {"VFO ", 0},
        {"abc", 0},
        {"", 0},
        {"99999999999", std::numeric_limits<int>::max()},  // saturates, never wraps negative
    };
    for (const auto& [label, slot] : cases) EXPECT_EQ(slotFromChannelLabel(QString::fromLatin1(label)), slot) << label;
}

TEST(ChannelLabels, EverySlotSurvivesItsLabel) {
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) EXPECT_EQ(slotFromChannelLabel(channelLabel(slot)), slot);
}

TEST(DtmfCodeLabels, BothWays) {
    EXPECT_EQ(dtmfCodeLabel(0), u"M1");
    EXPECT_EQ(dtmfCodeLabel(15), u"M16");
    const std::pair<const char*, int> cases[] = {
        {"M1", 0}, {"M16", 15}, {"M5", 4}, {"7", 7}, {"31", 31}, {"", 0}, {"x", 0}, {"M", -1}, {"xM5", -1},
    };
    for (const auto& [text, index] : cases) EXPECT_EQ(dtmfCodeIndex(QString::fromLatin1(text)), index) << text;
}

// "M" and a number below the int range once wrapped past it (undefined behaviour).
TEST(DtmfCodeLabels, NumbersBeyondTheIntRangeSaturate) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    EXPECT_EQ(dtmfCodeIndex(u"M-99999999999"), kMin);
    EXPECT_EQ(dtmfCodeIndex(u"M-2147483648"), kMin);
    EXPECT_EQ(dtmfCodeIndex(u"M-2147483647"), kMin);
    EXPECT_EQ(dtmfCodeIndex(u"M99999999999"), kMax - 1);
    EXPECT_EQ(dtmfCodeIndex(u"-99999999999"), kMin);
}

TEST(DtmfSymbols, SingleSymbolsBothWays) {
    const char* const symbols[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "*", "#"};
    for (int value = 0; value < 16; ++value) {
        EXPECT_EQ(dtmfSymbolValue(QString::fromLatin1(symbols[value])), value);
        EXPECT_EQ(dtmfSymbolText(value), QLatin1String(symbols[value]));
    }
    EXPECT_EQ(dtmfSymbolValue(u"a"), 10);
    EXPECT_EQ(dtmfSymbolValue(u"G"), kNoDtmfSymbol);
    EXPECT_EQ(dtmfSymbolValue(u""), kNoDtmfSymbol);
    EXPECT_EQ(dtmfSymbolText(16), u"");
    EXPECT_EQ(dtmfSymbolText(255), u"");
    EXPECT_EQ(dtmfSymbolText(-1), u"");
}

TEST(DtmfSymbols, TwoSymbolsInOneByte) {
    const std::pair<std::uint8_t, const char*> bytes[] = {
        {0x12, "12"}, {0xEF, "*#"}, {0xAE, "A*"}, {0x00, "00"}, {0xF0, "#0"}, {0xDC, "DC"},
    };
    for (const auto& [packed, text] : bytes) {
        EXPECT_EQ(dtmfPairText(packed), QLatin1String(text));
        EXPECT_EQ(dtmfPairFromText(QString::fromLatin1(text)), packed) << text;
    }
    const std::pair<const char*, std::uint8_t> texts[] = {
        {"5", 0x05}, {"", 255}, {"xy", 255}, {"*", 0x0E}, {"123", 0x12}, {"1x", 0x01},
    };
    for (const auto& [text, packed] : texts) EXPECT_EQ(dtmfPairFromText(QString::fromLatin1(text)), packed) << text;
}

} // namespace
} // namespace channels
