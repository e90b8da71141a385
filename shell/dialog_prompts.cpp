// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/dialog_prompts.h"

#include "app/settings_file.h"
#include "link/link_texts.h"
#include "shell/password_dialog.h"
#include "shell/shell_texts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace shell {

namespace {

// A file dialog that stays open on a name its request refuses, before it asks whether to
// replace an existing file of that name.
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* parent, const app::FileDialogRequest& request)
        : QFileDialog(parent, request.title, request.folder, request.filter), m_refuse(request.refuse) {}

    void accept() override {
        const QStringList chosen = selectedFiles();
        const QString refusal = m_refuse && !chosen.isEmpty() ? m_refuse(chosen.constFirst()) : QString();
        if (!refusal.isEmpty()) {
            QMessageBox::warning(this, windowTitle(), refusal);
            return;
        }
        QFileDialog::accept();
    }

private:
    std::function<QString(const QString&)> m_refuse;
};

} // namespace

QString DialogPrompts::startFolder(const QString& requested) const {
    QString last = m_lastFolder;
    if (last.isEmpty() && QFileInfo::exists(m_config.settingsPath))
        last = app::SettingsFile(m_config.settingsPath).read(app::kSettingsSection, app::kLastFolderKey, QString());
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : requested;
}

void DialogPrompts::rememberFolder(const QString& path) {
    m_lastFolder = QFileInfo(path).absolutePath();
    if (QFileInfo::exists(m_config.settingsPath))
        app::SettingsFile(m_config.settingsPath).write(app::kSettingsSection, app::kLastFolderKey, m_lastFolder);
}

QString DialogPrompts::runFileDialog(const app::FileDialogRequest& request, bool save) {
    app::FileDialogRequest started = request;
    started.folder = startFolder(request.folder);
    FileDialog dialog(m_parent, started);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);  // a typed name without extension gets it
    if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    rememberFolder(chosen);
    return QDir::toNativeSeparators(chosen);
}

// The link's messages come in English (the command line prints them too); the boxes show them
// in the user's language.
void DialogPrompts::message(const QString& text) {
    QMessageBox::information(m_parent, m_config.modelName, radiolink::text::shown(text));
}

void DialogPrompts::report(const QString& english, app::Severity severity) {
    const QString text = radiolink::text::shown(english);
    switch (severity) {
    case app::Severity::Information: QMessageBox::information(m_parent, m_config.modelName, text); return;
    case app::Severity::Warning: QMessageBox::warning(m_parent, m_config.modelName, text); return;
    case app::Severity::Critical: QMessageBox::critical(m_parent, m_config.modelName, text); return;
    }
}

// Every question of the program guards a step that is hard to undo (all data cleared,
// channels moved, a radio disabled), so Enter answers No.
bool DialogPrompts::askYesNo(const QString& text, const QString& caption) {
    return QMessageBox::question(m_parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

bool DialogPrompts::askOkCancel(const QString& text, const QString& caption) {
    return QMessageBox::question(m_parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool DialogPrompts::askRetryCancel(const QString& text) {
    return QMessageBox::warning(m_parent, m_config.modelName, radiolink::text::shown(text),
                                QMessageBox::Retry | QMessageBox::Cancel) ==
           QMessageBox::Retry;
}

bool DialogPrompts::askActionOrClose(const QString& text, const QString& action) {
    QMessageBox box(QMessageBox::Critical, m_config.modelName, text, QMessageBox::NoButton, m_parent);
    QPushButton* act = box.addButton(QStringLiteral("&") + action, QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Close);
    box.setDefaultButton(act);
    box.exec();
    return box.clickedButton() == act;
}

std::optional<QString> DialogPrompts::askPassword(app::PasswordMode mode, const QString& initial) {
    PasswordDialog dialog(mode, initial, m_parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.entry();
}

std::optional<QString> DialogPrompts::askReviveCode(const QString& text) {
    ReviveDialog dialog(radiolink::text::shown(text), m_parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.entry();
}

QString DialogPrompts::askOpenFileName(const app::FileDialogRequest& request) {
    return runFileDialog(request, false);
}

QString DialogPrompts::askSaveFileName(const app::FileDialogRequest& request) {
    return runFileDialog(request, true);
}

app::SaveChoice DialogPrompts::askSaveChanges(const QString& name) {
    QMessageBox box(QMessageBox::Warning, m_config.modelName, texts::tr(texts::kSaveChangesQuestion).arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Save);
    // The platform's button texts carry no mnemonics: Alt+S, Alt+D and Alt+C answer.
    box.button(QMessageBox::Save)->setText(texts::tr(texts::kSaveButton));
    box.button(QMessageBox::Discard)->setText(texts::tr(texts::kDiscardButton));
    box.button(QMessageBox::Cancel)->setText(texts::tr(texts::kCancelButton));
    const auto answer = QMessageBox::StandardButton(box.exec());
    if (answer == QMessageBox::Save) return app::SaveChoice::Save;
    if (answer == QMessageBox::Discard) return app::SaveChoice::Discard;
    return app::SaveChoice::Cancel;
}

} // namespace shell
