// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The configuration report's model: the whole radio image as the editors show it, section by
// section. Each editor builds its own section next to its code with these types and helpers;
// labels and option texts come from the editors' own tables and values from their own load
// conversions. config/config_report.h puts the sections together and writes them out.

#include "image/band_limits.h"
#include "image/radio_image.h"
#include "app/editor_names.h"
#include "app/translated_text.h"

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
inline constexpr char kReportContext[] = "app::report";
inline constexpr app::TranslatedText<kReportContext> kNoneInUse{QT_TRANSLATE_NOOP("app::report", "(none in use)")};

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

// Section builders' helpers. An editor's section is titled with its tree item text and keyed
// by its section key.
Section editorSection(const EditorNames& editor);
QStringList listOf(std::span<const std::string_view> entries);
// The text of the first entry beginning with `formatted` (letter case ignored), else the
// first entry, else "": what a number or name drop-down shows.
QString shownPrefixEntry(const QStringList& entries, const QString& formatted);
// The entry at a stored position, "" when the position lies past the list (no selection).
QString shownIndexEntry(const QStringList& entries, int stored);
QString checkText(bool on);  // "Yes" / "No": a ticked or cleared check box

} // namespace app::report
