// SPDX-License-Identifier: GPL-3.0-or-later
// A configuration document applied onto "Default.dat": bad documents refused with the line
// that names the problem and nothing changed, and a partial document that changes what it
// says and nothing else.

#include "tests/support/cli_process.h"
#include "../channels/image_diff.h"
#include "config/config_apply.h"
#include "config/config_report.h"
#include "default_image.h"
#include "channels/channel_record.h"
#include "image/memory_map.h"
#include "image/parameter_file.h"
#include "signalling/dtmf_fields.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

// Readable failures for texts (beside QString, in the global namespace, where GoogleTest looks).
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

const QString kModel = QStringLiteral("QMR-417");

struct Applied {
    config::ApplyResult result;
    image::RadioImage image;
};

Applied applyOntoDefault(const char* json, bool strict = false) {
    Applied applied{{}, defaultdat::defaultImage()};
    image::BandLimits limits = image::decodeBandLimits(applied.image);
    applied.result = config::applyConfiguration(QByteArray(json), applied.image, limits, {kModel, strict});
    return applied;
}

QStringList lines(const config::ApplyResult& result) {
    QStringList out;
    for (const app::report::Problem& problem : result.problems) out.append(app::report::problemLine(problem));
    return out;
}

struct BadDocument {
    const char* json;
    const char* line;
    bool strict = false;
};

// One line each: the document and the one line it is refused with.
const BadDocument kBadDocuments[] = {
    {R"({"dtmf": {"selfId": "12A"}})", R"(dtmf.selfId: "12A": only digits 0-9)"},
    {R"({"functionSetup": {"voicePrompt": ""}})",
     R"(functionSetup.voicePrompt: "": no entry chosen (a byte past the list): only a file holds it, and the editor takes it nowhere else)"},
    {R"({"dtmf": {"sideTone": true}})", R"(dtmf.sideTone: true: true or false, not a text (write "Yes" or "No"))"},
    {R"({"dtmf": {}, "dtmf": {}})", R"(dtmf: {...}: given twice)"},
    {R"({"dtmf": {"selfId": "\u 031"}})", R"(line 1, column 24: a \u escape needs four hexadecimal digits)"},
    {R"({"dtmf": {"selfId": "\u0x32"}})", R"(line 1, column 25: a \u escape needs four hexadecimal digits)"},
    {R"({"dtmf": {"selfId": "\u+033"}})", R"(line 1, column 24: a \u escape needs four hexadecimal digits)"},
    {"{\"dtmf\": {\"selfId\": \"\xff\"}}", "the text is not UTF-8 (nor UTF-16 with a byte-order mark)"},
    {R"({"dtmf": {"selfId": "0123456789012345678901234567890123456789012345678901234567890123456789"}})",
     R"(dtmf.selfId: "012345678901234567890123456789012345678901234567890123456789...": at most 3 digits)"},
    {R"({"dtmf": {"selfId": "1234"}})", R"(dtmf.selfId: "1234": at most 3 digits)"},
    {R"({"channel": {"channels": [{"channel": "3", "rxFrequency": "520.0"}]}})",
     R"(channel.channels[0].rxFrequency: "520.0": outside 136-174 MHz)"},
    {R"({"channel": {"channels": [{"channel": "3", "rxFrequency": "145.0031"}]}})",
     R"(channel.channels[0].rxFrequency: "145.0031": off the raster, becomes 145.00000)", true},
    {R"({"channel": {"channels": [{"channel": "0", "rxFrequency": "145", "txFrequency": "450"}]}})",
     R"(channel.channels[0].txFrequency: "450": outside the transmit band 136-174 MHz)"},
    {R"({"channel": {"channels": [{"channel": "200", "rxFrequency": "145"}]}})",
     R"(channel.channels[0].channel: "200": no such entry (0-199, PA, PB, VFO))"},
    {R"({"channel": {"channels": [{"channel": "0", "rxFrequency": "145"}, {"channel": "0", "rxFrequency": "146"}]}})",
     R"(channel.channels[1].channel: "0": listed twice (also channel.channels[0]))"},
    {R"({"channel": {"channels": [{"channel": "5", "name": "X"}]}})",
     R"(channel.channels[0].rxFrequency: missing: a new channel needs its RX frequency)"},
    {R"({"channel": {"channels": [{"channel": "0", "rxFrequency": "145", "squelchMode": "CTCSS/DCS"}]}})",
     R"(channel.channels[0].squelchMode: "CTCSS/DCS": not one of: Carrier)"},
    {R"({"channel": {"channels": [{"channel": "0", "rxFrequency": "145", "decode": "88.6"}]}})",
     R"(channel.channels[0].decode: "88.6": not a tone: Off, a CTCSS tone (62.5 ... 254.1) or a DCS code (D023N, D754I ...))"},
    {R"({"channel": {"channels": [{"channel": "0", "rxFrequency": "145", "signalling": "DTMF M17"}]}})",
     R"(channel.channels[0].signalling: "DTMF M17": not one of: M1, M2, M3 ... M16)"},
    {R"({"functionSetup": {"squelchLevl": "5"}})", R"(functionSetup.squelchLevl: unknown key)"},
    {R"({"functionSetup": {"squelchLevel": 5}})", R"(functionSetup.squelchLevel: 5: a number, not a text (write "5"))"},
    {R"({"functionSetup": {"squelchLevel": "21"}})", R"(functionSetup.squelchLevel: "21": not one of: 0, 1, 2 ... 20)"},
    {R"({"functionSetup": {"scrambleFrequencyHz": "5000"}})", R"(functionSetup.scrambleFrequencyHz: "5000": outside 2600-4000 Hz)"},
    {R"({"functionSetup": []})", R"(functionSetup: [...]: not an object)"},
    {R"({"squelch": {}})", R"(squelch: unknown section)"},
    {R"({"dtmf": {"ani": "On", "ani": "Off"}})", R"(dtmf.ani: "Off": given twice)"},
    {R"({"dtmf": {"encodeList": [{"number": "M1", "code": "12E"}]}})",
     R"(dtmf.encodeList[0].code: "12E": only 0-9, A-D, * and #)"},
    {R"({"twoTone": {"toneAHz": "5000"}})", R"(twoTone.toneAHz: "5000": outside 288.0-3116.0 Hz)"},
    {R"({"twoTone": {"encodeList": [{"number": "32", "tone1Hz": "1000"}]}})",
     R"(twoTone.encodeList[0].number: "32": no such entry (0-31))"},
    {R"({"fiveTone": {"encodeList": [{"number": "1", "specialCall": "ANI", "encodeId": "12"}]}})",
     R"(fiveTone.encodeList[0].encodeId: "12": reads back as the plain code 1212345)"},
    {R"({"keySetting": {"p1Short": "RESET"}})", R"(keySetting.p1Short: "RESET": not one of: Off, CALL, V/M ... CLONE)"},
    {R"({"scanInformation": {"priorityChannel1": "7"}})",
     R"(scanInformation.priorityChannel1: "7": the list offers nothing here)"},
    {R"({"communicationNote": {"contacts": [{"number": "5", "callId": "1234567"}]}})",
     R"(communicationNote.contacts[0].callId: "1234567": at most 5 characters)"},
    {R"({"model": {"rxMHz": "136-180"}})",
     R"(model.rxMHz: "136-180": RX 136-180 and TX 136-174 MHz lie within no band of this radio (see the Model dialog))"},
    {R"({"dtmf": {"selfId": "101",}})", R"(line 1, column 27: expected a key in quotes)"},
    {R"([{"dtmf": {}}])", R"([...]: not a configuration: the document must be one JSON object)"},
};

TEST(ConfigApply, BadDocumentsAreRefusedWithTheirLineAndChangeNothing) {
    for (const BadDocument& bad : kBadDocuments) {
        const Applied applied = applyOntoDefault(bad.json, bad.strict);
        EXPECT_FALSE(applied.result.applied) << bad.json;
        EXPECT_EQ(lines(applied.result), QStringList{QString::fromUtf8(bad.line)}) << bad.json;
        EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(defaultdat::defaultImage(), applied.image)), "")
            << bad.json;
    }
}

// Two channels and the DTMF self ID: the report changes in those (and in the lists of channels
// in use that other editors offer), the bytes only in the two records, the slot bitmaps and
// the self ID; a warning, and the value it was corrected to, without --strict.
TEST(ConfigApply, PartialDocumentChangesWhatItSaysAndNothingElse) {
    const Applied applied = applyOntoDefault(R"({
        "channel": {"channels": [
            {"channel": "0", "rxFrequency": "145.5", "name": "BASE"},
            {"channel": "1", "rxFrequency": "146.5231", "decode": "88.5", "encode": "88.5", "squelchMode": "CTCSS/DCS"}]},
        "dtmf": {"selfId": "202"}})");
    ASSERT_TRUE(applied.result.applied);
    EXPECT_EQ(lines(applied.result),
              QStringList{QStringLiteral(R"(channel.channels[1].rxFrequency: "146.5231": warning: off the raster, becomes 146.52000)")});

    const auto reportOf = [](const image::RadioImage& img) {
        return config::buildReport({img, image::decodeBandLimits(img), kModel});
    };
    EXPECT_EQ(config::differenceText(config::compare(reportOf(defaultdat::defaultImage()), reportOf(applied.image))),
              QStringLiteral(
                  "Channel / CH 0: (not in use) -> RX Frequency 145.50000, TX Frequency 145.50000, CH Name BASE, "
                  "Step(KHz) 12.5, Channel Spacing 25, TX Power High, CTCSS/DCS Decode Off, CTCSS/DCS Encode Off, "
                  "Optional Signaling Off\n"
                  "Channel / CH 1: (not in use) -> RX Frequency 146.52000, TX Frequency 146.52000, Step(KHz) 12.5, "
                  "Channel Spacing 25, TX Power High, CTCSS/DCS Decode 88.5, CTCSS/DCS Encode 88.5, Optional "
                  "Signaling Off, Squelch Mode CTCSS/DCS\n"
                  "Function Setup / MR Channel:  -> 0\n"
                  "DTMF / DTMF Self ID: 101 -> 202\n"
                  "Scan Information / Priority Channel 1:  -> 0\n"
                  "Scan Information / Priority Channel 2:  -> 0\n"
                  "Emergency Information / Emergency Channel:  -> 0\n"));

    namespace map = image::map;
    const auto ours = [](unsigned at, int) {
        const bool records = at >= map::kChannelRecords && at < map::kChannelRecords + 2u * map::kChannelRecordSize;
        const bool bitmaps = at == map::kChannelUsageMap || at == map::kScanSkipMap;
        const bool selfId = at >= signalling::dtmf::kSelfId && at < signalling::dtmf::kSelfId + 3u;
        return records || bitmaps || selfId;
    };
    EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(defaultdat::defaultImage(), applied.image, ours)), "");
}

// A list that is present replaces its list whole; one that is absent stays. Fleet programming
// applies a small document onto a master: the second document names one 2Tone entry and
// leaves the contacts out.
TEST(ConfigApply, PresentListReplacesTheListWholeAndAnAbsentOneStays) {
    Applied master = applyOntoDefault(R"({
        "twoTone": {"encodeList": [{"number": "0", "tone1Hz": "1000.0", "tone2Hz": "1500.0", "name": "DEPOT"},
                                   {"number": "4", "tone1Hz": "1200.0", "tone2Hz": "1800.0", "name": "YARD"}]},
        "communicationNote": {"contacts": [{"number": "3", "callId": "123", "name": "BOSS"}]}})");
    ASSERT_TRUE(master.result.applied) << lines(master.result).join(u'\n').toStdString();
    image::BandLimits limits = image::decodeBandLimits(master.image);
    const config::ApplyResult row = config::applyConfiguration(
        QByteArray(R"({"twoTone": {"encodeList": [{"number": "4", "tone1Hz": "1200.0", "tone2Hz": "1800.0", "name": "GATE"}]}})"),
        master.image, limits, {kModel});
    ASSERT_TRUE(row.applied) << lines(row).join(u'\n').toStdString();
    const QByteArray json = config::toJson(config::buildReport({master.image, limits, kModel}));
    const QString text = QString::fromUtf8(json).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral(R"("encodeList": [ { "number": "4", "tone1Hz": "1200.0", "tone2Hz": "1800.0", "name": "GATE" } ])")))
        << json.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(R"("contacts": [ { "number": "3", "callId": "123", "name": "BOSS" } ])")))
        << json.toStdString();
}

// Every option the report model lists for a field (and so the schema in docs/) is a text the
// document may give: applying it alone onto "Default.dat" finds no error.
TEST(ConfigApply, EveryListedOptionIsTaken) {
    const image::RadioImage img = defaultdat::defaultImage();
    const app::report::ConfigReport model = config::buildReport({img, image::decodeBandLimits(img), kModel});
    int tried = 0;
    for (const app::report::Section& section : model.sections)
        for (const app::report::Entry& entry : section.entries)
            for (const QString& option : entry.options) {
                if (option.isEmpty()) continue;  // no selection: only a file holds it
                const QString json = QStringLiteral(R"({"%1": {"%2": "%3"}})").arg(section.key, entry.key, option);
                const Applied applied = applyOntoDefault(json.toUtf8().constData());
                EXPECT_EQ(applied.result.errors(), 0) << json.toStdString() << "\n" << lines(applied.result).join(u'\n').toStdString();
                ++tried;
            }
    EXPECT_GT(tried, 300);
}

// What a document changes beyond its own values is said: a band change that moves channels
// only when allowed, a setting whose channel the list leaves out; and a 5Tone ANI entry with
// an interval character comes back onto "Default.dat" as it was written.
TEST(ConfigApply, ChangesBeyondTheDocumentAreToldAndAnAniEntryReadsBack) {
    const Applied six = applyOntoDefault(R"({"channel": {"channels": [
        {"channel": "0", "rxFrequency": "145"}, {"channel": "1", "rxFrequency": "146"}, {"channel": "5", "rxFrequency": "147"}]},
        "functionSetup": {"vfoMr": "MR", "mrChannel": "5"}})");
    ASSERT_TRUE(six.result.applied) << lines(six.result).join(u'\n').toStdString();
    const image::BandLimits sixLimits = image::decodeBandLimits(six.image);

    const QByteArray bandChange(R"({"model": {"rxMHz": "400-480", "txMHz": "400-480"}})");
    for (const bool allow : {false, true}) {
        image::RadioImage img = six.image;
        image::BandLimits limits = sixLimits;
        config::ApplyOptions options{kModel};
        options.allowBandChange = allow;
        const config::ApplyResult result = config::applyConfiguration(bandChange, img, limits, options);
        EXPECT_EQ(result.applied, allow);
        EXPECT_EQ(lines(result), QStringList{allow ? QStringLiteral(R"(model.rxMHz: "400-480": warning: 3 channels lie (CH 0, CH 1, CH 5) outside the new band; each moves to the band's nearest limit)")
                                                   : QStringLiteral(R"(model.rxMHz: "400-480": 3 channels lie (CH 0, CH 1, CH 5) outside the new band, which would move each to the band's nearest limit; allow the band change to do so (--allow-band-change))")});
        EXPECT_EQ(img == six.image, !allow) << "refused, nothing changes";
    }

    image::RadioImage img = six.image;
    image::BandLimits limits = sixLimits;
    const config::ApplyResult dropped = config::applyConfiguration(
        QByteArray(R"({"channel": {"channels": [{"channel": "1", "rxFrequency": "146"}]}})"), img, limits, {kModel});
    EXPECT_TRUE(dropped.applied);
    EXPECT_EQ(lines(dropped).join(u'\n'), QStringLiteral(
        "functionSetup.mrChannel: \"5\": warning: the channel list leaves out channel 5, which this setting names; becomes 1\n"
        "scanInformation.priorityChannel1: \"0\": warning: the channel list leaves out channel 0, which this setting names; becomes 1\n"
        "scanInformation.priorityChannel2: \"0\": warning: the channel list leaves out channel 0, which this setting names; becomes 1\n"
        "emergencyInformation.emergencyChannel: \"0\": warning: the channel list leaves out channel 0, which this setting names; becomes 1"));

    const Applied ani = applyOntoDefault(R"({"fiveTone": {"selfId": "60104",
        "encodeList": [{"number": "3", "specialCall": "ANI", "encodeId": "93786E"}, {"number": "4", "encodeId": "1223"}]}})");
    ASSERT_TRUE(ani.result.applied) << lines(ani.result).join(u'\n').toStdString();
    EXPECT_EQ(lines(ani.result), QStringList{QStringLiteral(R"(fiveTone.encodeList[1].encodeId: "1223": warning: becomes 12E3)")});
    const QByteArray json = config::toJson(config::buildReport({ani.image, image::decodeBandLimits(ani.image), kModel}));
    EXPECT_TRUE(QString::fromUtf8(json).simplified().contains(QStringLiteral(R"("specialCall": "ANI", "encodeId": "93786E")")))
        << json.toStdString();
    const Applied again = applyOntoDefault(json.constData());
    ASSERT_TRUE(again.result.applied) << lines(again.result).join(u'\n').toStdString();
    EXPECT_EQ(config::toJson(config::buildReport({again.image, image::decodeBandLimits(again.image), kModel})), json);
}

using clitest::CliRun;
using clitest::runCli;

// The command: --out is checked first; with an error every problem is one line, exit 10 and
// no file; a warning writes, unless --strict; "-" is "Default.dat" beside the program.
TEST(ConfigApply, ApplyCommandWritesOnlyADocumentWithoutErrors) {
    const QTemporaryDir dir;
    const auto write = [&](const char* name, const char* text) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    };
    const QString out = dir.filePath(QStringLiteral("new.dat"));
    const QString bad = write("bad.json", R"({"dtmf": {"selfId": "1234"}, "functionSetup": {"squelchLevl": "5"}})");
    const CliRun refused = runCli({QStringLiteral("apply"), bad, QStringLiteral("-"), QStringLiteral("--out"), out});
    EXPECT_EQ(refused.exitCode, 10);
    EXPECT_EQ(refused.errorText, QStringLiteral("dtmf.selfId: \"1234\": at most 3 digits\nfunctionSetup.squelchLevl: unknown key\n") +
                               bad + QStringLiteral(": 2 errors, 0 warnings; nothing written\n"));
    EXPECT_FALSE(QFile::exists(out));

    const CliRun noFolder = runCli({QStringLiteral("apply"), dir.filePath(QStringLiteral("missing.json")), QStringLiteral("-"),
                                    QStringLiteral("--out"), dir.filePath(QStringLiteral("no/such/folder.dat"))});
    EXPECT_EQ(noFolder.exitCode, 2);
    EXPECT_TRUE(noFolder.errorText.contains(QStringLiteral("cannot save"))) << noFolder.errorText.toStdString();

    const QString offRaster = write("raster.json", R"({"channel": {"channels": [{"channel": "1", "rxFrequency": "146.5231"}]}})");
    const CliRun strict = runCli({QStringLiteral("apply"), offRaster, QStringLiteral("-"), QStringLiteral("--out"), out,
                                  QStringLiteral("--strict")});
    EXPECT_EQ(strict.exitCode, 10);
    EXPECT_FALSE(QFile::exists(out));
    const CliRun warned = runCli({QStringLiteral("apply"), offRaster, QStringLiteral("-"), QStringLiteral("--out"), out});
    EXPECT_EQ(warned.exitCode, 0) << warned.errorText.toStdString();
    image::FilePrefixBlock prefix{};
    image::RadioImage img;
    ASSERT_TRUE(image::readParameterFile(out, prefix, img).ok);
    EXPECT_EQ(channels::ChannelRecordView(img, 2).rx(), image::Freq10Hz(14652000));
}

// Damaged documents, as a script or an editor may leave them: a seeded run of cut, doubled and
// replaced characters and changed digits in a real document, and nesting far deeper than any configuration. None
// may crash; one that is refused says why and changes nothing; one that is taken leaves a
// configuration whose own report applies onto it without changing a byte.
TEST(ConfigApply, DamagedDocumentsAreRefusedWholeOrTakenConsistently) {
    const Applied partial = applyOntoDefault(R"({"channel": {"channels": [{"channel": "0", "rxFrequency": "145.5", "name": "BASE"}]},
                                                "dtmf": {"selfId": "202", "encodeList": [{"number": "M1", "code": "123"}]}})");
    ASSERT_TRUE(partial.result.applied);
    const QByteArray original =
        config::toJson(config::buildReport({partial.image, image::decodeBandLimits(partial.image), kModel}));
    std::mt19937 random(417);
    const auto pick = [&](qsizetype high) { return qsizetype(std::uniform_int_distribution<qsizetype>(0, high)(random)); };
    const QByteArray alphabet = QByteArrayLiteral("{}[]\",: 0123456789.-abcdefxyzDTMFe+\\u\n\x01\xc3\xa9\xff");
    int taken = 0;
    for (int n = 0; n < 200; ++n) {
        QByteArray json = original;
        for (int edit = 0, edits = int(pick(3)) + 1; edit < edits; ++edit) {
            const qsizetype at = pick(json.size() - 1);
            const qsizetype digit = json.indexOf(QByteArrayView("0123456789").sliced(pick(9), 1), at);
            switch (pick(3)) {
            case 0: json.remove(at, pick(8) + 1); break;
            case 1: json.insert(at, json.mid(pick(json.size() - 1), pick(12))); break;
            case 2: json[at] = alphabet[pick(alphabet.size() - 1)]; break;
            default:  // another digit in a value: mostly a document that can still be taken
                if (digit >= 0) json[digit] = char('0' + pick(9));
                break;
            }
        }
        Applied applied{{}, defaultdat::defaultImage()};
        image::BandLimits limits = image::decodeBandLimits(applied.image);
        applied.result = config::applyConfiguration(json, applied.image, limits, {kModel});
        if (!applied.result.applied) {
            EXPECT_GT(applied.result.errors(), 0) << json.toStdString();
            EXPECT_EQ(applied.image, defaultdat::defaultImage()) << json.toStdString();
            continue;
        }
        ++taken;
        const QByteArray again = config::toJson(config::buildReport({applied.image, limits, kModel}));
        image::RadioImage onto = applied.image;
        ASSERT_TRUE(config::applyConfiguration(again, onto, limits, {kModel}).applied) << json.toStdString();
        EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(applied.image, onto)), "") << json.toStdString();
    }
    EXPECT_GT(taken, 0);
    RecordProperty("taken", taken);

    const QByteArray deep = QByteArray(100000, '[') + QByteArray(100000, ']');
    EXPECT_EQ(lines(applyOntoDefault(deep.constData()).result), QStringList{QStringLiteral("line 1, column 65: nested too deeply")});
    QByteArray objects;
    for (int i = 0; i < 100000; ++i) objects += R"({"a":)";
    EXPECT_EQ(lines(applyOntoDefault(objects.constData()).result), QStringList{QStringLiteral("line 1, column 321: nested too deeply")});
    // Refused before it is read: no configuration comes near 8 MB.
    const QByteArray huge = R"({"dtmf": {"selfId": ")" + QByteArray(9 * 1024 * 1024, '1') + R"("}})";
    EXPECT_EQ(lines(applyOntoDefault(huge.constData()).result),
              QStringList{QStringLiteral("9437208 bytes: larger than any configuration document (at most 8 MB)")});
}

} // namespace
