// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printout of the configuration on paper or in a PDF: the report's datasheet (title
// block, the editors' fields as label/value pairs, the lists as tables) on pages between a
// header naming the parameter file and a footer with the page numbers. Every text is measured
// with the font it prints in on the device it prints on; what is too long for its place wraps
// onto more lines and is never cut.

#include "app/app_config.h"
#include "config/print_layout.h"

#include <QString>

#include <functional>

class QPagedPaintDevice;

// The program's Print, Print Preview and Export PDF and the command-line tool's "print" all
// draw through this one renderer, so their pages are the same. It needs QtGui's fonts (a
// QGuiApplication) and no widgets.
namespace config {

// The current parameter file name, or the default one when none is current, cut before
// its first "."; a name without "." gives an empty name.
QString printDocumentName(const app::AppConfig& config);

// "-- Page %d of %d --".
QString printFooterText(int page, int pages);

// Lays out and draws the printout on `device` (a printer or a PDF writer), starting a new
// page of the device for every page after the first; the number of pages drawn. 0 when the
// device could not be painted on or a page could not be started,
// after `abort` ran, with the painter still active: a printer drops the pages it holds rather
// than print half a configuration.
int printDocument(QPagedPaintDevice& device, const Printout& printout, const std::function<void()>& abort = {});

// Writes the printout as an A4 PDF file, the one way the program's Export PDF and the
// command-line tool's "print" both write it; the number of pages, 0 when the file could not
// be written.
int writePdf(const QString& path, const Printout& printout);

} // namespace config
