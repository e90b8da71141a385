// The Communication Note section of the configuration report: the contacts in use (call ID
// or name not empty), numbered as the editor's list numbers them.

#include "app/report_sections.h"
#include "settings/contact_book.h"
#include "settings/contact_fields.h"

namespace report {

Section communicationNoteSection(const ReportSource& source) {
    namespace contact = settings::contact;
    const auto header = [](int column) {
        const std::string_view text = contact::texts::kHeaders[std::size_t(column)];
        return QString::fromLatin1(text.data(), qsizetype(text.size()));
    };
    Table table{QString(),
                QStringLiteral("contacts"),
                {{header(contact::kColNumber), QStringLiteral("number")},
                 {header(contact::kColCallId), QStringLiteral("callId")},
                 {header(contact::kColName), QStringLiteral("name")}},
                {}};
    for (int k = 0; k < contact::kCount; ++k) {
        const QString callId = contact::callId(source.image, k);
        const QString name = contact::name(source.image, k);
        if (!callId.isEmpty() || !name.isEmpty()) table.rows.append({QString::number(k), callId, name});
    }
    Section section = editorSection(app::EditorKind::CommunicationNote, QStringLiteral("communicationNote"));
    section.tables.append(table);
    return section;
}

} // namespace report
