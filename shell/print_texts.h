// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the print preview, PDF export and their failure messages.

#include "shell/shell_texts.h"

#include <QString>

namespace shell::texts {

inline constexpr const char* kPrintPreview = QT_TRANSLATE_NOOP("shell::texts", "Print Pre&view...");
inline constexpr const char* kExportPdf = QT_TRANSLATE_NOOP("shell::texts", "Export P&DF...");  // "&P" is Print
inline constexpr const char* kPdfFilter = QT_TRANSLATE_NOOP("shell::texts", "PDF Files (*.pdf)");
inline const QString kPdfSuffix = QStringLiteral(".pdf");
inline constexpr const char* kExportPdfTitle = QT_TRANSLATE_NOOP("shell::texts", "Export PDF");
// A printer or file that cannot take the document must not look like a finished printout.
inline constexpr const char* kPrintFailed =
    QT_TRANSLATE_NOOP("shell::texts", "The configuration was not printed: the printer \"%1\" could not be started or stopped "
                   "accepting pages.");
inline constexpr const char* kPdfFailed = QT_TRANSLATE_NOOP("shell::texts", "The PDF file \"%1\" could not be written.");

} // namespace shell::texts
