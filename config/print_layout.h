// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printout of the configuration report, laid out as a datasheet but not yet measured: a
// title block (model, band, file, date printed), then each editor's section under its title,
// its fields as label/value pairs in the editor's order and placement (one or two columns),
// and its lists as tables of the rows in use. The page renderer measures, wraps and pages it
// with the font it prints in.

#include "app/report_model.h"
#include "app/translated_text.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace config {

struct PrintPair {
    QString label;
    QString value;
};

// A run of fields in one or two columns: the left column reads first, then the right.
struct PrintBand {
    QList<PrintPair> left;
    QList<PrintPair> right;
};

// A list as a table: the columns the editor's list shows, one row per row in use. Options
// that only some rows set (the Channel Edit dialog's) are no columns: a row names those that
// differ from a new channel's in its note, printed on a line below it.
struct PrintTable {
    QString caption;  // empty when the section title or a column header already says it
    QStringList headers;
    QList<QStringList> rows;
    QStringList notes;  // one per row, empty for most
};

struct PrintSection {
    QString title;
    QList<PrintBand> bands;
    QList<PrintTable> tables;
};

struct Printout {
    QString documentName;  // the page header: the parameter file's name without extension
    QString heading;       // the title block's first line
    PrintBand titleFields;  // model and band, then file and date printed
    QList<PrintSection> sections;
};

// What the title block says besides the report.
struct PrintSource {
    QString documentName;
    QString fileName;  // empty when the configuration was never saved or opened
    QString printed;   // date and time of printing as shown
};

// The printout's own words read in the user's language in the windows (see app/translated_text.h).
inline constexpr char kPrintContext[] = "config::print";
using PrintText = app::TranslatedText<kPrintContext>;
inline constexpr PrintText kPrintHeading{QT_TRANSLATE_NOOP("config::print", "%1 configuration")};
inline constexpr PrintText kPrintHeadingWithoutModel{QT_TRANSLATE_NOOP("config::print", "Configuration")};
inline constexpr PrintText kPrintFileLabel{QT_TRANSLATE_NOOP("config::print", "File")};
inline constexpr PrintText kPrintDateLabel{QT_TRANSLATE_NOOP("config::print", "Printed")};
inline constexpr PrintText kPrintNoFile{QT_TRANSLATE_NOOP("config::print", "(not saved)")};
// The date printed: unambiguous wherever the printout is read.
inline const QString kPrintDateFormat = QStringLiteral("yyyy-MM-dd HH:mm");

// The report's first section (the model and its band) goes into the title block; every
// other section follows in the report's order.
Printout printout(const app::report::ConfigReport& report, const PrintSource& source);

} // namespace config
