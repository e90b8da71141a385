// SPDX-License-Identifier: GPL-3.0-or-later
// Tone texts: parsing a cell, the normaliser of chosen or typed entries, the in-cell list,
// and the decimal entry normaliser of tone-frequency edits.

#include "channels/tone.h"
#include "channels/value_tables.h"

#include <gtest/gtest.h>

#include <ostream>

namespace channels {

// Readable failure output for parsed tones.
void PrintTo(const ParsedTone& tone, std::ostream* os) {
    const char* kinds[] = {"Off", "Ctcss", "Dcs"};
    *os << kinds[int(tone.kind)] << " ctcss " << tone.ctcssIndex << " dcs " << tone.dcsCode
        << (tone.inverted ? " inverted" : " normal");
}

namespace {

TEST(ToneCellList, HoldsEveryToneTextOnceInOrder) {
    const QStringList& list = toneCellList();
    ASSERT_EQ(list.size(), 1076);
    EXPECT_EQ(list[0], u"Off");
    EXPECT_EQ(list[1], u"62.5");
    EXPECT_EQ(list[51], u"254.1");
    EXPECT_EQ(list[52], u"D000N");
    EXPECT_EQ(list[52 + 19], u"D023N");
    EXPECT_EQ(list[563], u"D777N");
    EXPECT_EQ(list[564], u"D000I");
    EXPECT_EQ(list[1075], u"D777I");
    QStringList unique = list;
    EXPECT_EQ(unique.removeDuplicates(), 0);
    EXPECT_EQ(&toneCellList(), &list);  // built once
}

TEST(ToneNormaliser, CanonicalTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"d23i", "D023I"},
        {"023", "D023N"},
        {"100", "D100N"},
        {"88.5", "88.5"},
        {"88.50", "88.50"},  // in range: kept as typed
        {"300.0", "Off"},
        {"59.9", "Off"},
        {"60.0", "60.0"},
        {"280.0", "280.0"},
        {"280.1", "Off"},
        {"Off", "Off"},
        {"abc", "Off"},
        {"D", "Off"},
        {"dn23", "D023N"},
        {"id7", "D007I"},
        {"ND754", "D754N"},
        {"i12", "D012I"},
        {"12i", "D012I"},
        {"D 23N", "D023N"},   // blanks before the number are skipped
        {"777", "D777N"},
        {"778", "Off"},
        {"D778N", "Off"},
        {"-1", "Off"},
        {"99999999999", "Off"},
        {"89", "D089N"},  // read in decimal: the digits stay as written
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(normaliseToneText(QString::fromLatin1(in)), QLatin1String(out)) << in;
}

TEST(ToneNormaliser, LeavesEveryListEntryUnchanged) {
    for (const QString& entry : toneCellList()) EXPECT_EQ(normaliseToneText(entry), entry);
}

TEST(ToneParsing, CellTexts) {
    struct Case {
        const char* text;
        ParsedTone tone;
    };
    const Case cases[] = {
        {"Off", {}},
        {"", {}},
        {"OFF", {}},
        {"88.5", {ToneKind::Ctcss, 9, 0, false}},
        {"62.5", {ToneKind::Ctcss, 0, 0, false}},
        {"88.50", {ToneKind::Ctcss, -1, 0, false}},  // CTCSS, but no table position
        {"D023N", {ToneKind::Dcs, -1, 19, false}},
        {"D777I", {ToneKind::Dcs, -1, 511, true}},
        {"D000N", {ToneKind::Dcs, -1, 0, false}},
        {"D023", {ToneKind::Dcs, -1, 19, true}},  // inverted unless it says "N"
        {"DD12N", {ToneKind::Dcs, -1, 10, false}},
        {"D089N", {ToneKind::Dcs, -1, 0, false}},  // octal digits only
    };
    for (const Case& c : cases) EXPECT_EQ(parseToneText(QString::fromLatin1(c.text)), c.tone) << c.text;
}

TEST(ToneParsing, ListEntriesReadBackAsTheirTone) {
    for (const QString& entry : toneCellList()) {
        const ParsedTone tone = parseToneText(entry);
        switch (tone.kind) {
        case ToneKind::Off: EXPECT_EQ(entry, u"Off"); break;
        case ToneKind::Ctcss: EXPECT_EQ(ctcssToneText(tone.ctcssIndex), entry); break;
        case ToneKind::Dcs: EXPECT_EQ(dcsToneText(tone.dcsCode, tone.inverted), entry); break;
        }
    }
}

TEST(DecimalEntryNormaliser, StepsRangesAndReplacement) {
    struct Case {
        const char* text;
        int low, high, fallback, step;
        bool zeroAsText;
        const char* result;
    };
    const Case cases[] = {
        {"67.0", 600, 2541, 670, 1, false, "67.0"},
        {"67.09", 600, 2541, 670, 1, false, "67.0"},   // truncated, not rounded
        {"67.3", 600, 2800, 1000, 5, false, "67.0"},   // down to a multiple of the step
        {"67.5", 600, 2800, 1000, 5, false, "67.5"},
        {"50", 600, 2800, 1000, 1, false, "100.0"},    // below the range: the default
        {"300", 600, 2800, 1000, 1, false, "100.0"},
        {"", 0, 2800, 1000, 1, false, "100.0"},        // empty: the default even when 0 fits
        {"0", 0, 100, 5, 1, true, "Off"},
        {"0", 0, 100, 5, 1, false, "0.0"},
        {"", 0, 100, 0, 1, true, "Off"},
        {"abc", 0, 100, 5, 1, false, "0.0"},
        {"67.3", 600, 2800, 1000, 0, false, "67.3"},   // no step: nothing to round to
        {"67.3", 600, 2800, 1000, -5, false, "67.3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(normaliseDecimalEntry(QString::fromLatin1(c.text), c.low, c.high, c.fallback, c.step, c.zeroAsText,
                                        u"Off"),
                  QLatin1String(c.result))
            << c.text << " step " << c.step;
}

} // namespace
} // namespace channels
