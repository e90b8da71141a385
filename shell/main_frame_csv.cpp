// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's channel list commands: export the channels in use as CSV, and import a
// CSV file after showing the user what it brings and what it leaves out. Also where every
// export (CSV, PDF) asks for its file name.

#include "shell/main_frame.h"

#include "shell/csv_import_dialog.h"
#include "shell/shell_texts.h"

#include <QDir>
#include <QFileInfo>

namespace shell {

QString CMainFrame::askExportFileName(app::FileDialogRequest request) {
    const QString suffix = request.defaultSuffix;
    request.refuse = [suffix](const QString& path) {
        if (QFileInfo(path).suffix().compare(kParameterFileSuffix, Qt::CaseInsensitive) != 0) return QString();
        return texts::tr(texts::kExportNotOverParameterFile).arg(QDir::toNativeSeparators(path), suffix);
    };
    QString path = m_prompts.askSaveFileName(request);
    if (path.isEmpty()) return {};
    if (QFileInfo(path).suffix().isEmpty()) path += u'.' + suffix;
    if (const QString refusal = request.refuse(path); !refusal.isEmpty()) {
        m_prompts.report(refusal, app::Severity::Warning);
        return {};
    }
    return path;
}

void CMainFrame::exportChannelsCsv() {
    m_workspace->storeAll();
    const QString path = askExportFileName({texts::tr(texts::kCsvFilter), m_state.config.dataDir, texts::kCsvProposedName,
                                            texts::tr(texts::kExportCsvTitle), texts::kCsvSuffix});
    if (path.isEmpty()) return;
    const QString error = channels::csv::writeFile(path, channels::csv::exportChannels(m_state.image));
    if (!error.isEmpty()) m_prompts.report(texts::tr(texts::kCsvCannotSave).arg(path, error), app::Severity::Critical);
}

void CMainFrame::importChannelsCsv() {
    m_workspace->storeAll();
    const QString path = m_prompts.askOpenFileName(
        {texts::tr(texts::kCsvFilter), m_state.config.dataDir, QString(), texts::tr(texts::kImportCsvTitle), texts::kCsvSuffix});
    if (path.isEmpty()) return;
    QString text;
    if (const QString error = channels::csv::readFile(path, text); !error.isEmpty()) {
        m_prompts.report(texts::tr(texts::kCsvCannotRead).arg(path, error), app::Severity::Critical);
        return;
    }
    const CsvPlanner planner = [this, text](channels::csv::Placement placement) {
        return channels::csv::planImport(text, m_state.image, m_state.bandLimits, placement);
    };
    const QString fileName = QFileInfo(path).fileName();
    const std::optional<channels::csv::ImportPlan> plan = m_confirmCsvImport(fileName, planner);
    if (!plan || !plan->ok()) return;
    channels::csv::applyImport(m_state.image, m_state.bandLimits, *plan);
    m_workspace->reloadAll(texts::tr(texts::kImportStep));
    if (!m_workspace->hasOpenEditor()) openEditor(EditorKind::Channel);
}

std::optional<channels::csv::ImportPlan> CMainFrame::confirmCsvImportWithDialog(const QString& fileName,
                                                                              const CsvPlanner& planner) {
    CsvImportDialog dialog(fileName, planner, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.plan();
}

} // namespace shell
