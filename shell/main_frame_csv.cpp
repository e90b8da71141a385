// The File menu's channel list commands: export the channels in use as CSV, and import a
// CSV file after showing the user what it brings and what it leaves out.

#include "shell/main_frame.h"

#include "shell/csv_import_dialog.h"
#include "shell/shell_texts.h"

#include <QFileInfo>

namespace shell {

void CMainFrame::exportChannelsCsv() {
    m_workspace->storeAll();
    const QString path =
        m_prompts.askSaveFileName({texts::kCsvFilter, m_state.config.dataDir, texts::kCsvProposedName});
    if (path.isEmpty()) return;
    const QString error = channels::csv::writeFile(path, channels::csv::exportChannels(m_state.image));
    if (!error.isEmpty()) m_prompts.report(texts::kCsvCannotSave.arg(path, error), app::Severity::Critical);
}

void CMainFrame::importChannelsCsv() {
    m_workspace->storeAll();
    const QString path = m_prompts.askOpenFileName({texts::kCsvFilter, m_state.config.dataDir, QString()});
    if (path.isEmpty()) return;
    QString text;
    if (const QString error = channels::csv::readFile(path, text); !error.isEmpty()) {
        m_prompts.report(texts::kCsvCannotRead.arg(path, error), app::Severity::Critical);
        return;
    }
    const CsvPlanner planner = [this, text](channels::csv::Placement placement) {
        return channels::csv::planImport(text, m_state.image, m_state.bandLimits, placement);
    };
    const QString fileName = QFileInfo(path).fileName();
    const std::optional<channels::csv::ImportPlan> plan = m_confirmCsvImport(fileName, planner);
    if (!plan || !plan->ok()) return;
    channels::csv::applyImport(m_state.image, m_state.bandLimits, *plan);
    m_workspace->reloadAll();
    if (!m_workspace->hasOpenEditor()) openEditor(EditorKind::Channel);
}

std::optional<channels::csv::ImportPlan> CMainFrame::confirmCsvImportWithDialog(const QString& fileName,
                                                                              const CsvPlanner& planner) {
    CsvImportDialog dialog(fileName, planner, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.plan();
}

} // namespace shell
