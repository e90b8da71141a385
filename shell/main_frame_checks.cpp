// SPDX-License-Identifier: GPL-3.0-or-later
// The Program menu's commands for dealers: compare the radio with the open configuration
// (the radio is read beside it, never into it) and check the configuration, with what the
// editors will change in what was opened or read.

#include "shell/main_frame.h"

#include "config/config_check.h"
#include "config/config_report.h"
#include "config/store_corrections.h"
#include "shell/check_dialog.h"
#include "shell/compare_dialog.h"
#include "shell/fleet_dialog.h"
#include "shell/radio_reading.h"
#include "shell/shell_texts.h"

#include <algorithm>

#include <QAction>
#include <QDir>
#include <QMenu>

namespace shell {

void CMainFrame::addCheckCommands(QMenu& program) {
    program.addSeparator();
    program.addAction(addAction(texts::tr(texts::kCompareWithRadio), "actionCompareWithRadio", &CMainFrame::compareWithRadio));
    program.addAction(addAction(texts::tr(texts::kCheckConfiguration), "actionCheckConfiguration", &CMainFrame::checkConfiguration));
    program.addAction(addAction(texts::tr(texts::kFleetWrite), "actionFleetWrite", &CMainFrame::fleetWrite));
}

void CMainFrame::fleetWrite() {
    m_workspace->storeAll();  // the master is what the editors show
    FleetDialog dialog(m_state, m_prompts, m_link, this);
    dialog.exec();
}

void CMainFrame::compareWithRadio() {
    m_workspace->storeAll();  // "this file" is what the editors show
    app::AppState radio;
    if (!readRadioBeside(radio, m_state, m_prompts, m_link, this)) return;
    m_state.transferPassword = radio.transferPassword;  // the radio's password is asked once
    const QString model = m_state.config.modelName;
    const QList<config::Difference> differences =
        config::compare(config::shownReport(config::buildReport({m_state.image, m_state.bandLimits, model})),
                        config::shownReport(config::buildReport({radio.image, radio.bandLimits, model})));
    CompareDialog dialog(differences, [this, &radio] { return saveRadioConfiguration(radio); }, this);
    dialog.exec();
}

QString CMainFrame::saveRadioConfiguration(const app::AppState& radio) {
    const QString path = m_prompts.askSaveFileName(
        {texts::tr(texts::kFileFilter), m_state.config.dataDir, m_state.config.defaultDataFileName});
    if (path.isEmpty()) return {};
    // The radio's bytes as read, as Read From Radio and Save would keep them; the open
    // configuration and its file name stay as they are.
    const image::FileResult result = image::writeParameterFile(path, radio.prefix, radio.image);
    if (!result.ok) {
        m_prompts.report(QStringLiteral("%1\n\n%2").arg(result.errorText, QDir::toNativeSeparators(path)),
                         app::Severity::Critical);
        return {};
    }
    return path;
}

void CMainFrame::checkConfiguration() {
    // One window, checked again when the command is chosen again.
    if (auto* open = findChild<CheckDialog*>(QStringLiteral("checkDialog"))) {
        open->refresh();
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    const auto check = [this] {
        m_workspace->storeAll();
        return m_loadCorrections + config::checkConfiguration({m_state.image, m_state.bandLimits});
    };
    const auto openSection = [this](const QString& section, const QString& field) {
        const auto kind = editorForTreeText(section);
        if (!kind) return;
        openEditor(*kind);
        if (CMyChildFrame* frame = m_workspace->frame(*kind)) frame->view()->showField(field);
    };
    auto* dialog = new CheckDialog(check, openSection, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void CMainFrame::tellLoadCorrections(const QString& loadedName) {
    m_loadCorrections = config::storeAllOnCopy(m_state.image, m_state.bandLimits, m_state.config.modelName).corrections;
    if (m_loadCorrections.isEmpty()) return;
    // A file far from its band could list hundreds: the message shows the first, the check all.
    constexpr qsizetype kShownCorrections = 20;
    QStringList lines;
    for (const app::check::Finding& correction : m_loadCorrections.first(std::min(kShownCorrections, m_loadCorrections.size())))
        lines.append(app::check::findingText(correction));
    if (m_loadCorrections.size() > kShownCorrections)
        lines.append(texts::tr(texts::kMoreCorrections).arg(m_loadCorrections.size() - kShownCorrections));
    m_prompts.report(texts::tr(texts::kLoadCorrections).arg(loadedName, lines.join(u'\n')), app::Severity::Warning);
}

} // namespace shell
