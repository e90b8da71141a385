// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/apply_fields.h"

#include <QCoreApplication>
#include <QHash>

namespace app::report {

QString problemLine(const Problem& problem) {
    QString line = problem.path;
    if (!problem.value.isEmpty()) line += (line.isEmpty() ? QString() : QStringLiteral(": ")) + problem.value;
    if (!line.isEmpty()) line += QStringLiteral(": ");
    if (problem.warning) line += QCoreApplication::translate("app::apply", "warning: ");
    return line + problem.reason;
}

void Problems::error(const QString& path, const QString& value, const QString& reason) {
    m_all.append({path, value, reason, false});
}

void Problems::warning(const QString& path, const QString& value, const QString& reason) {
    m_all.append({path, value, reason, true});
}

int Problems::errors() const {
    return int(std::count_if(m_all.begin(), m_all.end(), [](const Problem& p) { return !p.warning; }));
}

int Problems::warnings() const { return int(m_all.size()) - errors(); }

namespace {

constexpr int kBriefEntries = 8;
const QString kYes = QStringLiteral("Yes");
const QString kNo = QStringLiteral("No");

QString kindName(app::json::Value::Kind kind) {
    using Kind = app::json::Value::Kind;
    switch (kind) {
    case Kind::Object: return QCoreApplication::translate("app::apply", "an object");
    case Kind::Array: return QCoreApplication::translate("app::apply", "a list");
    case Kind::String: return QCoreApplication::translate("app::apply", "a text");
    case Kind::Number: return QCoreApplication::translate("app::apply", "a number");
    case Kind::Boolean: return QCoreApplication::translate("app::apply", "true or false");
    case Kind::Null: return QStringLiteral("null");
    }
    return {};
}

} // namespace

// ---- document objects ----------------------------------------------------------------------

DocumentObject::DocumentObject(const app::json::Value& value, QString path, Problems& problems, QStringList known)
    : m_value(value), m_path(std::move(path)), m_problems(problems), m_known(std::move(known)) {
    QSet<QString> seen;
    for (const auto& [key, member] : m_value.members) {
        if (seen.contains(key)) m_problems.error(pathOf(key), app::json::quoted(member), QCoreApplication::translate("app::apply", "given twice"));
        seen.insert(key);
    }
}

bool DocumentObject::has(const QString& key) const {
    for (const auto& member : m_value.members)
        if (member.key == key) return true;
    return false;
}

const app::json::Value* DocumentObject::member(const QString& key) {
    m_asked.insert(key);
    const app::json::Value* found = nullptr;
    for (const auto& [name, value] : m_value.members)
        if (name == key) found = &value;  // a key given twice reads as its last (and is reported)
    return found;
}

std::optional<QString> DocumentObject::text(const QString& key, const QStringList& options) {
    const app::json::Value* value = member(key);
    if (!value) return std::nullopt;
    if (value->isString()) return value->text;
    using Kind = app::json::Value::Kind;
    const bool yesNo = value->kind == Kind::Boolean && options == checkOptions();
    QString hint;
    if (yesNo) hint = QCoreApplication::translate("app::apply", " (write \"%1\" or \"%2\")").arg(kYes, kNo);
    else if (value->kind == Kind::Number || value->kind == Kind::Boolean)
        hint = QCoreApplication::translate("app::apply", " (write %1)").arg(app::json::quoted(value->text));
    m_problems.error(pathOf(key), app::json::quoted(*value),
                     QCoreApplication::translate("app::apply", "%1, not a text%2").arg(kindName(value->kind), hint));
    return std::nullopt;
}

const app::json::Value* DocumentObject::list(const QString& key) {
    const app::json::Value* value = member(key);
    if (!value || value->isArray()) return value;
    m_problems.error(pathOf(key), app::json::quoted(*value), QCoreApplication::translate("app::apply", "%1, not a list").arg(kindName(value->kind)));
    return nullptr;
}

void DocumentObject::reportUnknownKeys() {
    QSet<QString> told;
    for (const auto& member : m_value.members) {
        const QString& key = member.key;
        if (m_asked.contains(key) || m_known.contains(key) || told.contains(key)) continue;
        told.insert(key);
        m_problems.error(pathOf(key), QString(), QCoreApplication::translate("app::apply", "unknown key"));
    }
}

QStringList keysOf(const QList<Column>& columns) {
    QStringList keys;
    for (const Column& column : columns) keys.append(column.key);
    return keys;
}

std::vector<ListedRow> readListRows(const app::json::Value& list, const QString& path, const QStringList& columns,
                                    const std::function<std::optional<int>(const QString&)>& entryOf,
                                    const QString& whatExists, Problems& problems) {
    const QString& idKey = columns.constFirst();
    std::vector<ListedRow> rows;
    QHash<int, qsizetype> listedAt;
    for (qsizetype i = 0; i < qsizetype(list.items.size()); ++i) {
        const app::json::Value& item = list.items[std::size_t(i)];
        const QString rowPath = QStringLiteral("%1[%2]").arg(path).arg(i);
        if (!item.isObject()) {
            problems.error(rowPath, app::json::quoted(item), QCoreApplication::translate("app::apply", "%1, not an object").arg(kindName(item.kind)));
            continue;
        }
        DocumentObject row(item, rowPath, problems, columns);
        const std::optional<QString> id = row.text(idKey);
        if (!id) {
            if (!row.has(idKey)) problems.error(row.pathOf(idKey), QString(), QCoreApplication::translate("app::apply", "missing: every entry names its %1").arg(idKey));
            row.reportUnknownKeys();
            continue;
        }
        const std::optional<int> entry = entryOf(*id);
        if (!entry) {
            problems.error(row.pathOf(idKey), app::json::quoted(*id), QCoreApplication::translate("app::apply", "no such entry (%1)").arg(whatExists));
            row.reportUnknownKeys();
            continue;
        }
        if (listedAt.contains(*entry)) {
            problems.error(row.pathOf(idKey), app::json::quoted(*id),
                           QCoreApplication::translate("app::apply", "listed twice (also %1[%2])").arg(path).arg(listedAt.value(*entry)));
            row.reportUnknownKeys();
            continue;
        }
        listedAt.insert(*entry, i);
        rows.push_back({*entry, std::move(row)});
    }
    return rows;
}

// ---- verdicts and field tables ----------------------------------------------------------------

bool noteVerdict(const Verdict& verdict, const QString& path, const QString& text, Problems& problems) {
    switch (verdict.kind) {
    case Verdict::Kind::Taken: return true;
    case Verdict::Kind::Warned: problems.warning(path, app::json::quoted(text), verdict.reason); return true;
    case Verdict::Kind::Refused: problems.error(path, app::json::quoted(text), verdict.reason); return false;
    }
    return false;
}

QList<Entry> reportEntries(const FormFields& fields, const image::RadioImage& img) {
    QList<Entry> entries;
    for (const FormField& field : fields)
        if (!field.inReport || field.inReport(img)) entries.append({field.label, field.key, field.read(img), field.options});
    return entries;
}

bool EnteredFields::anyChanged() const {
    return std::find(changed.begin(), changed.end(), true) != changed.end();
}

namespace {

// The text one field holds once the document is entered, and whether the document changed it.
std::pair<QString, bool> enterField(const FormField& field, DocumentObject& document, const image::RadioImage& img,
                                    Problems& problems) {
    const QString shown = field.read(img);
    const std::optional<QString> given = document.text(field.key, field.options);
    if (!given || *given == shown) return {shown, false};
    const Verdict verdict = field.enter(img, *given);
    if (!noteVerdict(verdict, document.pathOf(field.key), *given, problems)) return {shown, false};
    return {verdict.text, verdict.text != shown};
}

} // namespace

EnteredFields enterFields(const FormFields& fields, DocumentObject& document, const image::RadioImage& img,
                          Problems& problems) {
    EnteredFields entered;
    for (const FormField& field : fields) {
        const auto [text, changed] = enterField(field, document, img, problems);
        entered.texts.append(text);
        entered.changed.push_back(changed);
    }
    return entered;
}

void storeFields(const FormFields& fields, const EnteredFields& entered, image::RadioImage& img) {
    for (std::size_t i = 0; i < fields.size(); ++i) fields[i].store(img, entered.texts[qsizetype(i)]);
}

EnteredFields applyFieldByField(const FormFields& fields, DocumentObject& document, image::RadioImage& img,
                                Problems& problems) {
    EnteredFields entered;
    for (const FormField& field : fields) {
        const auto [text, changed] = enterField(field, document, img, problems);
        field.store(img, text);
        entered.texts.append(text);
        entered.changed.push_back(changed);
    }
    return entered;
}

// ---- conventions ------------------------------------------------------------------------------

QString listBrief(const QStringList& entries) {
    if (entries.size() <= kBriefEntries) return entries.join(QStringLiteral(", "));
    return entries.mid(0, 3).join(QStringLiteral(", ")) + QStringLiteral(" ... ") + entries.constLast();
}

Verdict enterEntry(const QStringList& entries, const QString& text) {
    if (entries.contains(text)) return taken(text);
    if (entries.isEmpty()) return refused(QCoreApplication::translate("app::apply", "the list offers nothing here"));
    return refused(QCoreApplication::translate("app::apply", "not one of: %1").arg(listBrief(entries)));
}

Verdict enterIndexEntry(const QStringList& entries, const QString& text) {
    if (text.isEmpty()) return onlyFileHolds(QCoreApplication::translate("app::apply", "no entry chosen (a byte past the list)"));
    return enterEntry(entries, text);
}

Verdict onlyFileHolds(const QString& what) {
    return refused(QCoreApplication::translate("app::apply", "%1: only a file holds it, and the editor takes it nowhere else").arg(what));
}

void storeIndexEntry(image::RadioImage& img, image::Addr at, const QStringList& entries, const QString& text) {
    // A byte that shows the text already stays: a list may hold a text twice, and a byte past
    // the list shows no selection.
    if (entries.value(img.u8(at)) == text) return;
    const qsizetype index = entries.indexOf(text);
    img.setU8(at, index >= 0 ? std::uint8_t(index) : std::uint8_t(0xFF));
}

FormField indexField(const char* label, const char* key, const QStringList& entries, image::Addr at) {
    return {QString::fromLatin1(label), QString::fromLatin1(key),
            [entries, at](const image::RadioImage& img) { return entries.value(img.u8(at)); },
            [entries](const image::RadioImage&, const QString& text) { return enterIndexEntry(entries, text); },
            [entries, at](image::RadioImage& img, const QString& text) { storeIndexEntry(img, at, entries, text); },
            {},
            indexOptions(entries)};
}

QStringList indexOptions(const QStringList& entries) { return entries + QStringList{QString()}; }

QStringList checkOptions() { return {checkText(true), checkText(false)}; }

FormField checkBitsField(const char* label, const char* key, image::Bits bits) {
    return {QString::fromLatin1(label), QString::fromLatin1(key),
            [bits](const image::RadioImage& img) { return checkText(img.get(bits) != 0); },
            [](const image::RadioImage&, const QString& text) { return enterCheck(text); },
            [bits](image::RadioImage& img, const QString& text) { img.set(bits, isYes(text) ? 1u : 0u); },
            {},
            checkOptions()};
}

FormField checkByteField(const char* label, const char* key, image::Addr at) {
    return {QString::fromLatin1(label), QString::fromLatin1(key),
            [at](const image::RadioImage& img) { return checkText(img.u8(at) != 0); },
            [](const image::RadioImage&, const QString& text) { return enterCheck(text); },
            [at](image::RadioImage& img, const QString& text) { img.setU8(at, isYes(text) ? 1 : 0); },
            {},
            checkOptions()};
}

FormField prefixField(const char* label, const char* key, EntriesOf entries,
                      std::function<QString(std::uint8_t)> format, std::function<std::uint8_t(QStringView)> value,
                      image::Addr at) {
    return {QString::fromLatin1(label), QString::fromLatin1(key),
            [entries, format, at](const image::RadioImage& img) { return shownPrefixEntry(entries(img), format(img.u8(at))); },
            [entries](const image::RadioImage& img, const QString& text) { return enterEntry(entries(img), text); },
            [value, at](image::RadioImage& img, const QString& text) { img.setU8(at, value(text)); }};
}

FormField prefixField(const char* label, const char* key, const QStringList& entries,
                      std::function<QString(std::uint8_t)> format, std::function<std::uint8_t(QStringView)> value,
                      image::Addr at) {
    FormField field = prefixField(
        label, key, [entries](const image::RadioImage&) { return entries; }, std::move(format), std::move(value), at);
    field.options = entries;
    return field;
}

Verdict enterCheck(const QString& text) { return enterEntry({kYes, kNo}, text); }

bool isYes(const QString& text) { return text == kYes; }

// What a user can type is taken, as the editor corrects it (a-z become capitals, with a
// warning); anything else is refused, also what the field's bytes could show.
Verdict enterText(const QString& text, const TextRule& rule) {
    if (text.size() > rule.most) return refused(QCoreApplication::translate("app::apply", "at most %1 characters").arg(rule.most));
    const auto typable = [&](const QString& t) {
        return rule.typable.isEmpty() || std::all_of(t.begin(), t.end(), [&](QChar c) { return rule.typable.contains(c); });
    };
    const QString typed = rule.upperCase ? upperAscii(text) : text;
    const bool showable = std::all_of(typed.begin(), typed.end(), rule.showable);
    if (!typable(typed) || !showable) return refused(rule.onlyWhat);
    if (typed == text) return taken(text);
    return warned(typed, QCoreApplication::translate("app::apply", "typed, it becomes %1").arg(app::json::quoted(typed)));
}

bool latin1Shown(QChar c) { return c.unicode() > 0x00 && c.unicode() < 0xFF; }

QString upperAscii(QString text) {
    for (QChar& c : text)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
    return text;
}

} // namespace app::report
