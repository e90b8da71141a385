// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/thread_prompts.h"

#include <QThread>

namespace shell {

ThreadPrompts::ThreadPrompts(app::Prompts& target) : m_target(target) {}

template <typename Call>
auto ThreadPrompts::onUiThread(Call call) -> decltype(call()) {
    using Result = decltype(call());
    // A blocking queued call from the thread that would answer it would wait for ever.
    if (QThread::currentThread() == m_uiContext.thread()) return call();
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(&m_uiContext, call, Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(&m_uiContext, call, Qt::BlockingQueuedConnection, &result);
        return result;
    }
}

void ThreadPrompts::message(const QString& text) {
    onUiThread([&] { m_target.message(text); });
}

void ThreadPrompts::report(const QString& text, app::Severity severity) {
    onUiThread([&] { m_target.report(text, severity); });
}

bool ThreadPrompts::askYesNo(const QString& text, const QString& caption) {
    return onUiThread([&] { return m_target.askYesNo(text, caption); });
}

bool ThreadPrompts::askOkCancel(const QString& text, const QString& caption) {
    return onUiThread([&] { return m_target.askOkCancel(text, caption); });
}

bool ThreadPrompts::askRetryCancel(const QString& text) {
    return onUiThread([&] { return m_target.askRetryCancel(text); });
}

bool ThreadPrompts::askActionOrClose(const QString& text, const QString& action) {
    return onUiThread([&] { return m_target.askActionOrClose(text, action); });
}

std::optional<QString> ThreadPrompts::askPassword(app::PasswordMode mode, const QString& initial) {
    return onUiThread([&] { return m_target.askPassword(mode, initial); });
}

std::optional<QString> ThreadPrompts::askReviveCode(const QString& text) {
    return onUiThread([&] { return m_target.askReviveCode(text); });
}

QString ThreadPrompts::askOpenFileName(const app::FileDialogRequest& request) {
    return onUiThread([&] { return m_target.askOpenFileName(request); });
}

QString ThreadPrompts::askSaveFileName(const app::FileDialogRequest& request) {
    return onUiThread([&] { return m_target.askSaveFileName(request); });
}

} // namespace shell
