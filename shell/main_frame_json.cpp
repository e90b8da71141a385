// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's configuration as text: export the whole configuration as JSON (what
// report --json prints), and import such a document after showing the user its problems.
// The import is one undo step.

#include "shell/main_frame.h"

#include "config/config_report.h"
#include "shell/json_import_dialog.h"
#include "config/print_document.h"
#include "shell/shell_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace shell {

void CMainFrame::exportConfigurationJson() {
    m_workspace->storeAll();
    const QString name = config::printDocumentName(m_state.config);
    const QString proposed = (name.isEmpty() ? m_state.config.modelName : name) + u'.' + texts::kJsonSuffix;
    const QString path = askExportFileName(
        {texts::tr(texts::kJsonFilter), m_state.config.dataDir, proposed, texts::tr(texts::kExportJsonTitle), texts::kJsonSuffix});
    if (path.isEmpty()) return;
    const QByteArray json =
        config::toJson(config::buildReport({m_state.image, m_state.bandLimits, m_state.config.modelName}));
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(json) == json.size() && file.commit();
    if (!saved)
        m_prompts.report(texts::tr(texts::kJsonCannotSave).arg(QDir::toNativeSeparators(path), file.errorString()),
                         app::Severity::Critical);
}

void CMainFrame::importConfigurationJson() {
    m_workspace->storeAll();
    const QString path = m_prompts.askOpenFileName(
        {texts::tr(texts::kJsonFilter), m_state.config.dataDir, QString(), texts::tr(texts::kImportJsonTitle), texts::kJsonSuffix});
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompts.report(texts::tr(texts::kJsonCannotRead).arg(QDir::toNativeSeparators(path), file.errorString()),
                         app::Severity::Critical);
        return;
    }
    image::RadioImage img = m_state.image;
    image::BandLimits limits = m_state.bandLimits;
    // The import dialog shows a band change's moved channels and asks before anything changes.
    config::ApplyOptions options{m_state.config.modelName};
    options.allowBandChange = true;
    const config::ApplyResult result =
        config::applyConfiguration(file.read(app::json::kMostDocumentBytes + 1), img, limits, options);
    if (!m_confirmJsonImport(QFileInfo(path).fileName(), result) || !result.applied) return;
    m_state.image = img;
    m_state.bandLimits = limits;
    refreshBandIndicator();
    m_workspace->reloadAll(texts::tr(texts::kImportJsonStep));  // "Undo Import Configuration"
    if (!m_workspace->hasOpenEditor()) openEditor(EditorKind::Channel);
}

bool CMainFrame::confirmJsonImportWithDialog(const QString& fileName, const config::ApplyResult& result) {
    JsonImportDialog dialog(fileName, result, this);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace shell
