// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets the transfer worker ask its questions while the user-interface thread owns every
// window: each call is handed to the user-interface thread, which answers it with the
// program's Prompts, and the worker waits for that answer. Called on the user-interface
// thread itself it answers directly.

#include "app/prompts.h"

#include <QObject>

namespace shell {

class ThreadPrompts : public app::Prompts {
public:
    // Create on the user-interface thread: the answers are given on the thread that
    // created the adapter.
    explicit ThreadPrompts(app::Prompts& target);

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

private:
    template <typename Call>
    auto onUiThread(Call call) -> decltype(call());

    app::Prompts& m_target;
    QObject m_uiContext;  // lives on the user-interface thread; queued calls run there
};

} // namespace shell
