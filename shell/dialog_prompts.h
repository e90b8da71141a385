// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's answers to every message and question: real message boxes and dialogs,
// captioned with the model name. Runs on the user-interface thread only; the transfer
// worker reaches it through ThreadPrompts.

#include "app/app_config.h"
#include "app/prompts.h"

class QWidget;

namespace shell {

class DialogPrompts : public app::Prompts {
public:
    // `config` gives the caption (the model name); `parent` centres the dialogs.
    DialogPrompts(const app::AppConfig& config, QWidget* parent = nullptr) : m_config(config), m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }

    void message(const QString& text) override;
    void report(const QString& text, app::Severity severity) override;
    bool askYesNo(const QString& text, const QString& caption) override;
    bool askOkCancel(const QString& text, const QString& caption) override;
    bool askRetryCancel(const QString& text) override;
    bool askActionOrClose(const QString& text, const QString& action) override;
    std::optional<QString> askPassword(app::PasswordMode mode, const QString& initial) override;
    std::optional<QString> askReviveCode(const QString& text) override;
    QString askOpenFileName(const app::FileDialogRequest& request) override;
    QString askSaveFileName(const app::FileDialogRequest& request) override;
    app::SaveChoice askSaveChanges(const QString& name) override;

private:
    // File dialogs open in the folder the user last chose a file in (kept in "Program.ini"),
    // else in the one the request names.
    QString startFolder(const QString& requested) const;
    void rememberFolder(const QString& path);
    QString runFileDialog(const app::FileDialogRequest& request, bool save);

    const app::AppConfig& m_config;
    QWidget* m_parent;
    QString m_lastFolder;
};

} // namespace shell
