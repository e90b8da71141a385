// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The configuration report: every editor's section in navigation-tree order. One model feeds
// the printout, the command-line text, the JSON and the comparison of two files, so those four
// can never disagree. The sections are built by the editors' own folders (the editor table
// names each one).

#include "app/report_model.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace config {

using app::report::ConfigReport;
using app::report::ReportSource;

ConfigReport buildReport(const ReportSource& source);

// The command-line text: section titles, "label: value" lines, list rows one per line.
QString plainText(const ConfigReport& report);
// The report as the windows show it: section titles, labels, list titles and column headers in
// the user's language (the editors' own translations), values as they are. Reports compare by
// their keys, so two shown reports compare as the reports do. Without a translation installed
// (the command line) it is the report itself.
ConfigReport shownReport(ConfigReport report);

// JSON: one object whose members are the sections in tree order; each section holds its
// fields (key: value) and then its lists (key: array of row objects), in the editor's order.
QByteArray toJson(const ConfigReport& report);

// One field that differs between two reports. A list row present in only one report shows
// as "(not in use)" on the other side.
struct Difference {
    QString section;
    QString label;
    QString before;
    QString after;
};
QList<Difference> compare(const ConfigReport& before, const ConfigReport& after);
// "Section / label: before -> after", one per line.
QString differenceText(const QList<Difference>& differences);

} // namespace config
