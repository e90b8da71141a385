// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration check on configurations built in code: planted faults give exactly
// their findings, settings that are not in effect give none, a fleet's radios are checked
// against each other, and qmr417-cli check prints the same lines with its exit codes.

#include "tests/support/cli_process.h"
#include "config/config_check.h"
#include "config/store_corrections.h"
#include "image/consistency_pass.h"
#include "image/parameter_file.h"
#include "report_fixture.h"
#include "settings/emergency_fields.h"
#include "settings/scan_fields.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Readable failures for texts (beside QString, in the global namespace, where GoogleTest looks).
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

using namespace reporttest;

// The findings, one a line.
QString findingTexts(const image::RadioImage& img) {
    QStringList lines;
    for (const app::check::Finding& f : config::checkConfiguration({img, image::decodeBandLimits(img)}))
        lines.append(app::check::findingText(f));
    return lines.join(u'\n');
}

// "Default.dat" with six faults, each in a field of its own, and two channels that only look
// alike: a talk-around and a low-power copy of CH 0 are channels of their own.
image::RadioImage sixFaults() {
    image::RadioImage img = defaultdat::defaultImage();
    putChannel(img, 1, 14652000, 14652000);                  // CH 0
    putChannel(img, 2, 14600000, 14600000).setDtmfPttId(1);  // CH 1: "Begin", and the BOT code is empty
    ChannelRecord outside = putChannel(img, 3, 14500000, 45000000);  // CH 2: TX outside the band
    outside.setSignallingType(2);                                    // 2Tone entry 5: no such entry in use
    outside.setSignallingCode(5);
    putChannel(img, 4, 14652000, 14652000);                  // CH 3: the same as CH 0
    putChannel(img, 5, 14652000, 14652000).setTalkAround(true);
    putChannel(img, 6, 14652000, 14652000).setPower(2);
    signalling::dtmf::packCode(img, signalling::dtmf::encodeEntry(1), u"101");  // M2 calls the self ID 101
    img.setU8(settings::scan::kPriorityMode, 1);  // watches priority channel 1 ...
    img.setU8(settings::scan::kPriorityChannel1, 7);  // ... which is empty
    return img;
}

TEST(ConfigCheckTest, SixPlantedFaultsGiveExactlySixFindings) {
    EXPECT_EQ(findingTexts(defaultdat::defaultImage()), "");
    EXPECT_EQ(findingTexts(sixFaults()),
              "Channel / CH 2 TX Frequency: 450.00000 lies outside the transmit band 136-174 MHz\n"
              "Channel / CH 3 RX Frequency: the same on the air as CH 0 (146.52000, decode Off, encode Off)\n"
              "Channel / CH 1 DTMF PTTID: \"Begin\" sends DTMF PTT ID Starting (BOT), which is empty\n"
              "Channel / CH 2 Optional Signaling: names 2Tone entry 5, which is not in use\n"
              "DTMF / DTMF Self ID: 101 is called by this radio's own encode entry M2 (101)\n"
              "Scan Information / Priority Channel 1: channel 7 is empty");
}

// A setting counts only while it is in effect; the same bytes out of effect give nothing.
TEST(ConfigCheckTest, SettingsNamingAnEmptyChannelOrEntryCountOnlyInEffect) {
    namespace em = settings::emergency;
    namespace fs = settings::function_setup;
    namespace scan = settings::scan;
    image::RadioImage base = defaultdat::defaultImage();
    putChannel(base, 1, 14652000, 14652000);
    base.setU8(fs::kMrChannel, 201);      // "PB", empty
    base.setU8(scan::kPriorityChannel1, 0);
    base.setU8(scan::kPriorityChannel2, 9);  // empty
    base.setU8(em::kEmergencyChannel, 5);    // empty
    base.setU8(em::kEniType, em::kEniFiveTone);
    base.setU8(em::kEmergencyId, 3);  // 5Tone entry 3, not in use
    EXPECT_EQ(findingTexts(base), "");  // VFO mode, no priority watch, a local alarm

    const struct {
        std::vector<std::pair<image::Addr, std::uint8_t>> bytes;
        const char* expected;
    } cases[] = {
        {{{fs::kVfoMr, 1}}, "Function Setup / MR Channel: channel PB is empty"},
        {{{fs::kVfoMr, 1}, {fs::kMrChannel, 0}}, ""},
        {{{scan::kPriorityMode, 3}}, "Scan Information / Priority Channel 2: channel 9 is empty"},
        {{{scan::kPriorityMode, 3}, {scan::kMode, 0}}, ""},  // scanning off
        // The revert code names priority channel 2, which its mode does not watch ...
        {{{scan::kPriorityMode, 1}, {scan::kRevertChannel, 3}},
         "Scan Information / Revert Channel: \"Priority Channel2\" returns to channel 9, which is empty"},
        // ... or does, and the priority channel is told of once.
        {{{scan::kPriorityMode, 2}, {scan::kRevertChannel, 3}}, "Scan Information / Priority Channel 2: channel 9 is empty"},
        {{{em::kAlarmType, 1}},
         "Emergency Information / Emergency ID: names 5Tone entry 3, which is not in use\n"
         "Emergency Information / Emergency Channel: channel 5 is empty"},
        {{{em::kAlarmType, 1}, {em::kSendChannel, 1}, {em::kEniType, em::kEniNone}}, ""},
        {{{em::kAlarmType, 9}}, ""},  // past the list: shown as "Alarm"
    };
    for (const auto& c : cases) {
        image::RadioImage img = base;
        for (const auto& [at, value] : c.bytes) img.setU8(at, value);
        EXPECT_EQ(findingTexts(img), QString::fromLatin1(c.expected)) << std::hex << c.bytes.front().first;
    }
}

// Three radios that send DTMF (a channel's PTT ID): the second shares the first's DTMF self ID
// and calls "DEPOT" another frequency; the third uses "DEPOT" with the first's RX but another
// TX, and its own IDs. All three share the 5Tone self ID of "Default.dat", which none sends.
std::vector<app::check::FleetRadio> fleet() {
    std::vector<app::check::FleetRadio> radios;
    for (const char* name : {"a.dat", "b.dat", "c.dat"}) radios.push_back({QString::fromLatin1(name), defaultdat::defaultImage()});
    putChannel(radios[0].image, 1, 14652000, 14652000).setName(u"DEPOT");
    putChannel(radios[1].image, 5, 14655000, 14655000).setName(u"DEPOT");
    putChannel(radios[2].image, 9, 14652000, 14622000).setName(u"DEPOT");
    for (app::check::FleetRadio& radio : radios) {
        putChannel(radio.image, 20, 14600000, 14600000).setDtmfPttId(1);
        signalling::dtmf::packCode(radio.image, signalling::dtmf::kPttIdStart, u"123");
    }
    signalling::dtmf::storeSelfId(radios[2].image, u"103");
    for (app::check::FleetRadio& radio : radios)  // as the program saves them
        image::runConsistencyPass(radio.image, image::decodeBandLimits(radio.image));
    return radios;
}

TEST(ConfigCheckTest, AFleetSharesNoSelfIdItSendsAndNoChannelNameWithOtherFrequencies) {
    QStringList lines;
    for (const app::check::FleetFinding& f : config::checkFleet(fleet())) lines.append(app::check::findingLine(f.radio, f.finding));
    EXPECT_EQ(lines.join(u'\n'), "b.dat: DTMF / DTMF Self ID: 101 is also the self ID of a.dat\n"
                                  "b.dat: Channel / CH 4 CH Name: \"DEPOT\" differs from CH 0 in a.dat: RX Frequency "
                                  "146.55000 here, 146.52000 there; TX Frequency 146.55000 here, 146.52000 there\n"
                                  "c.dat: Channel / CH 8 CH Name: \"DEPOT\" differs from CH 0 in a.dat: TX Frequency "
                                  "146.22000 here, 146.52000 there");
}

using clitest::CliRun;
using clitest::runCli;

TEST(ConfigCheckTest, CheckCommandPrintsOneLinePerFindingWithItsFile) {
    const QTemporaryDir dir;
    const auto save = [&](const char* name, const image::RadioImage& img) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(image::writeParameterFile(path, image::FilePrefixBlock{}, img).ok);
        return path;
    };
    const QString faulty = save("faulty.dat", sixFaults());
    const CliRun six = runCli({QStringLiteral("check"), faulty});
    EXPECT_EQ(six.exitCode, 1) << six.errorText.toStdString();
    const QStringList lines = six.outputText.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6) << six.outputText.toStdString();
    // What the editors will change comes first, as the program tells it when it opens the file.
    EXPECT_EQ(lines[0], faulty + ": Channel / CH 2 TX Frequency: 450.00000 lies outside 136-174 MHz: becomes 174.00000");
    EXPECT_EQ(lines[5], faulty + ": DTMF / DTMF Self ID: 101 is called by this radio's own encode entry M2 (101)");

    const std::vector<app::check::FleetRadio> radios = fleet();
    const auto saved = [](const image::RadioImage& img) {  // as the program saves a file: every editor stored
        return config::storeAllOnCopy(img, image::decodeBandLimits(img), QStringLiteral("QMR-417")).image;
    };
    const QString a = save("a.dat", saved(radios[0].image)), b = save("b.dat", saved(radios[1].image));
    const CliRun clean = runCli({QStringLiteral("check"), a});
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_TRUE(clean.outputText.isEmpty());
    const CliRun pair = runCli({QStringLiteral("check"), a, b, a});  // a file named twice is one radio
    EXPECT_EQ(pair.exitCode, 1);
    EXPECT_EQ(pair.outputText.count(u'\n'), 2) << pair.outputText.toStdString();
    EXPECT_TRUE(pair.outputText.startsWith(b + ": DTMF / DTMF Self ID: 101 is also the self ID of " + a + "\n"));

    const QString shortFile = dir.filePath(QStringLiteral("short.dat"));
    QFile file(shortFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100, '\0'));
    file.close();
    for (const QStringList& arguments : {QStringList{QStringLiteral("check"), a, dir.filePath("missing.dat")},
                                         QStringList{QStringLiteral("check"), shortFile},
                                         QStringList{QStringLiteral("check")}}) {
        const CliRun failed = runCli(arguments);
        EXPECT_EQ(failed.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_EQ(failed.errorText.count(u'\n'), 1) << failed.errorText.toStdString();
    }
}

// "Is this radio what I wrote?" is never answered wrongly: bytes no field shows still differ.
TEST(ConfigCheckTest, DiffCallsFilesThatDifferOnlyInBytesNoFieldShowsDifferent) {
    const QTemporaryDir dir;
    image::RadioImage hidden = defaultdat::defaultImage();
    hidden.setU8(0x3F00, std::uint8_t(hidden.u8(0x3F00) ^ 0x5A));
    const QString a = dir.filePath(QStringLiteral("a.dat")), b = dir.filePath(QStringLiteral("b.dat"));
    ASSERT_TRUE(image::writeParameterFile(a, image::FilePrefixBlock{}, defaultdat::defaultImage()).ok);
    ASSERT_TRUE(image::writeParameterFile(b, image::FilePrefixBlock{}, hidden).ok);
    const CliRun diff = runCli({QStringLiteral("diff"), a, b});
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_EQ(diff.outputText, QStringLiteral("1 other byte differs: 0x3F00\n"));
    EXPECT_EQ(runCli({QStringLiteral("diff"), a, a}).exitCode, 0);
}

} // namespace
