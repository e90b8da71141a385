// A configuration document applied onto "Default.dat": bad documents refused with the line
// that names the problem and nothing changed, and a partial document that changes what it
// says and nothing else.

#include "../channels/image_diff.h"
#include "app/config_apply.h"
#include "app/config_report.h"
#include "default_image.h"
#include "image/memory_map.h"
#include "signalling/dtmf_fields.h"

#include <gtest/gtest.h>

// Readable failures for texts (beside QString, in the global namespace, where GoogleTest looks).
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

const QString kModel = QStringLiteral("QMR-417");

struct Applied {
    report::ApplyResult result;
    image::RadioImage image;
};

Applied applyOntoDefault(const char* json, bool strict = false) {
    Applied applied{{}, defaultdat::defaultImage()};
    image::BandLimits limits = image::decodeBandLimits(applied.image);
    applied.result = report::applyConfiguration(QByteArray(json), applied.image, limits, {kModel, strict});
    return applied;
}

QStringList lines(const report::ApplyResult& result) {
    QStringList out;
    for (const report::Problem& problem : result.problems) out.append(report::problemLine(problem));
    return out;
}

struct BadDocument {
    const char* json;
    const char* line;
    bool strict = false;
};

// One line each: the document and the one line it is refused with.
const BadDocument kBadDocuments[] = {
    {R"({"dtmf": {"selfId": "12A"}})", R"(dtmf.selfId: "12A": only digits 0-9)", true},
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
        return report::buildReport({img, image::decodeBandLimits(img), kModel});
    };
    EXPECT_EQ(report::differenceText(report::compare(reportOf(defaultdat::defaultImage()), reportOf(applied.image))),
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

} // namespace
