// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/report_model.h"

namespace app::report {

Section editorSection(const EditorNames& editor) {
    return Section{QString::fromLatin1(editor.treeText), QString::fromLatin1(editor.sectionKey), {}, {}};
}

QStringList listOf(std::span<const std::string_view> entries) {
    QStringList list;
    list.reserve(qsizetype(entries.size()));
    for (std::string_view e : entries) list.append(QString::fromLatin1(e.data(), qsizetype(e.size())));
    return list;
}

QString shownPrefixEntry(const QStringList& entries, const QString& formatted) {
    for (const QString& entry : entries)
        if (entry.startsWith(formatted, Qt::CaseInsensitive)) return entry;
    return entries.value(0);
}

QString shownIndexEntry(const QStringList& entries, int stored) { return entries.value(stored); }

QString checkText(bool on) { return on ? QStringLiteral("Yes") : QStringLiteral("No"); }

} // namespace app::report
