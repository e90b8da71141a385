#pragma once
// The printout of the configuration: pages of text lines between a header naming the
// parameter file and a footer with the page numbers. Nothing fills the lines yet, so a
// printout is one page with header and footer only.

#include "app/app_config.h"

#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace shell {

// The current parameter file name, or the default one when none is current, cut before
// its first "."; a name without "." gives an empty name.
QString printDocumentName(const app::AppConfig& config);

// "-- Page %d of %d --".
QString printFooterText(int page, int pages);

// Lays out and draws the document on `device` (a printer or a PDF writer), starting a new
// page of the device for every page after the first. False when a page could not be started.
bool printDocument(QPagedPaintDevice& device, const QString& documentName, const QStringList& lines);

} // namespace shell
