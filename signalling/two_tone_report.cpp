// SPDX-License-Identifier: GPL-3.0-or-later
// The 2Tone section of the configuration report and of a configuration document: the Encode
// page's timing, the Decode page's call format and tones, then the encode entries the list
// shows (first tone in range).

#include "app/apply_fields.h"
#include "signalling/signalling_sections.h"
#include "app/typed_characters.h"
#include "channels/text_reading.h"
#include "image/frequency.h"
#include "signalling/two_tone_codes.h"
#include "signalling/two_tone_fields.h"
#include "signalling/two_tone_texts.h"

namespace signalling {

using namespace app::report;

namespace {

namespace tt = signalling::twotone;
namespace t = tt::texts;

constexpr int kEncodePageFields = 6;  // the four times, auto reset and side tone
constexpr int kDecodePageFields = 6;  // call format, decode response, tones A-D
constexpr std::array<const char*, tt::kDecodeToneCount> kToneKeys{"toneAHz", "toneBHz", "toneCHz", "toneDHz"};

FormField prefix(const char* label, const char* key, QStringList entries, QString (*format)(std::uint8_t),
                 std::uint8_t (*value)(QStringView), image::Addr at) {
    return prefixField(label, key, entries, format, value, at);
}

FormFields encodePage() {
    return {
        prefix(t::kTone1Duration, "tone1DurationS", tt::durationEntries(), tt::tenthsText, tt::tenthsValue, tt::kTone1Duration),
        prefix(t::kTone2Duration, "tone2DurationS", tt::durationEntries(), tt::tenthsText, tt::tenthsValue, tt::kTone2Duration),
        prefix(t::kLongToneDuration, "longToneDurationS", tt::durationEntries(), tt::tenthsText, tt::tenthsValue,
               tt::kLongToneDuration),
        prefix(t::kGapTime, "gapTimeMs", tt::gapEntries(), tt::gapText, tt::gapValue, tt::kGapTime),
        prefix(t::kAutoResetTime, "autoResetTimeS", tt::autoResetEntries(), tt::tenthsText, tt::tenthsValue, tt::kAutoResetTime),
        checkByteField(t::kSideTone, "sideTone", tt::kSideTone),
    };
}

QString toneRange() {
    return QCoreApplication::translate("signalling::report", "outside %1-%2 Hz").arg(tt::toneText(tt::kToneMin), tt::toneText(tt::kToneMax));
}

// A tone in Hz with at most one decimal that counts; the edit keeps tenths and drops the rest.
Verdict enterTone(const QString& text, const QString& normalised) {
    if (text.isEmpty() || !channels::isPlainDecimal(text)) return refused(QCoreApplication::translate("signalling::report", "not a frequency in Hz"));
    if (!tt::inToneRange(image::parseScaledDecimal(text, 1))) return refused(toneRange());
    if (image::parseScaledDecimal(text, 6) != image::parseScaledDecimal(normalised, 6))
        return warned(normalised, QCoreApplication::translate("signalling::report", "becomes %1").arg(normalised));
    return taken(normalised);
}

FormFields decodePage() {
    FormFields page{indexField(t::kCallFormat, "callFormat", listOf(tt::kCallFormatList), tt::kCallFormat),
                    indexField(t::kDecodeResponse, "decodeResponse", listOf(tt::kDecodeResponseList), tt::kDecodeResponse)};
    for (int tone = 0; tone < tt::kDecodeToneCount; ++tone) {
        const image::Addr at = tt::decodeToneAddress(tone);
        // The edit corrects a tone outside the range as it loads.
        page.push_back({QString::fromLatin1(t::kToneLabels[std::size_t(tone)]), QString::fromLatin1(kToneKeys[std::size_t(tone)]),
                        [at](const image::RadioImage& im) { return tt::checkedDecodeToneText(tt::toneText(im.u16be(at))); },
                        [](const image::RadioImage&, const QString& text) {
                            return enterTone(text, tt::checkedDecodeToneText(text));
                        },
                        [at](image::RadioImage& im, const QString& text) { im.setU16be(at, tt::decodeTone(text)); }});
    }
    return page;
}

QList<Column> encodeColumns() {
    const auto header = [](int column) { return QString::fromLatin1(t::kListColumns[std::size_t(column)].header); };
    return {{header(0), QStringLiteral("number")},
            {header(1), QStringLiteral("tone1Hz")},
            {header(2), QStringLiteral("tone2Hz")},
            {header(3), QStringLiteral("name")}};
}

Table encodeTable(const image::RadioImage& im) {
    // The list lies on the "Encode" page.
    Table table{QString::fromLatin1(t::kEncodeTab), QStringLiteral("encodeList"), encodeColumns(), {}};
    for (int index = 0; index < tt::kEntries; ++index) {
        const tt::EncodeRow row = tt::loadEncodeRow(im, index);
        if (!row.tone1.isEmpty()) table.rows.append({QString::number(index), row.tone1, row.tone2, row.name});
    }
    return table;
}

// ---- the encode list from a document ------------------------------------------------------

// A list name: seven printable characters in capitals; the list drops trailing blanks. Its
// bytes show a-z in capitals, so small letters are what typing makes of them.
Verdict enterListName(const QString& text) {
    QString name = text;
    while (name.endsWith(u' ')) name.chop(1);
    const TextRule rule{tt::entry::kNameLength, app::chars::printableAscii(), true,
                        QCoreApplication::translate("signalling::report", "only printable ASCII characters"),
                        [](QChar c) { return latin1Shown(c) && !(c >= u'a' && c <= u'z'); }};
    const Verdict verdict = enterText(name, rule);
    if (verdict.kind == Verdict::Kind::Refused || name == text) return verdict;
    return warned(verdict.text, QCoreApplication::translate("signalling::report", "becomes %1").arg(app::json::quoted(verdict.text)));
}

Verdict enterListTone(const QString& text, bool secondTone) {
    if (secondTone && text.isEmpty()) return taken(text);
    if (text.isEmpty() || !channels::isPlainDecimal(text) || tt::listTone(text) == 0)
        return refused(secondTone ? QCoreApplication::translate("signalling::report", "not a frequency in Hz (empty for none)")
                                  : QCoreApplication::translate("signalling::report", "not a frequency in Hz"));
    if (!tt::inToneRange(image::parseScaledDecimal(text, 1))) return refused(toneRange());
    return enterTone(text, tt::listToneText(text));
}

std::optional<int> entryNumbered(const QString& text, int entries) {
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 0 || number >= entries || QString::number(number) != text) return std::nullopt;
    return number;
}

// One listed entry: its first tone makes it (a new one sends it twice, without a name, as the
// list starts it), the second tone and the name only stand beside it.
tt::EncodeRow enteredRow(DocumentObject& row, const tt::EncodeRow& shown, Problems& problems) {
    tt::EncodeRow entered = shown;
    const auto take = [&](const char* key, const QString& was, auto enter) -> std::optional<QString> {
        const QString k = QString::fromLatin1(key);
        const std::optional<QString> given = row.text(k);
        if (!given || *given == was) return std::nullopt;
        const Verdict verdict = enter(*given);
        if (!noteVerdict(verdict, row.pathOf(k), *given, problems)) return std::nullopt;
        return verdict.text;
    };
    if (const auto tone1 = take("tone1Hz", shown.tone1, [](const QString& x) { return enterListTone(x, false); }))
        entered = tt::commitToneCell(entered, 1, *tone1).row;
    else if (shown.tone1.isEmpty() && !row.has(QStringLiteral("tone1Hz")))
        problems.error(row.pathOf(QStringLiteral("tone1Hz")), QString(), QCoreApplication::translate("signalling::report", "missing: a new entry needs its first tone"));
    if (const auto tone2 = take("tone2Hz", entered.tone2, [](const QString& x) { return enterListTone(x, true); }))
        entered.tone2 = *tone2;
    if (const auto name = take("name", entered.name, enterListName)) entered.name = *name;
    return entered;
}

std::vector<tt::EncodeRow> enteredList(const app::json::Value& list, const QString& path,
                                       const std::vector<tt::EncodeRow>& shown, Problems& problems) {
    std::vector<tt::EncodeRow> rows(static_cast<std::size_t>(tt::kEntries));
    const auto entryOf = [](const QString& text) { return entryNumbered(text, tt::kEntries); };
    for (ListedRow& row : readListRows(list, path, keysOf(encodeColumns()), entryOf, QStringLiteral("0-31"), problems)) {
        rows[std::size_t(row.entry)] = enteredRow(row.object, shown[std::size_t(row.entry)], problems);
        row.object.reportUnknownKeys();
    }
    return rows;
}

} // namespace

Section twoToneSection(const ReportSource& source) {
    Section section = editorSection(signalling::twotone::texts::kEditorNames);
    section.entries = reportEntries(encodePage(), source.image) + reportEntries(decodePage(), source.image);
    // The Encode page's timing beside the Decode page's format and tones.
    section.printColumns = {{kEncodePageFields, kDecodePageFields}};
    section.tables.append(encodeTable(source.image));
    return section;
}

// The editor stores the page it shows, the "Encode" page, with the list; the "Decode" page
// stores only once the user went there, so only when the document changes one of its fields.
void applyTwoToneSection(DocumentObject& section, ApplyContext& context) {
    image::RadioImage& im = context.image;
    std::vector<tt::EncodeRow> rows;
    for (int index = 0; index < tt::kEntries; ++index) rows.push_back(tt::loadEncodeRow(im, index));

    const FormFields decode = decodePage();
    const EnteredFields decodeEntered = enterFields(decode, section, im, context.problems);
    if (decodeEntered.anyChanged()) {
        storeFields(decode, decodeEntered, im);
        const int format = im.u8(tt::kCallFormat);
        if (format < int(tt::kCallFormatList.size())) tt::storeCallFormatTones(im, format);
    }

    applyFieldByField(encodePage(), section, im, context.problems);
    if (const app::json::Value* list = section.list(QStringLiteral("encodeList")))
        rows = enteredList(*list, section.pathOf(QStringLiteral("encodeList")), rows, context.problems);
    for (int index = 0; index < tt::kEntries; ++index) tt::storeEncodeRow(im, index, rows[std::size_t(index)]);
    tt::storeOccupancy(im);
}

} // namespace signalling
