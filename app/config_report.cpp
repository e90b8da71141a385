#include "app/config_report.h"

#include "app/report_sections.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace report {

namespace {

// A pair column is one sixth of the printed line and cuts what does not fit: about 15
// average characters of the print font (see textWidth). Longer labels or values get a plain
// line of their own, so nothing is cut.
constexpr double kPairColumnWidth = 15.0;
constexpr int kPairsPerLine = 3;
// A plain printed line holds about this many characters; longer list rows continue below.
constexpr int kPrintLineChars = 95;
const QString kContinuation = QStringLiteral("        ");
const QString kPairMarker = QStringLiteral("^^");
const QString kNotInUse = QStringLiteral("(not in use)");
const QString kNoneInUse = QStringLiteral("(none in use)");
const QString kUsualNote = QStringLiteral("Unless listed");

// The width of a text in average characters of a proportional serif face: narrow letters and
// marks count less, capitals and "m"/"w" more. Rough, but on the safe side for the labels here.
double textWidth(const QString& text) {
    static const QString narrow = QStringLiteral("ijlt.,:;'!|()[]fr/- ");
    static const QString wide = QStringLiteral("mwMW");
    double width = 0;
    for (const QChar c : text) {
        if (narrow.contains(c)) width += 0.6;
        else if (wide.contains(c)) width += 1.6;
        else if (c.isUpper()) width += 1.3;
        else width += 1.0;
    }
    return width;
}

bool fitsColumn(const QString& text) { return textWidth(text) <= kPairColumnWidth; }

bool fitsPair(const Entry& entry) {
    return fitsColumn(entry.label + u':') && fitsColumn(entry.value) &&
           !entry.label.contains(u':') && !entry.label.contains(kPairMarker) && !entry.value.contains(kPairMarker);
}

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

// A row as one pair: its number, then the other cells, "-" for an empty one ("5:12345 BOB").
QString compactValue(const QStringList& row) {
    QStringList cells = row.mid(1);
    for (QString& cell : cells)
        if (cell.isEmpty()) cell = QStringLiteral("-");
    return cells.join(u' ');
}

// Short lists (a number and at most two cells, all fitting a pair column) go three to a line.
bool compactTable(const Table& table) {
    if (table.columns.size() > 3) return false;
    for (const QStringList& row : table.rows)
        if (!fitsColumn(row.value(0) + u':') || !fitsColumn(compactValue(row)) ||
            row.join(QString()).contains(kPairMarker) || row.value(0).contains(u':'))
            return false;
    return true;
}

void appendCompactRows(const Table& table, QStringList& lines) {
    QStringList headers;
    for (const Column& column : table.columns) headers.append(column.header);
    lines.append(headers.first() + QStringLiteral(": ") + headers.mid(1).join(u' '));
    QString line;
    int pending = 0;
    for (const QStringList& row : table.rows) {
        line += row.value(0) + u':' + compactValue(row) + kPairMarker;
        if (++pending == kPairsPerLine) {
            lines.append(line);
            line.clear();
            pending = 0;
        }
    }
    if (pending > 0) lines.append(line);
}

QString rowText(const Table& table, const QStringList& row) {
    return rowHead(table, row) + QStringLiteral(": ") + rowItems(table, row).join(QStringLiteral(", "));
}

// "head: item, item, ..." on as many printed lines as it needs, breaking between items.
QStringList wrapped(const QString& head, const QStringList& items) {
    QStringList lines;
    QString line = head + u':';
    bool first = true;
    for (const QString& item : items) {
        const QString joined = line + (first ? QStringLiteral(" ") : QStringLiteral(", ")) + item;
        if (!first && joined.size() > kPrintLineChars) {
            lines.append(line + u',');
            line = kContinuation + item;
        } else {
            line = joined;
        }
        first = false;
    }
    lines.append(line);
    return lines;
}

QStringList wrappedRow(const Table& table, const QStringList& row) {
    return wrapped(rowHead(table, row), rowItems(table, row));
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
    // Navigation-tree order.
    return ConfigReport{{
        modelSection(source),
        channelSection(source),
        functionSetupSection(source),
        dtmfSection(source),
        twoToneSection(source),
        fiveToneSection(source),
        scanSection(source),
        emergencySection(source),
        keySettingSection(source),
        communicationNoteSection(source),
    }};
}

QStringList printLines(const ConfigReport& report) {
    QStringList lines;
    for (const Section& section : report.sections) {
        if (!lines.isEmpty()) lines.append(QString());
        lines.append(section.title);
        // The fields that fit go three to a line first, the others follow on lines of their own,
        // each group in screen order.
        QString pairs;
        int pending = 0;
        QStringList plain;
        for (const Entry& entry : section.entries) {
            if (!fitsPair(entry)) {
                plain.append(entry.label + QStringLiteral(": ") + entry.value);
                continue;
            }
            pairs += entry.label + u':' + entry.value + kPairMarker;
            if (++pending == kPairsPerLine) {
                lines.append(pairs);
                pairs.clear();
                pending = 0;
            }
        }
        if (pending > 0) lines.append(pairs);
        lines += plain;
        for (const Table& table : section.tables) {
            const bool compact = !table.rows.isEmpty() && compactTable(table);
            // A compact list names its columns on its first line, which may say it all.
            const bool titleInHeaders = std::any_of(table.columns.begin(), table.columns.end(),
                                                    [&](const Column& c) { return c.header == table.title; });
            if (!table.title.isEmpty() && !(compact && titleInHeaders)) lines.append(table.title);
            if (table.rows.isEmpty()) {
                lines.append(kNoneInUse);
            } else if (compact) {
                appendCompactRows(table, lines);
            } else {
                if (const QStringList usual = usualItems(table); !usual.isEmpty())
                    lines.append(wrapped(kUsualNote, usual));
                for (const QStringList& row : table.rows) lines.append(wrappedRow(table, row));
            }
        }
    }
    return lines;
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

Section editorSection(app::EditorKind kind, const QString& key) {
    return Section{QString::fromLatin1(app::kEditorKinds[std::size_t(kind)].treeText), key, {}, {}};
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

} // namespace report
