// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/config_report.h"

#include "config/editor_table.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace config {

using namespace app::report;

namespace {

// Read in the user's language in the windows (see app/translated_text.h).
constexpr app::TranslatedText<app::report::kReportContext> kNotInUse{QT_TRANSLATE_NOOP("app::report", "(not in use)")};
constexpr app::TranslatedText<app::report::kReportContext> kUsualNote{QT_TRANSLATE_NOOP("app::report", "Unless listed")};

QString rowHead(const Table& table, const QStringList& row) {
    return table.columns.value(0).header + u' ' + row.value(0);
}

bool shownInText(const Column& column, const QString& value) {
    return !value.isEmpty() && (column.usual.isEmpty() || value != column.usual);
}

// "Call ID 12345", "Name BOB" ...: the columns after the first; empty cells and options at
// their usual value are left out.
QStringList rowItems(const Table& table, const QStringList& row) {
    QStringList items;
    for (qsizetype c = 1; c < table.columns.size(); ++c)
        if (shownInText(table.columns[c], row.value(c))) items.append(table.columns[c].header + u' ' + row.value(c));
    return items;
}

// "Squelch Mode Carrier", "DTMF PTTID Off" ...: the usual values the rows leave out.
QStringList usualItems(const Table& table) {
    QStringList usual;
    for (const Column& column : table.columns)
        if (!column.usual.isEmpty()) usual.append(column.header + u' ' + column.usual);
    return usual;
}

QString rowText(const Table& table, const QStringList& row) {
    return rowHead(table, row) + QStringLiteral(": ") + rowItems(table, row).join(QStringLiteral(", "));
}

QString jsonString(const QString& text) {
    // QJsonDocument does the escaping; the surrounding brackets are cut off.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString jsonMember(const QString& indent, const QString& key, const QString& value) {
    return indent + jsonString(key) + QStringLiteral(": ") + value;
}

QString jsonTable(const Table& table, const QString& indent) {
    if (table.rows.isEmpty()) return QStringLiteral("[]");
    QStringList rows;
    const QString inner = indent + QStringLiteral("  ");
    for (const QStringList& row : table.rows) {
        QStringList members;
        for (qsizetype c = 0; c < table.columns.size(); ++c)
            members.append(jsonMember(inner + QStringLiteral("  "), table.columns[c].key, jsonString(row.value(c))));
        rows.append(inner + QStringLiteral("{\n") + members.join(QStringLiteral(",\n")) + u'\n' + inner + u'}');
    }
    return QStringLiteral("[\n") + rows.join(QStringLiteral(",\n")) + u'\n' + indent + u']';
}

QString jsonSection(const Section& section) {
    const QString indent = QStringLiteral("    ");
    QStringList members;
    for (const Entry& entry : section.entries) members.append(jsonMember(indent, entry.key, jsonString(entry.value)));
    for (const Table& table : section.tables) members.append(jsonMember(indent, table.key, jsonTable(table, indent)));
    if (members.isEmpty()) return QStringLiteral("{}");
    return QStringLiteral("{\n") + members.join(QStringLiteral(",\n")) + QStringLiteral("\n  }");
}

void compareEntries(const Section& before, const Section& after, QList<Difference>& out) {
    QHash<QString, const Entry*> afterEntries;
    for (const Entry& entry : after.entries) afterEntries.insert(entry.key, &entry);
    for (const Entry& entry : before.entries) {
        const Entry* other = afterEntries.value(entry.key);
        const QString otherValue = other ? other->value : QString();
        if (otherValue != entry.value) out.append({before.title, entry.label, entry.value, otherValue});
    }
}

void compareRows(const QString& sectionTitle, const Table& before, const Table& after, QList<Difference>& out) {
    QHash<QString, const QStringList*> beforeRows, afterRows;
    for (const QStringList& row : before.rows) beforeRows.insert(row.value(0), &row);
    for (const QStringList& row : after.rows) afterRows.insert(row.value(0), &row);
    for (const QStringList& row : before.rows) {
        const QStringList* other = afterRows.value(row.value(0));
        if (!other) {
            out.append({sectionTitle, rowHead(before, row), rowItems(before, row).join(QStringLiteral(", ")), kNotInUse});
            continue;
        }
        for (qsizetype c = 1; c < before.columns.size(); ++c)
            if (row.value(c) != other->value(c))
                out.append({sectionTitle, rowHead(before, row) + u' ' + before.columns[c].header, row.value(c),
                            other->value(c)});
    }
    for (const QStringList& row : after.rows)
        if (!beforeRows.contains(row.value(0)))
            out.append({sectionTitle, rowHead(after, row), kNotInUse, rowItems(after, row).join(QStringLiteral(", "))});
}

} // namespace

ConfigReport buildReport(const ReportSource& source) {
    // The Model, then the editors in navigation-tree order.
    ConfigReport report{{kModelSection.report(source)}};
    for (const Editor& editor : kEditors) report.sections.append(editor.section.report(source));
    return report;
}

QString plainText(const ConfigReport& report) {
    QString text;
    for (const Section& section : report.sections) {
        if (!text.isEmpty()) text += u'\n';
        text += u'[' + section.title + QStringLiteral("]\n");
        for (const Entry& entry : section.entries) text += entry.label + QStringLiteral(": ") + entry.value + u'\n';
        for (const Table& table : section.tables) {
            if (!table.title.isEmpty()) text += table.title + QStringLiteral(":\n");
            if (table.rows.isEmpty()) text += kNoneInUse + u'\n';
            else if (const QStringList usual = usualItems(table); !usual.isEmpty())
                text += kUsualNote + QStringLiteral(": ") + usual.join(QStringLiteral(", ")) + u'\n';
            for (const QStringList& row : table.rows) text += rowText(table, row) + u'\n';
        }
    }
    return text;
}

namespace {

// The context the labels of section `key` are translated in: its editor's, or the model's.
const char* textsContextOf(const QString& key) {
    for (const Editor& editor : kEditors)
        if (key == QLatin1String(editor.sectionKey)) return editor.textsContext;
    return channels::kModelTextsContext;
}

QString translated(const char* context, const QString& text) {
    return QCoreApplication::translate(context, text.toUtf8().constData());
}

QString shownText(const char* context, const QString& text) {
    if (text.isEmpty()) return text;
    const QString whole = translated(context, text);
    if (whole != text) return whole;
    // A label made of two, a group's title and its field's ("PTTID Starting (BOT) Encode ID").
    for (qsizetype blank = text.indexOf(u' '); blank > 0; blank = text.indexOf(u' ', blank + 1)) {
        const QString head = text.left(blank);
        const QString tail = text.mid(blank + 1);
        const QString shownHead = translated(context, head);
        const QString shownTail = translated(context, tail);
        if (shownHead != head && shownTail != tail) return shownHead + u' ' + shownTail;
    }
    return text;
}

} // namespace

ConfigReport shownReport(ConfigReport report) {
    for (Section& section : report.sections) {
        const char* context = textsContextOf(section.key);
        section.title = app::shownName(section.title);
        for (Entry& entry : section.entries) entry.label = shownText(context, entry.label);
        for (Table& table : section.tables) {
            table.title = shownText(context, table.title);
            for (Column& column : table.columns) column.header = shownText(context, column.header);
        }
    }
    return report;
}

QByteArray toJson(const ConfigReport& report) {
    QStringList members;
    for (const Section& section : report.sections)
        members.append(jsonMember(QStringLiteral("  "), section.key, jsonSection(section)));
    return (QStringLiteral("{\n") + members.join(QStringLiteral(",\n")) + QStringLiteral("\n}\n")).toUtf8();
}

QList<Difference> compare(const ConfigReport& before, const ConfigReport& after) {
    QList<Difference> out;
    for (const Section& section : before.sections) {
        const auto other = std::find_if(after.sections.begin(), after.sections.end(),
                                        [&](const Section& s) { return s.key == section.key; });
        if (other == after.sections.end()) continue;  // both come from the same builders
        compareEntries(section, *other, out);
        for (const Table& table : section.tables)
            for (const Table& otherTable : other->tables)
                if (otherTable.key == table.key) compareRows(section.title, table, otherTable, out);
    }
    return out;
}

QString differenceText(const QList<Difference>& differences) {
    QString text;
    for (const Difference& d : differences)
        text += d.section + QStringLiteral(" / ") + d.label + QStringLiteral(": ") + d.before + QStringLiteral(" -> ") +
                d.after + u'\n';
    return text;
}

} // namespace config
