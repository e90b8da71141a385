// SPDX-License-Identifier: GPL-3.0-or-later
// The printout's commands of the main window: Print (toolbar and Ctrl+P), Print Preview and
// Export PDF. All three draw the configuration report through the one page renderer.

#include "config/config_report.h"
#include "config/print_layout.h"
#include "shell/main_frame.h"
#include "config/print_document.h"
#include "shell/print_texts.h"

#include <QDateTime>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace shell {

config::Printout CMainFrame::printout() {
    // Pending edits reach the image first, as before every use of the whole image.
    m_workspace->storeAll();
    const app::report::ReportSource source{m_state.image, m_state.bandLimits, m_state.config.modelName};
    const config::PrintSource title{config::printDocumentName(m_state.config), m_state.config.currentFileName,
                                    QDateTime::currentDateTime().toString(config::kPrintDateFormat)};
    return config::printout(config::shownReport(config::buildReport(source)), title);
}

void CMainFrame::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    const QString name = config::printDocumentName(m_state.config);
    printer.setDocName(name);
    const config::Printout pages = printout();
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printPreview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter* device) { config::printDocument(*device, pages); });
    dialog.exec();
}

void CMainFrame::exportPdf() {
    const QString name = config::printDocumentName(m_state.config);
    const QString suggested = (name.isEmpty() ? m_state.config.modelName : name) + texts::kPdfSuffix;
    QString path = askExportFileName(
        {texts::tr(texts::kPdfFilter), m_state.config.dataDir, suggested, texts::tr(texts::kExportPdfTitle), texts::kPdfSuffix.mid(1)});
    if (path.isEmpty()) return;
    if (!path.endsWith(texts::kPdfSuffix, Qt::CaseInsensitive)) path += texts::kPdfSuffix;
    if (!writePdf(path)) m_prompts.message(texts::tr(texts::kPdfFailed).arg(QDir::toNativeSeparators(path)));
}

bool CMainFrame::writePdf(const QString& path) { return config::writePdf(path, printout()) > 0; }

} // namespace shell
