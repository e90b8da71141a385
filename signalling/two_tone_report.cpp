// The 2Tone section of the configuration report: the Encode page's timing, the Decode page's
// call format and tones, then the encode entries the list shows (first tone in range).

#include "app/report_sections.h"
#include "signalling/two_tone_codes.h"
#include "signalling/two_tone_fields.h"
#include "signalling/two_tone_texts.h"

namespace report {

namespace {

namespace tt = signalling::twotone;

constexpr int kEncodePageFields = 6;  // the four times, auto reset and side tone
constexpr int kDecodePageFields = 6;  // call format, decode response, tones A-D

Table encodeTable(const image::RadioImage& im) {
    const auto header = [](int column) { return QString::fromLatin1(tt::texts::kListColumns[std::size_t(column)].header); };
    // The list lies on the "Encode" page.
    Table table{QString::fromLatin1(tt::texts::kEncodeTab),
                QStringLiteral("encodeList"),
                {{header(0), QStringLiteral("number")},
                 {header(1), QStringLiteral("tone1Hz")},
                 {header(2), QStringLiteral("tone2Hz")},
                 {header(3), QStringLiteral("name")}},
                {}};
    for (int index = 0; index < tt::kEntries; ++index) {
        const tt::EncodeRow row = tt::loadEncodeRow(im, index);
        if (!row.tone1.isEmpty()) table.rows.append({QString::number(index), row.tone1, row.tone2, row.name});
    }
    return table;
}

} // namespace

Section twoToneSection(const ReportSource& source) {
    const image::RadioImage& im = source.image;
    namespace t = tt::texts;
    const QStringList durations = tt::durationEntries();
    const auto duration = [&](image::Addr at) { return shownPrefixEntry(durations, tt::tenthsText(im.u8(at))); };
    Section section = editorSection(app::EditorKind::TwoTone, QStringLiteral("twoTone"));
    section.entries = {
        entry(t::kTone1Duration, "tone1DurationS", duration(tt::kTone1Duration)),
        entry(t::kTone2Duration, "tone2DurationS", duration(tt::kTone2Duration)),
        entry(t::kLongToneDuration, "longToneDurationS", duration(tt::kLongToneDuration)),
        entry(t::kGapTime, "gapTimeMs", shownPrefixEntry(tt::gapEntries(), tt::gapText(im.u8(tt::kGapTime)))),
        entry(t::kAutoResetTime, "autoResetTimeS",
              shownPrefixEntry(tt::autoResetEntries(), tt::tenthsText(im.u8(tt::kAutoResetTime)))),
        entry(t::kSideTone, "sideTone", checkText(im.u8(tt::kSideTone) != 0)),
        entry(t::kCallFormat, "callFormat", listOf(tt::kCallFormatList).value(im.u8(tt::kCallFormat))),
        entry(t::kDecodeResponse, "decodeResponse", listOf(tt::kDecodeResponseList).value(im.u8(tt::kDecodeResponse))),
    };
    static constexpr const char* kToneKeys[] = {"toneAHz", "toneBHz", "toneCHz", "toneDHz"};
    for (int tone = 0; tone < tt::kDecodeToneCount; ++tone) {
        // The edit corrects a tone outside the range as it loads.
        const QString shown = tt::checkedDecodeToneText(tt::toneText(im.u16be(tt::decodeToneAddress(tone))));
        section.entries.append(entry(t::kToneLabels[std::size_t(tone)], kToneKeys[tone], shown));
    }
    // The Encode page's timing beside the Decode page's format and tones.
    section.printColumns = {{kEncodePageFields, kDecodePageFields}};
    section.tables.append(encodeTable(im));
    return section;
}

} // namespace report
