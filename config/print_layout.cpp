// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/print_layout.h"

#include <algorithm>

namespace config {

using namespace app::report;

namespace {

const QString kModelSectionKey = QStringLiteral("model");
const QString kNoteSeparator = QStringLiteral(", ");

QList<PrintPair> pairs(const QList<Entry>& entries, qsizetype from, qsizetype count) {
    QList<PrintPair> out;
    for (const Entry& entry : entries.mid(from, count)) out.append({entry.label, entry.value});
    return out;
}

// The section's runs of fields as the editor places them; what no run covers follows in
// one column, so no field is ever left out.
QList<PrintBand> bands(const Section& section) {
    QList<PrintBand> out;
    qsizetype next = 0;
    const qsizetype total = section.entries.size();
    for (const PrintColumns& run : section.printColumns) {
        if (next >= total) break;
        PrintBand band{pairs(section.entries, next, run.left), {}};
        next = std::min(total, next + run.left);
        band.right = pairs(section.entries, next, run.right);
        next = std::min(total, next + run.right);
        out.append(band);
    }
    if (next < total) out.append({pairs(section.entries, next, total - next), {}});
    return out;
}

bool isOption(const Column& column) { return !column.usual.isEmpty(); }

// "Squelch Mode CTCSS/DCS, Scan Skip Yes": the options of a row that differ from the usual.
QString note(const Table& table, const QStringList& row) {
    QStringList items;
    for (qsizetype c = 0; c < table.columns.size(); ++c) {
        const Column& column = table.columns[c];
        const QString value = row.value(c);
        if (isOption(column) && !value.isEmpty() && value != column.usual) items.append(column.header + u' ' + value);
    }
    return items.join(kNoteSeparator);
}

PrintTable printTable(const Table& table) {
    PrintTable out;
    QList<qsizetype> shown;
    for (qsizetype c = 0; c < table.columns.size(); ++c) {
        if (isOption(table.columns[c])) continue;
        shown.append(c);
        out.headers.append(table.columns[c].header);
    }
    // A caption that repeats a column header ("DTMF Encode") says nothing, unless no row is
    // in use and it alone names the list.
    if (!out.headers.contains(table.title) || table.rows.isEmpty()) out.caption = table.title;
    for (const QStringList& row : table.rows) {
        QStringList cells;
        for (const qsizetype c : shown) cells.append(row.value(c));
        out.rows.append(cells);
        out.notes.append(note(table, row));
    }
    return out;
}

PrintSection printSection(const Section& section) {
    PrintSection out{section.title, bands(section), {}};
    for (const Table& table : section.tables) out.tables.append(printTable(table));
    return out;
}

} // namespace

Printout printout(const ConfigReport& report, const PrintSource& source) {
    Printout out;
    out.documentName = source.documentName;
    out.heading = kPrintHeadingWithoutModel;
    for (const Section& section : report.sections) {
        if (section.key != kModelSectionKey) {
            out.sections.append(printSection(section));
            continue;
        }
        const QString model = section.entries.value(0).value;
        if (!model.isEmpty()) out.heading = kPrintHeading.arg(model);
        out.titleFields.left = pairs(section.entries, 0, section.entries.size());
    }
    out.titleFields.right = {{kPrintFileLabel, source.fileName.isEmpty() ? kPrintNoFile : source.fileName},
                             {kPrintDateLabel, source.printed}};
    return out;
}

} // namespace config
