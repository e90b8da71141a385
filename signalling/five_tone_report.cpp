// SPDX-License-Identifier: GPL-3.0-or-later
// The 5Tone section of the configuration report and of a configuration document: the
// general settings, the BOT and EOT PTT ID codes and the eight information codes as the
// editor shows and stores them, then the encode list entries in use.

#include "app/apply_fields.h"
#include "signalling/signalling_sections.h"
#include "app/typed_characters.h"
#include "signalling/five_tone_codes.h"
#include "signalling/five_tone_fields.h"
#include "signalling/five_tone_texts.h"

namespace signalling {

using namespace app::report;

namespace {

namespace ft = signalling::five_tone;
namespace t = ft::texts;
using image::Addr;

constexpr int kGeneralRows = 6;
constexpr int kPttIdCodeFields = 3;  // Encode ID, Standard, Tone Length
constexpr int kShownInformation = 1;  // the code the editor shows, and so stores, until the user picks another
constexpr int kEmergencyAlarm = 2;
constexpr int kRemoteWakeUp = 5;
constexpr int kResponseNone = 0;
constexpr int kResponseBeepAndResponse = 2;

QString text(const char* latin1) { return QString::fromLatin1(latin1); }

bool isHexDigit(QChar c) { return QString::fromLatin1(app::chars::kHexDigits).contains(c); }
bool isPrintableLatin1(QChar c) {
    const char16_t u = c.unicode();
    return u >= 0x20 && u != 0x7F && !(u >= 0x80 && u < 0xA0) && u < 0xFF;
}

TextRule hexRule(int digits) {
    return {digits, QString::fromLatin1(app::chars::kHexDigits), true,
            QCoreApplication::translate("signalling::report", "only hexadecimal digits 0-9 and A-F"), isHexDigit};
}

FormField numberField(const char* label, const char* key, QStringList entries, Addr at) {
    return prefixField(label, key, entries, ft::msText, ft::msValue, at);
}

// Five digits, completed on the left with "0" when the field is left; the bytes show
// hexadecimal digits, so a file may hold A-F where a user types only 0-9.
Verdict enterSelfId(const QString& entry) {
    if (entry.size() > ft::kSelfIdDigits) return refused(QCoreApplication::translate("signalling::report", "at most %1 digits").arg(ft::kSelfIdDigits));
    const QString digits = QString::fromLatin1(app::chars::kDigits);
    // The bytes show hexadecimal digits; a user types only 0-9.
    if (!std::all_of(entry.begin(), entry.end(), [&](QChar c) { return digits.contains(c); }))
        return refused(QCoreApplication::translate("signalling::report", "only digits 0-9"));
    const QString completed = ft::completeSelfId(entry);
    if (completed != entry) return warned(completed, QCoreApplication::translate("signalling::report", "becomes %1").arg(completed));
    return taken(entry);
}

FormFields generalFields() {
    return {
        {text(t::kSelfId), QStringLiteral("selfId"), ft::readSelfId,
         [](const image::RadioImage&, const QString& entry) { return enterSelfId(entry); }, ft::writeSelfId},
        indexField(t::kDecodeStandard, "decodeStandard", ft::standardNames(), ft::kDecodeStandard),
        indexField(t::kDecodingResponse, "decodingResponse", listOf(ft::kDecodingResponseList), ft::kDecodingResponse),
        numberField(t::kDecodeToneLength, "decodeToneLengthMs", ft::toneLengthEntries(), ft::kDecodeToneLength),
        numberField(t::kPretime, "pretimeMs", ft::delayEntries(), ft::kPretime),
        prefixField(t::kAutoResetTime, "autoResetTimeS", ft::autoResetEntries(),
                    [](std::uint8_t tenths) { return ft::tenthsText(tenths); },
                    [](QStringView entry) { return ft::autoResetValue(entry.toString()); }, ft::kAutoResetTime),
        numberField(t::kTimeLapseAfterEncode, "timeLapseAfterEncodeMs", ft::delayEntries(), ft::kTimeLapseAfterEncode),
        prefixField(t::kPttIdPause, "pttIdPauseTimeS", ft::pttIdPauseEntries(),
                    ft::pttIdPauseText, ft::pttIdPauseValue, ft::kPttIdPause),
        numberField(t::kFirstDelay, "firstDelayMs", ft::delayEntries(), ft::kFirstDelay),
        prefixField(t::kStopCode, "stopCode", listOf(ft::kStopCodeList),
                    ft::stopCodeText, [](QStringView entry) { return ft::stopCodeByte(entry.toString()); }, ft::kStopCode),
        numberField(t::kStopTime, "stopTimeMs", ft::stopTimeEntries(), ft::kStopTime),
        numberField(t::kDecodeTime, "decodeTimeMs", ft::decodeTimeEntries(), ft::kDecodeTime),
        checkByteField(t::kSideTone, "sideTone", ft::kSideTone),
    };
}

// A code left as loaded keeps its digits (and its length as far as the field reaches); typed
// digits follow the repeat rule, as here.
Verdict enterPttIdCode(const QString& entry) {
    const Verdict verdict = enterText(entry, hexRule(ft::kPttIdCodeDigits));
    if (verdict.kind == Verdict::Kind::Refused) return verdict;
    const QString ruled = ft::applyRepeatRule(verdict.text);
    if (ruled != entry) return warned(ruled, QCoreApplication::translate("signalling::report", "becomes %1").arg(ruled));
    return verdict;
}

FormField named(FormField field, const QString& label, const QString& key) {
    field.label = label;
    field.key = key;
    return field;
}

// "PTTID Starting (BOT) Encode ID" ...: the group's title before the field's label.
FormFields pttIdCodeFields(Addr record, const char* group, const QString& key) {
    const QString title = text(group) + u' ';
    const FormField standardField = named(indexField("", "", ft::standardNames(), Addr(record + ft::kCodeStandard)),
                                          title + text(t::kStandard), key + QStringLiteral("Standard"));
    const FormField toneLengthField =
        named(numberField("", "", ft::toneLengthEntries(), Addr(record + ft::kCodeToneLength)),
              title + text(t::kToneLength), key + QStringLiteral("ToneLengthMs"));
    return {
        {title + text(t::kEncodeId), key + QStringLiteral("EncodeId"),
         [record](const image::RadioImage& im) { return ft::readPttIdCode(im, record); },
         [](const image::RadioImage&, const QString& entry) { return enterPttIdCode(entry); },
         [record](image::RadioImage& im, const QString& code) {
             if (code != ft::readPttIdCode(im, record)) ft::writePttIdCode(im, record, code);
             else ft::clampCodeLength(im, record, ft::kPttIdCodeDigits);
         }},
        standardField,
        toneLengthField,
    };
}

struct PttIdCode {
    Addr record;
    FormFields fields;  // encode ID, standard, tone length
};

std::array<PttIdCode, 2> pttIdCodes() {
    return {{{ft::kBotRecord, pttIdCodeFields(ft::kBotRecord, t::kBotGroup, QStringLiteral("pttIdStarting"))},
             {ft::kEotRecord, pttIdCodeFields(ft::kEotRecord, t::kEotGroup, QStringLiteral("pttIdEnding"))}}};
}

// Choosing a standard sets its tone length, unless the document gives one.
void followStandard(image::RadioImage& im, Addr standard, Addr toneLength, std::uint8_t before, bool lengthGiven) {
    const std::uint8_t now = im.u8(standard);
    if (now != before && now < ft::kStandardCount && !lengthGiven)
        im.setU8(toneLength, std::uint8_t(ft::defaultToneLengthMs(now) / 10));
}

// ---- information codes -------------------------------------------------------------------

struct Information {
    QString option;
    QString response;
    QString id;
    QString name;
    bool operator==(const Information&) const = default;
};

QStringList optionList() { return listOf(ft::kFunctionOptionList); }
int optionIndex(const QString& option) { return int(optionList().indexOf(option)); }

Information shownInformation(const image::RadioImage& im, int number) {
    const Addr record = ft::informationAddress(number);
    const int option = im.u8(Addr(record + ft::kInfoFunctionOption));
    const int response = im.u8(Addr(record + ft::kInfoDecodingResponse));
    // The editor shows the function name, greyed or not.
    return {optionList().value(option), ft::informationResponseEntries(option).value(response),
            ft::readInformationId(im, number), ft::readFunctionName(im, number)};
}

void storeInformation(image::RadioImage& im, int number, const Information& info) {
    const Addr record = ft::informationAddress(number);
    storeIndexEntry(im, Addr(record + ft::kInfoFunctionOption), optionList(), info.option);
    storeIndexEntry(im, Addr(record + ft::kInfoDecodingResponse), ft::informationResponseEntries(optionIndex(info.option)),
                    info.response);
    ft::writeInformationId(im, number, info.id);
    ft::writeFunctionName(im, number, info.name);
}

QList<Column> informationColumns() {
    return {{text(t::kInformationNumber), QStringLiteral("number")},
            {text(t::kFunctionOption), QStringLiteral("functionOption"), {}, indexOptions(optionList())},
            {text(t::kDecodingResponse), QStringLiteral("decodingResponse")},
            {text(t::kInformationId), QStringLiteral("informationId")},
            {text(t::kFunctionName), QStringLiteral("functionName")}};
}

Table informationTable(const image::RadioImage& im) {
    Table table{text(t::kInformationGroup), QStringLiteral("informationCodes"), informationColumns(), {}};
    for (int number = 1; number <= ft::kInformationCount; ++number) {
        const Information info = shownInformation(im, number);
        table.rows.append({QString::number(number), info.option, info.response, info.id, info.name});
    }
    return table;
}

std::optional<int> numbered(const QString& entry, int first, int last) {
    bool ok = false;
    const int number = entry.toInt(&ok);
    if (!ok || number < first || number > last || QString::number(number) != entry) return std::nullopt;
    return number;
}

// A text a row gives in place of the shown one, checked; nothing when it keeps the shown one.
std::optional<QString> enteredCell(DocumentObject& row, const char* key, const QString& shown,
                                   const std::function<Verdict(const QString&)>& enter, Problems& problems) {
    const QString k = QString::fromLatin1(key);
    const std::optional<QString> given = row.text(k);
    if (!given || *given == shown) return std::nullopt;
    const Verdict verdict = enter(*given);
    if (!noteVerdict(verdict, row.pathOf(k), *given, problems)) return std::nullopt;
    return verdict.text;
}

// Choosing a function option sets the decoding response it allows (remote commands answer)
// and empties a name it has none for; a document that gives them says otherwise.
Information enteredInformation(DocumentObject& row, const Information& shown, Problems& problems) {
    Information info = shown;
    if (const auto option = enteredCell(row, "functionOption", shown.option,
                                        [](const QString& x) { return enterIndexEntry(optionList(), x); }, problems)) {
        info.option = *option;
        const int index = optionIndex(*option);
        const bool remote = index > kEmergencyAlarm && index <= kRemoteWakeUp;
        info.response = ft::informationResponseEntries(index).value(remote ? kResponseBeepAndResponse : kResponseNone);
        if (!ft::hasFunctionName(index)) info.name.clear();
    }
    const QStringList responses = ft::informationResponseEntries(optionIndex(info.option));
    if (const auto response = enteredCell(row, "decodingResponse", info.response,
                                          [&](const QString& x) { return enterIndexEntry(responses, x); }, problems))
        info.response = *response;
    if (const auto id = enteredCell(row, "informationId", info.id,
                                    [](const QString& x) { return enterText(x, hexRule(ft::kInfoIdDigits)); }, problems))
        info.id = *id;
    const TextRule nameRule{ft::kInfoFunctionNameLength, app::chars::printableAscii(), true,
                            QCoreApplication::translate("signalling::report", "only printable ASCII characters"), isPrintableLatin1};
    if (const auto name = enteredCell(row, "functionName", info.name,
                                      [&](const QString& x) { return enterText(x, nameRule); }, problems))
        info.name = *name;
    return info;
}

// The editor stores the code it shows (1) and every code the user changed; a code not listed
// is emptied (no function, no response, no ID or name).
void applyInformationCodes(DocumentObject& section, image::RadioImage& im, Problems& problems) {
    std::vector<Information> shown;
    for (int number = 1; number <= ft::kInformationCount; ++number) shown.push_back(shownInformation(im, number));
    std::vector<Information> entered = shown;
    if (const app::json::Value* list = section.list(QStringLiteral("informationCodes"))) {
        const Information empty{optionList().value(0), ft::informationResponseEntries(0).value(kResponseNone), {}, {}};
        entered.assign(shown.size(), empty);
        const auto entryOf = [](const QString& x) { return numbered(x, 1, ft::kInformationCount); };
        for (ListedRow& row : readListRows(*list, section.pathOf(QStringLiteral("informationCodes")),
                                           keysOf(informationColumns()), entryOf, QStringLiteral("1-8"), problems)) {
            entered[std::size_t(row.entry - 1)] = enteredInformation(row.object, shown[std::size_t(row.entry - 1)], problems);
            row.object.reportUnknownKeys();
        }
    }
    for (int number = 1; number <= ft::kInformationCount; ++number) {
        const std::size_t i = std::size_t(number - 1);
        if (number == kShownInformation || entered[i] != shown[i]) storeInformation(im, number, entered[i]);
    }
}

// ---- the encode list ----------------------------------------------------------------------

QList<Column> encodeColumns() {
    const auto header = [](int column) { return text(t::kListHeaders[column]); };
    return {{header(0), QStringLiteral("number")},
            {header(1), QStringLiteral("specialCall"), {}, indexOptions(listOf(ft::kCallKindList))},
            {header(2), QStringLiteral("encodeId")},
            {header(3), QStringLiteral("standard"), {}, indexOptions(ft::standardNames())},
            {header(4), QStringLiteral("toneLengthMs")},
            {header(5), QStringLiteral("name")}};
}

Table encodeTable(const image::RadioImage& im) {
    // The list has no title of its own; it holds encode IDs.
    Table table{text(t::kListHeaders[2]), QStringLiteral("encodeList"), encodeColumns(), {}};
    const QString selfId = ft::readSelfId(im);
    const std::uint8_t interval = im.u8(ft::kIntervalCharacter);
    for (int index = 0; index < ft::kEncodeEntries; ++index) {
        const ft::EncodeEntryCells cells = ft::loadEncodeEntry(im, index, selfId, interval);
        if (cells.inUse())
            table.rows.append({QString::number(index), cells.kind, cells.id, cells.standard, cells.toneLength, cells.name});
    }
    return table;
}

Verdict enterCallKind(const QString& kind) {
    if (kind.isEmpty() || ft::callKindFromText(kind) != ft::CallKind::None) return taken(kind);
    return refused(QCoreApplication::translate("signalling::report", "not one of: \"\" (a plain code), %1").arg(listBrief(listOf(ft::kCallKindList))));
}

Verdict enterStandard(const QString& standard) { return enterIndexEntry(ft::standardNames(), standard); }

// Tone lengths are bytes in tens of ms: the list offers 30-100, a file may hold 0-2550.
Verdict enterToneLength(const QString& entry) {
    if (ft::toneLengthEntries().contains(entry)) return taken(entry);
    bool ok = false;
    const int ms = entry.toInt(&ok);
    if (ok && QString::number(ms) == entry && ms >= 0 && ms % 10 == 0 && ms / 10 <= 0xFF)
        return onlyFileHolds(QCoreApplication::translate("signalling::report", "not one of: %1").arg(listBrief(ft::toneLengthEntries())));
    return refused(QCoreApplication::translate("signalling::report", "not one of: %1").arg(listBrief(ft::toneLengthEntries())));
}

// An entry's name shows a-z in capitals and without trailing blanks, as the list takes it.
Verdict enterEntryName(const QString& entry) {
    QString name = entry;
    while (name.endsWith(u' ')) name.chop(1);
    const TextRule rule{ft::kEntryNameLength, app::chars::printableAscii(), true,
                        QCoreApplication::translate("signalling::report", "only printable ASCII characters"),
                        [](QChar c) { return latin1Shown(c) && !(c >= u'a' && c <= u'z'); }};
    const Verdict verdict = enterText(name, rule);
    if (verdict.kind == Verdict::Kind::Refused || name == entry) return verdict;
    return warned(verdict.text, QCoreApplication::translate("signalling::report", "becomes %1").arg(app::json::quoted(verdict.text)));
}

struct PlannedEntry {
    ft::EncodeEntryCells cells;
};

// One listed entry. A new one starts as the list starts a typed ID: the first standard and
// its tone length, no name. Its kind and ID must read back as they are written: the list
// recognises a special call from its digits (with the self ID), and the digits are stored
// after the repeat rule.
std::optional<PlannedEntry> enteredEncodeEntry(DocumentObject& row, const ft::EncodeEntryCells& shown,
                                               const QString& selfId, std::uint8_t& interval, Problems& problems) {
    ft::EncodeEntryCells cells = shown;
    if (!shown.inUse()) cells = {QString(), QString(), ft::standardNames().value(0), QString::number(ft::defaultToneLengthMs(0)), QString()};
    const int before = problems.errors();
    if (const auto kind = enteredCell(row, "specialCall", cells.kind, enterCallKind, problems)) cells.kind = *kind;
    const auto enterId = [&](const QString& x) { return cells.kind.isEmpty() ? enterText(x, hexRule(ft::kEntryCodeDigits)) : taken(x); };
    if (const auto id = enteredCell(row, "encodeId", cells.id, enterId, problems)) cells.id = *id;
    if (const auto standard = enteredCell(row, "standard", cells.standard, enterStandard, problems)) {
        cells.standard = *standard;
        // Choosing a standard in the list sets its tone length.
        if (const auto index = ft::standardIndex(*standard); index && !row.has(QStringLiteral("toneLengthMs")))
            cells.toneLength = QString::number(ft::defaultToneLengthMs(*index));
    }
    if (const auto length = enteredCell(row, "toneLengthMs", cells.toneLength, enterToneLength, problems))
        cells.toneLength = *length;
    if (const auto name = enteredCell(row, "name", cells.name, enterEntryName, problems)) cells.name = *name;
    if (problems.errors() > before) return std::nullopt;

    const QString idPath = row.pathOf(QStringLiteral("encodeId"));
    if (!cells.inUse()) {
        problems.error(idPath, app::json::quoted(cells.id), QCoreApplication::translate("signalling::report", "an entry in use needs its encode ID; leave the entry out to empty it"));
        return std::nullopt;
    }
    const QString composed = ft::composeEntryCode(cells.kind, cells.id, selfId);
    if (composed.size() > ft::kEntryCodeDigits) {
        problems.error(idPath, app::json::quoted(cells.id), QCoreApplication::translate("signalling::report", "more than %1 digits").arg(ft::kEntryCodeDigits));
        return std::nullopt;
    }
    PlannedEntry planned{cells};
    // An entry the document leaves as the list shows it keeps its digits; one it changes is
    // stored as the list stores it, after the repeat rule.
    if (cells == shown) return planned;
    if (cells.kind.isEmpty() && ft::applyRepeatRule(cells.id) != cells.id) {
        const QString ruled = ft::applyRepeatRule(cells.id);
        problems.warning(idPath, app::json::quoted(cells.id), QCoreApplication::translate("signalling::report", "becomes %1").arg(ruled));
        cells.id = ruled;
        planned.cells = cells;
    }
    // An ANI call's ID ends with the interval character, which the special call dialog writes
    // for the whole list: the list reads every ANI entry with it.
    if (ft::callKindFromText(cells.kind) == ft::CallKind::Ani && cells.id.size() == ft::kSelfIdDigits + 1)
        interval = ft::intervalByte(cells.id.right(1));
    const QString stored = ft::applyRepeatRule(composed);
    const auto [kind, id] = ft::recogniseCall(stored, selfId, interval);
    if (kind != cells.kind || id != cells.id) {
        const QString readBack = kind.isEmpty() ? QCoreApplication::translate("signalling::report", "the plain code %1").arg(id) : kind + u' ' + id;
        problems.error(idPath, app::json::quoted(cells.id), QCoreApplication::translate("signalling::report", "reads back as %1").arg(readBack.trimmed()));
        return std::nullopt;
    }
    return planned;
}

void storePlannedEntry(image::RadioImage& im, int entry, const PlannedEntry& planned, const ft::EncodeEntryCells& shown,
                       const QString& selfId, const QString& shownSelfId) {
    if (!ft::storeListedEntry(im, entry, planned.cells, shown, selfId, shownSelfId)) return;
    const Addr record = ft::encodeEntryAddress(entry);
    // A standard past the table (no selection) is what only a file holds.
    if (planned.cells.inUse() && planned.cells.standard.isEmpty() && im.u8(Addr(record + ft::kCodeStandard)) < ft::kStandardCount)
        im.setU8(Addr(record + ft::kCodeStandard), 0xFF);
}

} // namespace

Section fiveToneSection(const ReportSource& source) {
    const image::RadioImage& im = source.image;
    Section section = editorSection(signalling::five_tone::texts::kEditorNames);
    section.entries = reportEntries(generalFields(), im);
    for (const PttIdCode& code : pttIdCodes()) section.entries += reportEntries(code.fields, im);
    // The general settings in the form's two columns of six with Side Tone below, then the
    // BOT and EOT codes side by side.
    section.printColumns = {{kGeneralRows, kGeneralRows}, {1, 0}, {kPttIdCodeFields, kPttIdCodeFields}};
    section.tables = {informationTable(im), encodeTable(im)};
    return section;
}

void applyFiveToneSection(DocumentObject& section, ApplyContext& context) {
    image::RadioImage& im = context.image;
    Problems& problems = context.problems;
    // The list shows its entries read with the self ID and interval character as loaded.
    const QString shownSelfId = ft::readSelfId(im);
    const std::uint8_t interval = im.u8(ft::kIntervalCharacter);
    std::vector<ft::EncodeEntryCells> shown;
    for (int entry = 0; entry < ft::kEncodeEntries; ++entry) shown.push_back(ft::loadEncodeEntry(im, entry, shownSelfId, interval));

    applyInformationCodes(section, im, problems);
    const std::uint8_t standardBefore = im.u8(ft::kDecodeStandard);
    applyFieldByField(generalFields(), section, im, problems);
    followStandard(im, ft::kDecodeStandard, ft::kDecodeToneLength, standardBefore,
                   section.has(QStringLiteral("decodeToneLengthMs")));
    for (const PttIdCode& code : pttIdCodes()) {
        const Addr standard = Addr(code.record + ft::kCodeStandard);
        const std::uint8_t before = im.u8(standard);
        applyFieldByField(code.fields, section, im, problems);
        followStandard(im, standard, Addr(code.record + ft::kCodeToneLength), before, section.has(code.fields.back().key));
    }

    const QString selfId = ft::readSelfId(im);
    std::uint8_t listInterval = interval;
    std::vector<PlannedEntry> planned;
    for (const ft::EncodeEntryCells& cells : shown) planned.push_back({cells});
    if (const app::json::Value* list = section.list(QStringLiteral("encodeList"))) {
        planned.assign(shown.size(), PlannedEntry{});
        const auto entryOf = [](const QString& x) { return numbered(x, 0, ft::kEncodeEntries - 1); };
        for (ListedRow& row : readListRows(*list, section.pathOf(QStringLiteral("encodeList")), keysOf(encodeColumns()),
                                           entryOf, QStringLiteral("0-99"), problems)) {
            if (auto entry = enteredEncodeEntry(row.object, shown[std::size_t(row.entry)], selfId, listInterval, problems))
                planned[std::size_t(row.entry)] = *entry;
            row.object.reportUnknownKeys();
        }
    }
    im.setU8(ft::kIntervalCharacter, listInterval);
    for (int entry = 0; entry < ft::kEncodeEntries; ++entry)
        storePlannedEntry(im, entry, planned[std::size_t(entry)], shown[std::size_t(entry)], selfId, shownSelfId);
    ft::storeEncodeOccupancy(im);
}

} // namespace signalling
