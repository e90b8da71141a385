// SPDX-License-Identifier: GPL-3.0-or-later
// Channel lists as CSV: golden text for a small list, every tone mapping both ways, the
// report of rows an import refuses, the habits of other tools' files, and export, clear,
// import over seeded random configurations giving what a store of the channel list leaves.

#include "channels/channel_csv.h"
#include "channels/channel_record.h"
#include "channels/channel_rows.h"
#include "image/consistency_pass.h"
#include "image/memory_map.h"
#include "image_diff.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

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
    return c;
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

    ImportedChannel options = channel(12, 14700000, 14700000);
    options.name = QStringLiteral(" ZX 90");
    options.signalling = 1;
    options.dtmfCode = options.signallingCode = 2;
    options.busyLock = 2;
    options.scrambler = 9;
    options.dtmfPttId = 3;
    options.squelchMode = 4;
    options.compander = options.talkAround = true;
    options.power = 1;
    put(img, options);

    EXPECT_EQ(exportChannels(img).toStdString(),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
              "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE,QMR417 Signaling,"
              "QMR417 DTMF Code,QMR417 Signaling Code,QMR417 5Tone Code,QMR417 Busy Lock-out,QMR417 Scrambler,"
              "QMR417 DTMF PTT ID,QMR417 5Tone PTT ID,QMR417 Squelch Mode,QMR417 Compander,QMR417 Talk Around,"
              "QMR417 Reverse,QMR417 20 kHz,QMR417 TX Off Frequency\r\n"
              "0,\"CALL,1\",146.520000,,0.000000,Tone,97.4,88.5,023,NN,023,Tone->Tone,NFM,12.50,,60W,,,,,,"
              "Off,M5,255,255,Off,Off,Off,Off,Carrier,Off,Off,Off,Off,\r\n"
              "10,,146.006250,-,0.600000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,6.25,S,5W,,,,,,"
              "Off,M5,255,255,Off,Off,Off,Off,Carrier,Off,Off,Off,Off,\r\n"
              "11,\" ZX 90\",147.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,25W,,,,,,"
              "DTMF,M3,255,255,Busy,Custom,Begin And End,Off,CTCSS/DCS Or Option Signal,On,On,Off,Off,\r\n"
              "199,,150.000000,off,0.000000,Cross,88.5,62.5,023,NN,023,->Tone,FM,12.50,,60W,20 kHz,,,,,"
              "Off,M5,255,255,Off,Off,Off,Off,Carrier,Off,Off,Off,On,150.000000\r\n");
}

TEST(ChannelCsv, EveryToneMappingGoesOutAndComesBack) {
    struct Case {
        ToneSetting encode, decode;
        const char* columns;  // Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode
    };
    const Case cases[] = {
        {{}, {}, ",88.5,88.5,023,NN,023,Tone->Tone"},
        {ctcss(9), {}, "Tone,88.5,88.5,023,NN,023,Tone->Tone"},
        {ctcss(50), ctcss(50), "TSQL,254.1,254.1,023,NN,023,Tone->Tone"},
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
        "146.0,0,plain,,,,,FM\r\n"                 // 2: taken, name upper-cased with a word
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
    ASSERT_EQ(plan.warnings.size(), 2u);
    EXPECT_EQ(plan.warnings[0].text, QStringLiteral("Name \"plain\" is taken in capitals: \"PLAIN\""));
    EXPECT_EQ(plan.warnings[1].line, 5);
    EXPECT_EQ(plan.warnings[1].text, QStringLiteral("Name \"LONGNAME1\" cut to \"LONGNAM\" (7 characters)"));

    ASSERT_EQ(plan.channels.size(), 3u);
    EXPECT_EQ(plan.channels[0].name, QStringLiteral("PLAIN"));
    EXPECT_EQ(plan.channels[1].name, QStringLiteral("LONGNAM"));
    EXPECT_EQ(plan.channels[2].name, QStringLiteral("A,\"B"));
    EXPECT_EQ(plan.channels[2].slot, 7);
    EXPECT_TRUE(reportLines(plan).contains(QStringLiteral("line 8: refused: Location \"250\" is not a channel from 0 to 199")));
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

// What other tools write, row by row: what the channel becomes, and the one report line
// (a warning, or the reason the row is refused). 136-174 MHz, the 60 W class: 60/25/5 W.
QString toneText(const ToneSetting& tone) {
    if (tone.type == kToneTypeCtcss) return QString::fromLatin1(kCtcssTable[std::size_t(tone.ctcss)].data());
    if (tone.type == kToneTypeDcs) return dcsCodeText(tone.dcs) + (tone.inverted ? u'R' : u'N');
    return QStringLiteral("Off");
}

QString described(const ImportedChannel& c) {
    return QStringLiteral("[%1] %2 %3 %4 %5%6 %7/%8")
        .arg(c.name, image::formatFrequency(c.rx), image::formatFrequency(c.tx), entryText(kStepList, c.step),
             entryText(kPowerList, c.power), c.skip ? QStringLiteral(" S") : QString(), toneText(c.encode),
             toneText(c.decode));
}

TEST(ChannelCsv, OtherToolsHabitsAreReadWithAWarningNotRefused) {
    const char* current = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                          "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";
    const struct {
        const char* header;  // nullptr: the current layout above
        const char* row;
        const char* stored;  // described(), or "refused"
        const char* report;  // the row's one report line, or ""
    } cases[] = {
        {nullptr, "1,CALL,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,",
         "[CALL] 146.52000 146.52000 5 Low Off/Off", "Power 5.0W is taken as Low (nominal 5 W)"},
        {nullptr, "1,RPT,145.600000,-,0.600000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,50W,,,,,",
         "[RPT] 145.60000 145.00000 12.5 High 88.5/88.5", "Power 50W is taken as High (nominal 60 W)"},
        {nullptr, "1,,146.0,,,,,,,,,,FM,,,500 MW,,,,,", "[] 146.00000 146.00000 12.5 Low Off/Off",
         "Power 500 MW is taken as Low (nominal 5 W)"},
        {nullptr, "1,,146.0,,,,,,,,,,FM,,,20w,,,,,", "[] 146.00000 146.00000 12.5 Middle Off/Off",
         "Power 20w is taken as Middle (nominal 25 W)"},
        {nullptr, "1,,146.0,,,,,,,,,,FM,,,Loud,,,,,", "[] 146.00000 146.00000 12.5 High Off/Off",
         "Power \"Loud\" is neither a watt figure nor High, Middle or Low: taken as High"},
        {"location,name,frequency,TSTEP,power", "1,,146.0,25.00,low", "[] 146.00000 146.00000 25 Low Off/Off", ""},
        {nullptr, "1,,146.0,,,,,,,,,,FM,15.00,,,,,,,", "[] 146.00000 146.00000 12.5 High Off/Off",
         "TStep 15.00 is not a step the radio has: taken as 12.5, the nearest"},
        {nullptr, "1,,146.0,,,,,,,,,,FM,100.00,,,,,,,", "[] 146.00000 146.00000 50 High Off/Off",
         "TStep 100.00 is not a step the radio has: taken as 50, the nearest"},
        {nullptr, "1,,146.0,,,,,,,,,,FM,,P,,,,,,", "[] 146.00000 146.00000 12.5 High Off/Off",
         "Skip \"P\" (priority in other tools) is taken as not skipped"},
        {nullptr, "1,,146.0,,,Cross,100.0,88.5,023,NN,023,Tone->,FM,,,,,,,,",
         "[] 146.00000 146.00000 12.5 High 100.0/Off", ""},
        {"Location,Name,Frequency", "1,Café,146.0", "[CAFE] 146.00000 146.00000 12.5 High Off/Off",
         "Name \"Café\" holds letters the radio cannot show: taken as \"CAFE\""},
        {"Location,Name,Frequency", "1,Müller✓,146.0", "[MULLER] 146.00000 146.00000 12.5 High Off/Off",
         "Name \"Müller✓\" holds letters the radio cannot show: taken as \"MULLER\""},
        {"Location,Name,Frequency", "1,\" ZX 90\",146.0", "[ ZX 90] 146.00000 146.00000 12.5 High Off/Off", ""},
        {"Location,Name,Frequency", "1,  ZX 90  ,146.0", "[ZX 90] 146.00000 146.00000 12.5 High Off/Off", ""},
        {"Location,Name,Frequency", "1,ABCDEF GH,146.0", "[ABCDEF ] 146.00000 146.00000 12.5 High Off/Off",
         "Name \"ABCDEF GH\" cut to \"ABCDEF \" (7 characters)"},
        {"Location;Name;Frequency;Duplex;Offset;Power", "1;HOME;146,52;+;0,6;5,0 W",
         "[HOME] 146.52000 147.12000 12.5 Low Off/Off", "Power 5,0 W is taken as Low (nominal 5 W)"},
        {"Location\tFrequency\tTone\tcToneFreq", "1\t146.0\tTSQL\t100.0", "[] 146.00000 146.00000 12.5 High 100.0/100.0", ""},
        {nullptr, "1,,146.0,-,-0.600000,,,,,,,,FM,,,,,,,,", "refused",
         "Offset \"-0.600000\" is negative: Duplex gives the direction (+ or -), Offset the distance"},
        {nullptr, "1,,146.0,+,21474.000000,,,,,,,,FM,,,,,,,,", "refused",
         "TX frequency 21620.000000 MHz lies outside the transmit band 136.000000-174.000000 MHz"},
        {nullptr, "1,,99999999999,,,,,,,,,,FM,,,,,,,,", "refused",
         "Frequency 99999999999 MHz lies outside the receive band 136.000000-174.000000 MHz"},
        {nullptr, "1,,146.0,,,DTCS,,,77777777777,NN,,,FM,,,,,,,,", "refused",
         "DtcsCode \"77777777777\" is not a DCS code (three octal digits)"},
        {"Location|Frequency", "1|146.0", "refused",
         "no Frequency column in the header line (columns must be separated by commas)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const QString text = QString::fromUtf8(c.header ? c.header : current) + u'\n' + QString::fromUtf8(c.row);
        const ImportPlan plan = planImport(text, clearedImage(), BandLimits{}, Placement::AtLocation);
        QStringList report = reportLines(plan);
        if (!plan.ok()) report = {plan.error};
        EXPECT_EQ(plan.channels.empty() ? QStringLiteral("refused") : described(plan.channels[0]), QString::fromUtf8(c.stored));
        const QString expected = QString::fromUtf8(c.report);
        const QString prefix = !plan.ok() ? "" : plan.channels.empty() ? "line 2: refused: " : "line 2: warning: ";
        EXPECT_EQ(report, expected.isEmpty() ? QStringList() : QStringList{prefix + expected});
    }
}

TEST(ChannelCsv, AWarningEveryRowWouldRepeatIsShownOnceAndALatin1FileReadsAsWritten) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("latin1.csv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Location,Name,Frequency,Power\n0,Caf\xE9,146.0,5.0W\n1,B,146.0,5.0W\n2,C,146.0,50W\n");
    file.close();
    QString text;
    ASSERT_TRUE(readFile(file.fileName(), text).isEmpty());
    const ImportPlan plan = planImport(text, clearedImage(), BandLimits{}, Placement::AtLocation);
    EXPECT_EQ(reportLines(plan), QStringList({
        QStringLiteral("line 2: warning: Name \"Café\" holds letters the radio cannot show: taken as \"CAFE\""),
        QStringLiteral("line 2: warning: Power 5.0W is taken as Low (nominal 5 W) (and 1 more row)"),
        QStringLiteral("line 4: warning: Power 50W is taken as High (nominal 60 W)")}));
    EXPECT_EQ(plan.warningCount(), 4u) << "a warning told once counts for every row it applies to";
}

// What a store of the channel list leaves: every row loaded and stored back, then the
// passes a store of all editors runs.
void storeChannelList(RadioImage& img, const BandLimits& limits) {
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) storeChannelRow(img, slot, loadChannelRow(img, limits, slot));
    channelValidityPass(img, limits);
    image::runConsistencyPass(img, limits);
}

// A configuration as the editors make one: a band of the table, a power class, some
// signalling entries in use, and channels with every field the Channel Edit dialog sets,
// RX and TX also outside the bands.
class RandomConfiguration {
public:
    explicit RandomConfiguration(unsigned seed) : m_random(seed) {}

    RadioImage make(BandLimits& limits) {
        RadioImage img = clearedImage();
        const image::BandRow& band = image::kBandTable[std::size_t(pick(0, int(image::kBandTable.size()) - 1))];
        limits = image::bandLimitsFromMHz(band.rxLowMHz, band.rxHighMHz, band.txLowMHz, band.txHighMHz);
        img.setU8(image::map::kTxPowerClass, std::uint8_t(pick(0, 1)));
        for (int i = 0; i < image::map::kTwoToneEntries; ++i)
            img.setU8(image::Addr(image::map::kTwoToneList + 16 * i + 4), std::uint8_t(pick(0, 3) == 0));
        for (int i = 0; i < image::map::kFiveToneEntries; ++i)
            img.setU8(image::Addr(image::map::kFiveToneList + 32 * i + 2), std::uint8_t(pick(0, 3) == 0));
        for (int slot = kFirstSlot; slot <= kSlotPB; ++slot)
            if (pick(0, 2) != 0) makeChannel(img, limits, slot);
        return img;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    Freq10Hz near(Freq10Hz low, Freq10Hz high) {
        return image::entryRounding(Freq10Hz(pick(low.value - 100000, high.value + 100000)));
    }

    ToneSetting tone() {
        switch (pick(0, 2)) {
        case 1: return ctcss(pick(0, 50));
        case 2: return dcs(pick(0, 511), pick(0, 1));
        default: return {};
        }
    }

    void makeChannel(RadioImage& img, const BandLimits& limits, int slot) {
        ImportedChannel c = channel(slot, 0, 0);
        c.rx = near(limits.rxLow, limits.rxHigh);
        c.tx = pick(0, 2) ? c.rx : near(limits.txLow, limits.txHigh);
        c.txOff = pick(0, 4) == 0;
        for (int i = pick(0, 7); i > 0; --i) c.name.append(QChar(pick(' ', '`')));
        c.step = pick(0, 9);
        c.spacing = pick(0, 2);
        c.power = pick(0, 2);
        c.encode = tone();
        c.decode = tone();
        c.skip = pick(0, 1);
        c.signalling = pick(0, 3);
        c.dtmfCode = pick(0, 15);
        c.signallingCode = c.signalling == 1 ? c.dtmfCode : pick(0, 31);
        c.fiveToneCode = pick(0, 99);
        c.busyLock = pick(0, 2);
        c.scrambler = pick(0, 9);
        c.dtmfPttId = pick(0, 3);
        c.fiveTonePttId = pick(0, 3);
        c.squelchMode = pick(0, 4);
        c.compander = pick(0, 1);
        c.talkAround = pick(0, 1);
        c.reverse = pick(0, 1);
        ImportPlan plan;
        plan.channels.push_back(c);
        applyImport(img, BandLimits{}, plan);  // writes the record as the dialog would, no band applied
    }

    std::mt19937 m_random;
};

TEST(ChannelCsv, ExportClearImportGivesWhatAStoreOfTheChannelListLeaves) {
    RandomConfiguration configurations(417);
    for (int round = 0; round < 40; ++round) {
        BandLimits limits;
        RadioImage exported = configurations.make(limits);
        storeChannelList(exported, limits);  // the File menu stores all editors before it exports

        RadioImage imported = exported;
        for (int slot = kFirstSlot; slot < kFirstSlot + kOrdinarySlots; ++slot) channelClear(imported, slot);
        const ImportPlan plan = planImport(exportChannels(exported), imported, limits, Placement::AtLocation);
        ASSERT_TRUE(reportLines(plan).isEmpty()) << reportLines(plan).join(u'\n').toStdString();
        applyImport(imported, limits, plan);

        RadioImage expected = exported;
        storeChannelList(expected, limits);
        for (const int special : {kSlotPA, kSlotPB, kSlotVFO})  // not in the file, so not stored again
            for (int i = 0; i < record::kSize; ++i)
                expected.setU8(image::Addr(recordAddress(special) + i), exported.u8(image::Addr(recordAddress(special) + i)));
        ASSERT_EQ(imported, expected) << "round " << round << "\n"
                                      << testing_support::joinLines(testing_support::imageDiff(expected, imported));
    }
}

// Files the import must refuse whole, or whose rows it must refuse or warn of, each with the
// line it names. A quote that never closes would take the rest of the file as one name.
TEST(ChannelCsv, BadFilesAreRefusedOrReportedWithTheirLine) {
    const struct {
        const char* csv;
        const char* lines;  // the plan's error, or its report lines
    } cases[] = {
        {"Location,Frequency,Name\n0,146.0,A\n1,146.0,\"B\n2,146.0,C\n3,146.0,D\n",
         "line 3: a quote opened here does not close, so the rest of the file would be one field"},
        {"Location,Frequency,Name\n0,146.0,\"TWO\nLINES\"\n", "line 2: warning: Name \"TWO\\nLINES\" holds letters the radio "
                                                              "cannot show: taken as \"TWOLINES\"\n"
                                                              "line 2: warning: Name \"TWOLINES\" cut to \"TWOLINE\" (7 characters)"},
        {"Location,Frequency,TStep\n0,146.0,27.5\n1,146.0,27.5\n", "line 2: warning: TStep 27.5 is not a step the radio "
                                                                   "has: taken as 25, the nearest (and 1 more row)"},
        {"Location,Frequency,QMR417 Busy Lock-out,QMR417 Squelch Mode\n0,146.0,7,9\n1,146.0,Busy,x\n",
         "line 3: refused: QMR417 Squelch Mode \"x\" is not one of: Carrier, CTCSS/DCS, Optional Signaling, "
         "CTCSS/DCS And Option Signal, CTCSS/DCS Or Option Signal"},
    };
    for (const auto& c : cases) {
        const ImportPlan plan = planImport(QString::fromUtf8(c.csv), clearedImage(), BandLimits{}, Placement::AtLocation);
        EXPECT_EQ((plan.ok() ? reportLines(plan).join(u'\n') : plan.error).toStdString(), c.lines) << c.csv;
    }
}

// What the program exports it imports: option bytes past their lists, a DTMF channel's code
// kept twice as the Channel Edit dialog keeps it, limits held inverted.
TEST(ChannelCsv, WhatTheProgramExportsItImportsByteForByte) {
    RadioImage img = clearedImage();
    ImportedChannel odd = channel(3, 14652000, 14652000);
    odd.busyLock = 7;
    odd.squelchMode = 9;
    odd.signalling = 1;
    odd.dtmfCode = odd.signallingCode = 4;
    put(img, odd);
    RadioImage inverted = img;
    image::BandLimits upsideDown{Freq10Hz(13600000), Freq10Hz(17400000), Freq10Hz(14800000), Freq10Hz(14400000)};
    for (const auto& [config, limits] : {std::pair{&img, BandLimits{}}, std::pair{&inverted, upsideDown}}) {
        storeChannelList(*config, limits);
        RadioImage imported = *config;
        channelClear(imported, 3);
        const ImportPlan plan = planImport(exportChannels(*config), imported, limits, Placement::AtLocation);
        EXPECT_EQ(reportLines(plan).join(u'\n'), "");
        applyImport(imported, limits, plan);
        EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(*config, imported)), "");
    }
}

} // namespace
} // namespace channels::csv
