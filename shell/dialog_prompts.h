#pragma once
// The program's answers to every message and question: real message boxes and dialogs,
// captioned with the model name. Runs on the user-interface thread only; the transfer
// worker reaches it through ThreadPrompts.

#include "shell/app_config.h"
#include "shell/prompts.h"

class QWidget;

namespace shell {

class DialogPrompts : public Prompts {
public:
    // `config` gives the caption (the model name); `parent` centres the dialogs.
    DialogPrompts(const AppConfig& config, QWidget* parent = nullptr) : m_config(config), m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }

    void message(const QString& text) override;
    bool askYesNo(const QString& text, const QString& caption) override;
    bool askRetryCancel(const QString& text) override;
    std::optional<QString> askPassword(PasswordMode mode, const QString& initial) override;
    std::optional<QString> askReviveCode(const QString& text) override;
    QString askOpenFileName(const FileDialogRequest& request) override;
    QString askSaveFileName(const FileDialogRequest& request) override;

private:
    const AppConfig& m_config;
    QWidget* m_parent;
};

} // namespace shell
