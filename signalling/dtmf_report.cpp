// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF section of the configuration report and of a configuration document: the settings
// as the editor shows and stores them, then the encode entries in use ("M1"-"M16").

#include "app/apply_fields.h"
#include "signalling/signalling_sections.h"
#include "app/typed_characters.h"
#include "channels/value_tables.h"
#include "signalling/dtmf_codes.h"
#include "signalling/dtmf_fields.h"
#include "signalling/dtmf_texts.h"

namespace signalling {

using namespace app::report;

namespace {

namespace t = dtmf::texts;

constexpr int kPairedRows = 7;  // DTMF ANI | Transmitting Time ... Remotely Kill | Remotely Stun
constexpr int kWideRows = 2;    // PTT ID Starting, PTT ID Ending

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A code field shows only DTMF symbols; a-d typed become capitals.
TextRule codeRule(int symbols) {
    const QString symbolSet = QString::fromLatin1(app::chars::kDtmfSymbols);
    return {symbols, symbolSet, true, QCoreApplication::translate("signalling::report", "only 0-9, A-D, * and #"),
            [symbolSet](QChar c) { return symbolSet.contains(c); }};
}

FormField codeField(const char* label, const char* key, dtmf::CodeField code) {
    const TextRule rule = codeRule(code.symbols);
    return {QString::fromLatin1(label), QString::fromLatin1(key),
            [code](const image::RadioImage& im) { return dtmf::unpackCode(im, code); },
            [rule](const image::RadioImage&, const QString& text) { return enterText(text, rule); },
            [code](image::RadioImage& im, const QString& text) { dtmf::packCode(im, code, text); }};
}

// Three characters, each a byte plus "0"; leaving the field completes one or two digits.
Verdict enterSelfId(const QString& shown, const QString& text) {
    if (text.isEmpty()) return refused(QCoreApplication::translate("signalling::report", "empty: the self ID has %1 digits").arg(dtmf::kSelfIdDigits));
    if (text.size() > dtmf::kSelfIdDigits) return refused(QCoreApplication::translate("signalling::report", "at most %1 digits").arg(dtmf::kSelfIdDigits));
    const bool digits = std::all_of(text.begin(), text.end(), isDigit);
    if (text.size() < dtmf::kSelfIdDigits) {
        if (!digits) return refused(QCoreApplication::translate("signalling::report", "only digits 0-9"));
        const QString completed = dtmf::completedSelfId(text, shown);
        return warned(completed, QCoreApplication::translate("signalling::report", "becomes %1").arg(completed));
    }
    if (digits) return taken(text);
    // Every byte shows as a character of its own, so a file may hold any of them; nobody types them.
    return refused(QCoreApplication::translate("signalling::report", "only digits 0-9"));
}

FormField prefix(const char* label, const char* key, QStringList entries, QString (*format)(std::uint8_t),
                 std::uint8_t (*value)(QStringView), image::Addr at) {
    return prefixField(label, key, entries, format, value, at);
}

FormFields fields() {
    return {
        {QString::fromLatin1(t::kAni), QStringLiteral("ani"),
         [](const image::RadioImage& im) { return listOf(dtmf::kAniList).value(int(im.get(dtmf::kAni))); },
         [](const image::RadioImage&, const QString& text) { return enterEntry(listOf(dtmf::kAniList), text); },
         [](image::RadioImage& im, const QString& text) { im.set(dtmf::kAni, listOf(dtmf::kAniList).indexOf(text) == 1 ? 1u : 0u); }},
        indexField(t::kTransmittingTime, "transmittingTimeMs", listOf(dtmf::kTransmittingTimeList), dtmf::kTransmittingTime),
        {QString::fromLatin1(t::kSelfId), QStringLiteral("selfId"), dtmf::selfIdText,
         [](const image::RadioImage& im, const QString& text) { return enterSelfId(dtmf::selfIdText(im), text); },
         [](image::RadioImage& im, const QString& text) { dtmf::storeSelfId(im, text); }},
        prefix(t::kIntervalCharacter, "intervalCharacter", listOf(dtmf::kIntervalCharacterList), dtmf::symbolListText,
               dtmf::symbolListValue, dtmf::kIntervalCharacter),
        prefix(t::kGroupCode, "groupCode", listOf(dtmf::kGroupCodeList), dtmf::symbolListText, dtmf::symbolListValue,
               dtmf::kGroupCode),
        indexField(t::kDecodingResponse, "decodingResponse", listOf(dtmf::kDecodingResponseList), dtmf::kDecodingResponse),
        prefix(t::kFirstDigitTime, "firstDigitTimeMs", dtmf::millisecondEntries(dtmf::kFirstDigitTimeFrom),
               dtmf::millisecondText, dtmf::millisecondValue, dtmf::kFirstDigitTime),
        prefix(t::kPretime, "pretimeMs", dtmf::millisecondEntries(dtmf::kPretimeFrom), dtmf::millisecondText,
               dtmf::millisecondValue, dtmf::kPretime),
        prefix(t::kAutoResetTime, "autoResetTimeS", dtmf::autoResetEntries(), dtmf::tenthsText, dtmf::tenthsValue,
               dtmf::kAutoResetTime),
        prefix(t::kTimeLapseAfterEncode, "timeLapseAfterEncodeMs", dtmf::millisecondEntries(dtmf::kPretimeFrom),
               dtmf::millisecondText, dtmf::millisecondValue, dtmf::kTimeLapseAfterEncode),
        prefix(t::kPttIdPauseTime, "pttIdPauseTimeS", dtmf::pttIdPauseEntries(), dtmf::pttIdPauseText,
               dtmf::pttIdPauseValue, dtmf::kPttIdPauseTime),
        checkByteField(t::kSideTone, "sideTone", dtmf::kSideTone),
        codeField(t::kRemoteKill, "remotelyKill", dtmf::kRemoteKill),
        codeField(t::kRemoteStun, "remotelyStun", dtmf::kRemoteStun),
        codeField(t::kPttIdStart, "pttIdStarting", dtmf::kPttIdStart),
        codeField(t::kPttIdEnd, "pttIdEnding", dtmf::kPttIdEnd),
    };
}

QStringList encodeCodes(const image::RadioImage& im) {
    QStringList codes;
    for (int index = 0; index < dtmf::kEncodeEntries; ++index) codes.append(dtmf::unpackCode(im, dtmf::encodeEntry(index)));
    return codes;
}

QList<Column> encodeColumns() {
    return {{QString::fromLatin1(t::kNo), QStringLiteral("number")}, {QString::fromLatin1(t::kEncode), QStringLiteral("code")}};
}

Table encodeTable(const image::RadioImage& im) {
    Table table{QString::fromLatin1(t::kEncode), QStringLiteral("encodeList"), encodeColumns(), {}};
    for (int index = 0; index < dtmf::kEncodeEntries; ++index)
        if (dtmf::encodeEntryInUse(im, index))
            table.rows.append({channels::dtmfCodeLabel(index), dtmf::unpackCode(im, dtmf::encodeEntry(index))});
    return table;
}

std::optional<int> encodeEntryNamed(const QString& label) {
    for (int index = 0; index < dtmf::kEncodeEntries; ++index)
        if (channels::dtmfCodeLabel(index) == label) return index;
    return std::nullopt;
}

// The listed entries with their codes; every entry not listed is emptied, as the editor
// empties an entry whose code is deleted.
QStringList enteredEncodeList(const app::json::Value& list, const QString& path, const QStringList& shown,
                              Problems& problems) {
    QStringList codes(dtmf::kEncodeEntries);
    const TextRule rule = codeRule(dtmf::kLongCodeSymbols);
    for (ListedRow& row : readListRows(list, path, keysOf(encodeColumns()), encodeEntryNamed,
                                       QStringLiteral("M1-M16"), problems)) {
        const QString was = shown[row.entry];
        const std::optional<QString> given = row.object.text(QStringLiteral("code"));
        QString code = given.value_or(was);
        bool refusedCode = false;
        if (given && *given != was) {
            const Verdict verdict = enterText(*given, rule);
            refusedCode = !noteVerdict(verdict, row.object.pathOf(QStringLiteral("code")), *given, problems);
            code = refusedCode ? was : verdict.text;
        }
        if (code.isEmpty() && !refusedCode)
            problems.error(row.object.pathOf(QStringLiteral("code")), given ? app::json::quoted(*given) : QString(),
                           QCoreApplication::translate("signalling::report", "an entry in use needs its code; leave the entry out to empty it"));
        codes[row.entry] = code;
        row.object.reportUnknownKeys();
    }
    return codes;
}

// The editor rewrites the entries that end in the interval character and self ID when
// either changes; the document's own list, when it has one, is entered after that.
QStringList resuffixedCodes(QStringList codes, const QString& oldSuffix, const QString& newSuffix,
                            const QString& path, const QString& value, Problems& problems) {
    QStringList rewritten;
    for (int index = 0; index < dtmf::kEncodeEntries; ++index) {
        if (const auto code = dtmf::resuffixed(codes[index], oldSuffix, newSuffix)) {
            codes[index] = *code;
            rewritten.append(channels::dtmfCodeLabel(index));
        }
    }
    if (!rewritten.isEmpty())
        problems.warning(path, value,
                         QCoreApplication::translate("signalling::report", "encode entries %1 now end in %2 instead of %3, as the editor rewrites them")
                             .arg(rewritten.join(QStringLiteral(", ")), newSuffix, oldSuffix));
    return codes;
}

} // namespace

Section dtmfSection(const ReportSource& source) {
    Section section = editorSection(signalling::dtmf::texts::kEditorNames);
    section.entries = reportEntries(fields(), source.image);
    // The form shows its fields two to a row, then the PTT ID codes on wide rows of their own.
    section.printColumns = QList<PrintColumns>(kPairedRows, {1, 1}) << PrintColumns{kWideRows, 0};
    section.tables.append(encodeTable(source.image));
    return section;
}

void applyDtmfSection(DocumentObject& section, ApplyContext& context) {
    image::RadioImage& im = context.image;
    const auto suffix = [&] { return shownPrefixEntry(listOf(dtmf::kIntervalCharacterList),
                                                      dtmf::symbolListText(im.u8(dtmf::kIntervalCharacter))) +
                                     dtmf::selfIdText(im); };
    const QString oldSuffix = suffix();
    QStringList codes = encodeCodes(im);
    const app::json::Value* list = section.list(QStringLiteral("encodeList"));
    applyFieldByField(fields(), section, im, context.problems);
    const QString newSuffix = suffix();
    if (list) codes = enteredEncodeList(*list, section.pathOf(QStringLiteral("encodeList")), codes, context.problems);
    else if (newSuffix != oldSuffix) {
        const QString key = section.has(QStringLiteral("selfId")) && newSuffix.right(dtmf::kSelfIdDigits) != oldSuffix.right(dtmf::kSelfIdDigits)
                                ? QStringLiteral("selfId")
                                : QStringLiteral("intervalCharacter");
        codes = resuffixedCodes(codes, oldSuffix, newSuffix, section.pathOf(key), app::json::quoted(*section.text(key)),
                                context.problems);
    }
    for (int index = 0; index < dtmf::kEncodeEntries; ++index) dtmf::packCode(im, dtmf::encodeEntry(index), codes[index]);
}

} // namespace signalling
