// SPDX-License-Identifier: GPL-3.0-or-later
// The Communication Note section of the configuration report and of a configuration
// document: the contacts in use (call ID or name not empty), numbered as the editor's list
// numbers them.

#include "app/apply_fields.h"
#include "settings/settings_sections.h"
#include "settings/contact_book.h"
#include "settings/contact_fields.h"

namespace settings {

using namespace app::report;

namespace {


QString latin(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

struct Contact {
    QString callId;
    QString name;
};

QList<Column> contactColumns() {
    const auto header = [](int column) { return latin(contact::texts::kHeaders[std::size_t(column)]); };
    return {{header(contact::kColNumber), QStringLiteral("number")},
            {header(contact::kColCallId), QStringLiteral("callId")},
            {header(contact::kColName), QStringLiteral("name")}};
}

std::optional<int> contactNumbered(const QString& text) {
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 0 || number >= contact::kCount || QString::number(number) != text) return std::nullopt;
    return number;
}

std::optional<QString> entered(DocumentObject& row, const char* key, const QString& shown, const TextRule& rule,
                               Problems& problems) {
    const QString k = QString::fromLatin1(key);
    const std::optional<QString> given = row.text(k);
    if (!given || *given == shown) return std::nullopt;
    const Verdict verdict = enterText(*given, rule);
    if (!noteVerdict(verdict, row.pathOf(k), *given, problems)) return std::nullopt;
    return verdict.text;
}

// The listed contacts; every contact not listed is emptied, as a user empties its two cells.
std::vector<Contact> enteredContacts(const app::json::Value& list, const QString& path, const std::vector<Contact>& shown,
                                     Problems& problems) {
    const TextRule callIdRule{contact::kCallIdLength, latin(contact::kCallIdCharacters), false,
                              QCoreApplication::translate("settings::report", "only digits 0-9"), latin1Shown};
    const TextRule nameRule{contact::kNameLength, latin(contact::kNameCharacters), true,
                            QCoreApplication::translate("settings::report", "only A-Z and 0-9"), latin1Shown};
    std::vector<Contact> contacts(shown.size());
    for (ListedRow& row : readListRows(list, path, keysOf(contactColumns()), contactNumbered, QStringLiteral("0-127"),
                                       problems)) {
        Contact& now = contacts[std::size_t(row.entry)];
        now = shown[std::size_t(row.entry)];
        const int errors = problems.errors();
        if (const auto callId = entered(row.object, "callId", now.callId, callIdRule, problems)) now.callId = *callId;
        if (const auto name = entered(row.object, "name", now.name, nameRule, problems)) now.name = *name;
        if (now.callId.isEmpty() && now.name.isEmpty() && problems.errors() == errors)
            problems.error(row.object.path(), QString(),
                           QCoreApplication::translate("settings::report", "a contact in use needs a call ID or a name; leave it out to empty it"));
        row.object.reportUnknownKeys();
    }
    return contacts;
}

} // namespace

Section communicationNoteSection(const ReportSource& source) {
    Table table{QString(), QStringLiteral("contacts"), contactColumns(), {}};
    for (int k = 0; k < contact::kCount; ++k) {
        const QString callId = contact::callId(source.image, k);
        const QString name = contact::name(source.image, k);
        if (!callId.isEmpty() || !name.isEmpty()) table.rows.append({QString::number(k), callId, name});
    }
    Section section = editorSection(settings::contact::kEditorNames);
    section.tables.append(table);
    return section;
}

// The editor stores every contact as its cells show it.
void applyCommunicationNoteSection(DocumentObject& section, ApplyContext& context) {
    image::RadioImage& im = context.image;
    std::vector<Contact> contacts;
    for (int k = 0; k < contact::kCount; ++k) contacts.push_back({contact::callId(im, k), contact::name(im, k)});
    if (const app::json::Value* list = section.list(QStringLiteral("contacts")))
        contacts = enteredContacts(*list, section.pathOf(QStringLiteral("contacts")), contacts, context.problems);
    for (int k = 0; k < contact::kCount; ++k) {
        contact::setCallId(im, k, contacts[std::size_t(k)].callId);
        contact::setName(im, k, contacts[std::size_t(k)].name);
    }
}

} // namespace settings
