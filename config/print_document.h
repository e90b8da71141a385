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

class QPagedPaintDevice;

namespace shell {

// The current parameter file name, or the default one when none is current, cut before
// its first "."; a name without "." gives an empty name.
QString printDocumentName(const app::AppConfig& config);

// "-- Page %d of %d --".
QString printFooterText(int page, int pages);

// Lays out and draws the printout on `device` (a printer or a PDF writer), starting a new
// page of the device for every page after the first. False when a page could not be started.
bool printDocument(QPagedPaintDevice& device, const config::Printout& printout);

} // namespace shell
