// The 5Tone section of the configuration report: the general settings, the BOT and EOT PTT
// ID codes and the eight information codes as the editor shows them, then the encode list
// entries in use.

#include "app/report_sections.h"
#include "signalling/five_tone_codes.h"
#include "signalling/five_tone_fields.h"
#include "signalling/five_tone_texts.h"

namespace report {

namespace {

namespace ft = signalling::five_tone;
namespace t = ft::texts;

constexpr int kGeneralRows = 6;
constexpr int kPttIdCodeFields = 3;  // Encode ID, Standard, Tone Length

QString text(const char* latin1) { return QString::fromLatin1(latin1); }

Entry entry(const QString& label, const QString& key, const QString& value) { return {label, key, value}; }

// A list of milliseconds stored in tens shows the first entry beginning with the value.
QString msText(const QStringList& entries, std::uint8_t stored) {
    return shownPrefixEntry(entries, QString::number(stored * 10));
}

QString pttIdPauseText(std::uint8_t stored) {
    return shownPrefixEntry(ft::pttIdPauseEntries(), stored == 0 ? text(t::kOff) : QString::number(stored));
}

// "PTTID Starting (BOT) Encode ID" ...: the group's title before the field's label.
void appendPttIdCode(Section& section, const image::RadioImage& im, image::Addr record, const char* group,
                     const QString& key) {
    const QString title = text(group) + u' ';
    section.entries += {
        entry(title + text(t::kEncodeId), key + QStringLiteral("EncodeId"), ft::readPttIdCode(im, record)),
        entry(title + text(t::kStandard), key + QStringLiteral("Standard"),
              ft::standardNames().value(im.u8(image::Addr(record + ft::kCodeStandard)))),
        entry(title + text(t::kToneLength), key + QStringLiteral("ToneLengthMs"),
              msText(ft::toneLengthEntries(), im.u8(image::Addr(record + ft::kCodeToneLength)))),
    };
}

Table informationTable(const image::RadioImage& im) {
    Table table{text(t::kInformationGroup),
                QStringLiteral("informationCodes"),
                {{text(t::kInformationNumber), QStringLiteral("number")},
                 {text(t::kFunctionOption), QStringLiteral("functionOption")},
                 {text(t::kDecodingResponse), QStringLiteral("decodingResponse")},
                 {text(t::kInformationId), QStringLiteral("informationId")},
                 {text(t::kFunctionName), QStringLiteral("functionName")}},
                {}};
    for (int number = 1; number <= ft::kInformationCount; ++number) {
        const image::Addr record = ft::informationAddress(number);
        const int option = im.u8(image::Addr(record + ft::kInfoFunctionOption));
        const int response = im.u8(image::Addr(record + ft::kInfoDecodingResponse));
        table.rows.append({QString::number(number), listOf(ft::kFunctionOptionList).value(option),
                           ft::informationResponseEntries(option).value(response), ft::readInformationId(im, number),
                           ft::readFunctionName(im, number)});  // the editor shows it, greyed or not
    }
    return table;
}

Table encodeTable(const image::RadioImage& im) {
    const auto header = [](int column) { return text(t::kListHeaders[column]); };
    // The list has no title of its own; it holds encode IDs.
    Table table{header(2),
                QStringLiteral("encodeList"),
                {{header(0), QStringLiteral("number")},
                 {header(1), QStringLiteral("specialCall")},
                 {header(2), QStringLiteral("encodeId")},
                 {header(3), QStringLiteral("standard")},
                 {header(4), QStringLiteral("toneLengthMs")},
                 {header(5), QStringLiteral("name")}},
                {}};
    const QString selfId = ft::readSelfId(im);
    const std::uint8_t interval = im.u8(ft::kIntervalCharacter);
    for (int index = 0; index < ft::kEncodeEntries; ++index) {
        const ft::EncodeEntryCells cells = ft::loadEncodeEntry(im, index, selfId, interval);
        if (cells.inUse())
            table.rows.append({QString::number(index), cells.kind, cells.id, cells.standard, cells.toneLength, cells.name});
    }
    return table;
}

} // namespace

Section fiveToneSection(const ReportSource& source) {
    const image::RadioImage& im = source.image;
    Section section = editorSection(app::EditorKind::FiveTone, QStringLiteral("fiveTone"));
    const QStringList delays = ft::delayEntries();
    section.entries = {
        entry(text(t::kSelfId), QStringLiteral("selfId"), ft::readSelfId(im)),
        entry(text(t::kDecodeStandard), QStringLiteral("decodeStandard"),
              ft::standardNames().value(im.u8(ft::kDecodeStandard))),
        entry(text(t::kDecodingResponse), QStringLiteral("decodingResponse"),
              listOf(ft::kDecodingResponseList).value(im.u8(ft::kDecodingResponse))),
        entry(text(t::kDecodeToneLength), QStringLiteral("decodeToneLengthMs"),
              msText(ft::toneLengthEntries(), im.u8(ft::kDecodeToneLength))),
        entry(text(t::kPretime), QStringLiteral("pretimeMs"), msText(delays, im.u8(ft::kPretime))),
        entry(text(t::kAutoResetTime), QStringLiteral("autoResetTimeS"),
              shownPrefixEntry(ft::autoResetEntries(), ft::tenthsText(im.u8(ft::kAutoResetTime)))),
        entry(text(t::kTimeLapseAfterEncode), QStringLiteral("timeLapseAfterEncodeMs"),
              msText(delays, im.u8(ft::kTimeLapseAfterEncode))),
        entry(text(t::kPttIdPause), QStringLiteral("pttIdPauseTimeS"), pttIdPauseText(im.u8(ft::kPttIdPause))),
        entry(text(t::kFirstDelay), QStringLiteral("firstDelayMs"), msText(delays, im.u8(ft::kFirstDelay))),
        entry(text(t::kStopCode), QStringLiteral("stopCode"),
              shownPrefixEntry(listOf(ft::kStopCodeList), ft::stopCodeText(im.u8(ft::kStopCode)))),
        entry(text(t::kStopTime), QStringLiteral("stopTimeMs"), msText(ft::stopTimeEntries(), im.u8(ft::kStopTime))),
        entry(text(t::kDecodeTime), QStringLiteral("decodeTimeMs"),
              msText(ft::decodeTimeEntries(), im.u8(ft::kDecodeTime))),
        entry(text(t::kSideTone), QStringLiteral("sideTone"), checkText(im.u8(ft::kSideTone) != 0)),
    };
    appendPttIdCode(section, im, ft::kBotRecord, t::kBotGroup, QStringLiteral("pttIdStarting"));
    appendPttIdCode(section, im, ft::kEotRecord, t::kEotGroup, QStringLiteral("pttIdEnding"));
    // The general settings in the form's two columns of six with Side Tone below, then the
    // BOT and EOT codes side by side.
    section.printColumns = {{kGeneralRows, kGeneralRows}, {1, 0}, {kPttIdCodeFields, kPttIdCodeFields}};
    section.tables = {informationTable(im), encodeTable(im)};
    return section;
}

} // namespace report
