#pragma once
// The configuration report: the whole radio image as the editors show it, section by section
// in navigation-tree order. One model feeds the printout, the command-line text, the JSON
// and the comparison of two files, so those four can never disagree. Each editor builds its
// own section next to its code (report_sections.h lists them); labels and option texts come
// from the editors' own tables and values from their own load conversions.

#include "image/band_limits.h"
#include "image/radio_image.h"
#include "app/editor_kind_table.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

namespace app::report {

// One field: the label the editor shows, a stable English key for JSON, the shown value.
struct Entry {
    QString label;
    QString key;
    QString value;
    QStringList options = {};  // the texts of the option list the field offers; empty for free text
};

// An entry whose label is an editor's text and whose key is its JSON name.
inline Entry entry(const char* label, const char* key, const QString& value) {
    return {QString::fromLatin1(label), QString::fromLatin1(key), value};
}

// One column of a list: its header as the editor shows it and its JSON key. The texts leave
// out a cell that holds `usual` (an option at its default), so a row shows what sets it apart;
// JSON and the comparison keep every cell.
struct Column {
    QString header;
    QString key;
    QString usual = {};
    QStringList options = {};  // the texts of the option list the cell offers; empty for free text
};

// A list of entries in use (channels, encode lists, contacts). Column 0 names the row
// ("CH" 12, "NO." 3), so two reports match their rows by it.
struct Table {
    QString title;
    QString key;
    QList<Column> columns;
    QList<QStringList> rows;  // one text per column
};

// How the printout places a run of a section's fields: `left` fields down one column and the
// next `right` fields down a second column beside it, as the editor shows them side by side.
// {11, 8} is a left column of eleven fields beside a right one of eight; a row of two fields
// in the editor is {1, 1}.
struct PrintColumns {
    int left = 0;
    int right = 0;
};

struct Section {
    QString title;
    QString key;
    QList<Entry> entries;
    QList<Table> tables;
    // The fields' runs in entry order for the printout; fields no run covers print in one column.
    QList<PrintColumns> printColumns = {};
};

// What a list without a row in use shows.
inline const QString kNoneInUse = QStringLiteral("(none in use)");

struct ConfigReport {
    QList<Section> sections;
};

// What a section reads: the image, the band limits the channel list clamps into, and the
// model name (which comes from the settings file, not from the image).
struct ReportSource {
    const image::RadioImage& image;
    image::BandLimits limits;
    QString modelName;
};

ConfigReport buildReport(const ReportSource& source);

// The command-line text: section titles, "label: value" lines, list rows one per line.
QString plainText(const ConfigReport& report);

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

// Section builders' helpers. An editor's section is titled with its tree item text.
Section editorSection(app::EditorKind kind, const QString& key);
QStringList listOf(std::span<const std::string_view> entries);
// The text of the first entry beginning with `formatted` (letter case ignored), else the
// first entry, else "": what a number or name drop-down shows.
QString shownPrefixEntry(const QStringList& entries, const QString& formatted);
// The entry at a stored position, "" when the position lies past the list (no selection).
QString shownIndexEntry(const QStringList& entries, int stored);
QString checkText(bool on);  // "Yes" / "No": a ticked or cleared check box

} // namespace app::report
