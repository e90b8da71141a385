// Channel lists as CSV: golden text for a small list, every tone mapping both ways, the
// report of rows an import refuses, and export then import over seeded random channel lists.

#include "channels/channel_csv.h"
#include "channels/channel_record.h"

#include <gtest/gtest.h>

#include <random>

namespace channels::csv {
namespace {

using image::BandLimits;
using image::Freq10Hz;
using image::RadioImage;

RadioImage clearedImage() {
    RadioImage img;
    img.fill(0x0100, 32, 0xFF);
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) channelClear(img, slot);
    return img;
}

ToneSetting ctcss(int index) { return {kToneTypeCtcss, index, 0, false}; }
ToneSetting dcs(int code, bool inverted = false) { return {kToneTypeDcs, 0, code, inverted}; }

void put(RadioImage& img, const ImportedChannel& channel) {
    ImportPlan plan;
    plan.channels.push_back(channel);
    applyImport(img, BandLimits{}, plan);
}

ImportedChannel channel(int slot, std::int32_t rx, std::int32_t tx) {
    ImportedChannel c;
    c.slot = slot;
    c.rx = Freq10Hz(rx);
    c.tx = Freq10Hz(tx);
    c.step = 5;
    return c;
}

// Everything the format carries of one slot, for comparison.
ImportedChannel carried(const RadioImage& img, int slot) {
    const ChannelRecordView record(img, slot);
    ImportedChannel c = channel(slot, record.rx().value, record.txOff() ? record.rx().value : record.txFrequency().value);
    c.txOff = record.txOff();
    c.name = record.name();
    c.step = record.step();
    c.spacing = record.spacing();
    c.power = record.power();
    for (const ToneSide side : {ToneSide::Encode, ToneSide::Decode}) {
        ToneSetting& tone = side == ToneSide::Encode ? c.encode : c.decode;
        tone.type = record.toneType(side);
        if (tone.type == kToneTypeCtcss) tone.ctcss = record.ctcss(side);
        if (tone.type == kToneTypeDcs) tone = dcs(record.dcsCode(side), record.dcsInverted(side));
    }
    c.skip = scanSkip(img, slot);
    return c;
}

void expectSame(const ImportedChannel& a, const ImportedChannel& b) {
    SCOPED_TRACE(QStringLiteral("slot %1").arg(a.slot).toStdString());
    EXPECT_EQ(a.rx, b.rx);
    EXPECT_EQ(a.tx, b.tx);
    EXPECT_EQ(a.txOff, b.txOff);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.step, b.step);
    EXPECT_EQ(a.spacing, b.spacing);
    EXPECT_EQ(a.power, b.power);
    EXPECT_EQ(a.encode, b.encode);
    EXPECT_EQ(a.decode, b.decode);
    EXPECT_EQ(a.skip, b.skip);
}

TEST(ChannelCsv, ExportsASmallListAsGoldenText) {
    RadioImage img = clearedImage();
    ImportedChannel simplex = channel(1, 14652000, 14652000);
    simplex.name = QStringLiteral("CALL,1");
    simplex.spacing = 2;
    simplex.encode = ctcss(12);  // 97.4
    put(img, simplex);
    ImportedChannel repeater = channel(11, 14600625, 14540625);
    repeater.encode = dcs(023);
    repeater.decode = dcs(023, true);
    repeater.power = 2;
    repeater.step = 2;
    repeater.skip = true;
    put(img, repeater);
    ImportedChannel wide = channel(200, 15000000, 15000000);
    wide.spacing = 1;
    wide.txOff = true;
    wide.decode = ctcss(0);
    put(img, wide);

    EXPECT_EQ(exportChannels(img).toStdString(),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
              "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
              "0,\"CALL,1\",146.520000,,0.000000,Tone,97.4,88.5,023,NN,023,Tone->Tone,NFM,12.50,,High,,,,,\r\n"
              "10,,146.006250,-,0.600000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,6.25,S,Low,,,,,\r\n"
              "199,,150.000000,off,0.000000,Cross,88.5,62.5,023,NN,023,->Tone,FM,12.50,,High,20 kHz,,,,\r\n");
}

TEST(ChannelCsv, EveryToneMappingGoesOutAndComesBack) {
    struct Case {
        ToneSetting encode, decode;
        const char* columns;  // Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode
    };
    const Case cases[] = {
        {{}, {}, ",88.5,88.5,023,NN,023,Tone->Tone"},
        {ctcss(9), {}, "Tone,88.5,88.5,023,NN,023,Tone->Tone"},
        {ctcss(50), ctcss(50), "TSQL,88.5,254.1,023,NN,023,Tone->Tone"},
        {dcs(0754, true), dcs(0754), "DTCS,88.5,88.5,754,RN,754,Tone->Tone"},
        {ctcss(0), ctcss(1), "Cross,62.5,67.0,023,NN,023,Tone->Tone"},
        {ctcss(0), dcs(0411, true), "Cross,62.5,88.5,023,NR,411,Tone->DTCS"},
        {dcs(0411), ctcss(1), "Cross,88.5,67.0,411,NN,023,DTCS->Tone"},
        {{}, ctcss(1), "Cross,88.5,67.0,023,NN,023,->Tone"},
        {{}, dcs(0777), "Cross,88.5,88.5,023,NN,777,->DTCS"},
        {dcs(0), {}, "Cross,88.5,88.5,000,NN,023,DTCS->"},
        {dcs(0143, true), dcs(0144, true), "Cross,88.5,88.5,143,RR,144,DTCS->DTCS"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.columns);
        RadioImage img = clearedImage();
        ImportedChannel in = channel(5, 14600000, 14600000);
        in.encode = c.encode;
        in.decode = c.decode;
        put(img, in);
        const QString csv = exportChannels(img);
        EXPECT_EQ(csv.split(QStringLiteral("\r\n"))[1].section(u',', 5, 11).toStdString(), c.columns);

        const ImportPlan plan = planImport(csv, clearedImage(), BandLimits{}, Placement::AtLocation);
        ASSERT_EQ(plan.channels.size(), 1u);
        EXPECT_EQ(plan.channels[0].encode, c.encode);
        EXPECT_EQ(plan.channels[0].decode, c.decode);
    }
}

TEST(ChannelCsv, AFileWithoutRxDtcsCodeTakesTheReceiveCodeFromDtcsCode) {
    const QString csv = QStringLiteral("Location,Frequency,Tone,DtcsCode,DtcsPolarity,CrossMode\n"
                                       "3,146.000000,Cross,065,NR,->DTCS\n");
    const ImportPlan plan = planImport(csv, clearedImage(), BandLimits{}, Placement::AtLocation);
    ASSERT_EQ(plan.channels.size(), 1u);
    EXPECT_EQ(plan.channels[0].decode, dcs(065, true));
    EXPECT_EQ(plan.channels[0].encode, ToneSetting{});
    EXPECT_EQ(plan.channels[0].step, 5) << "a missing TStep gives a cleared channel's step";
}

TEST(ChannelCsv, RowsThatCannotBeTakenWholeAreReportedByLine) {
    const QString csv = QStringLiteral(
        "\xFEFF"  "Frequency,Location,Name,Duplex,Offset,Tone,rToneFreq,Mode\r\n"
        "146.0,0,plain,,,,,FM\r\n"                 // 2: taken, name upper-cased
        "446.0,1,UHF,,,,,FM\r\n"                   // 3: outside the band
        "146.0,2,,,,Tone,88.6,FM\r\n"              // 4: no such CTCSS tone
        "146.0,3,LONGNAME1,,,,,FM\r\n"             // 5: taken, name cut
        "146.0,4,,x,0.6,,,FM\r\n"                  // 6: unknown Duplex
        ",5,,,,,,FM\r\n"                           // 7: no Frequency
        "146.0,250,,,,,,FM\r\n"                    // 8: no such channel
        "\"146.0\",6,\"A,\"\"B\",,,,,FM\r\n"       // 9: quoted name with a comma and a quote
        "146.0,7,,,,TSQL-R,,FM\r\n"                // 10: a tone mode the radio lacks
        "146.0,8,,,,,,AM\r\n"                      // 11: a mode the radio lacks
        "146.0,0,,,,,,FM\r\n"                      // 12: Location 0 again
        "146.0,9,,+,40.0,,,FM\r\n");               // 13: TX outside the band
    const ImportPlan plan = planImport(csv, clearedImage(), BandLimits{}, Placement::AtLocation);
    ASSERT_TRUE(plan.ok());

    std::vector<int> refused;
    for (const RowNote& note : plan.refused) refused.push_back(note.line);
    EXPECT_EQ(refused, (std::vector<int>{3, 4, 6, 7, 8, 10, 11, 12, 13}));
    ASSERT_EQ(plan.warnings.size(), 1u);
    EXPECT_EQ(plan.warnings[0].line, 5);
    EXPECT_EQ(plan.warnings[0].text, QStringLiteral("Name \"LONGNAME1\" cut to \"LONGNAM\" (7 characters)"));

    ASSERT_EQ(plan.channels.size(), 3u);
    EXPECT_EQ(plan.channels[0].name, QStringLiteral("PLAIN"));
    EXPECT_EQ(plan.channels[1].name, QStringLiteral("LONGNAM"));
    EXPECT_EQ(plan.channels[2].name, QStringLiteral("A,\"B"));
    EXPECT_EQ(plan.channels[2].slot, 7);
    EXPECT_TRUE(reportLines(plan).contains(QStringLiteral("line 8: Location \"250\" is not a channel from 0 to 199")));
}

TEST(ChannelCsv, AppendFillsEmptyChannelsAndTheImportRunsThePasses) {
    RadioImage img = clearedImage();
    put(img, channel(1, 14600000, 14600000));
    const QString csv = QStringLiteral("Frequency\n147.0\n148.0\n");
    const ImportPlan plan = planImport(csv, img, BandLimits{}, Placement::NextEmpty);
    ASSERT_EQ(plan.channels.size(), 2u);
    EXPECT_EQ(plan.channels[0].slot, 2);
    EXPECT_EQ(plan.channels[1].slot, 3);
    applyImport(img, BandLimits{}, plan);
    EXPECT_FALSE(usageBit(img, 3));
    EXPECT_EQ(ChannelRecordView(img, 3).rx(), Freq10Hz(14800000));
    EXPECT_EQ(planImport(csv, img, BandLimits{}, Placement::AtLocation).error,
              QStringLiteral("the header has no Location column (import into empty channels instead)"));
}

// Random channel lists on the radio's rasters with every field the format carries.
TEST(ChannelCsv, ExportThenImportKeepsEveryCarriedField) {
    std::mt19937 random(417);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto tone = [&]() -> ToneSetting {
        switch (pick(0, 2)) {
        case 1: return ctcss(pick(0, 50));
        case 2: return dcs(pick(0, 511), pick(0, 1));
        default: return {};
        }
    };
    for (int round = 0; round < 40; ++round) {
        RadioImage img = clearedImage();
        std::vector<ImportedChannel> made;
        for (int slot = kFirstSlot; slot < kFirstSlot + kOrdinarySlots; ++slot) {
            if (pick(0, 2) == 0) continue;
            const std::int32_t rx = 13600000 + 625 * pick(0, 6080);
            ImportedChannel c = channel(slot, rx, pick(0, 3) ? rx : 13600000 + 250 * pick(0, 15200));
            c.txOff = pick(0, 5) == 0;
            if (c.txOff) c.tx = c.rx;
            for (int i = pick(0, 7); i > 0; --i) c.name.append(QChar(pick(' ', '`')));
            c.name = c.name.trimmed();
            c.step = pick(0, 9);
            c.spacing = pick(0, 2);
            c.power = pick(0, 2);
            c.encode = tone();
            c.decode = tone();
            c.skip = pick(0, 1);
            ImportPlan plan;
            plan.channels.push_back(c);
            applyImport(img, BandLimits{}, plan);
            made.push_back(carried(img, slot));
        }
        const ImportPlan plan = planImport(exportChannels(img), clearedImage(), BandLimits{}, Placement::AtLocation);
        EXPECT_TRUE(plan.refused.empty()) << reportLines(plan).join(u'\n').toStdString();
        RadioImage back = clearedImage();
        applyImport(back, BandLimits{}, plan);
        for (const ImportedChannel& c : made) expectSame(carried(back, c.slot), c);
    }
}

} // namespace
} // namespace channels::csv
