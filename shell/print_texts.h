// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the print preview, PDF export and their failure messages.

#include <QString>

namespace shell::texts {

inline const QString kPrintPreview = QStringLiteral("Print Pre&view...");
inline const QString kExportPdf = QStringLiteral("Export P&DF...");  // "&P" is Print
inline const QString kPdfFilter = QStringLiteral("PDF Files (*.pdf)");
inline const QString kPdfSuffix = QStringLiteral(".pdf");
inline const QString kExportPdfTitle = QStringLiteral("Export PDF");
// A printer or file that cannot take the document must not look like a finished printout.
inline const QString kPrintFailed =
    QStringLiteral("The configuration was not printed: the printer \"%1\" could not be started or stopped "
                   "accepting pages.");
inline const QString kPdfFailed = QStringLiteral("The PDF file \"%1\" could not be written.");

} // namespace shell::texts
