// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Prompts answered from a script, recording every question and message in order.
// An exhausted script answers Cancel, as the command-line tool does.

#include "app/prompts.h"
#include "tests/support/scripted_answer.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace testing_support {

class ScriptedPrompts final : public app::Prompts {
public:
    std::deque<bool> retryAnswers;
    std::deque<std::optional<QString>> passwordAnswers;
    std::deque<std::optional<QString>> reviveAnswers;
    std::function<void()> onRetryAsked;  // runs while the question is open

    QStringList log;  // "message:TEXT", "retry:TEXT", "password:INITIAL", "revive:TEXT"
    QStringList messages;

    void message(const QString& text) override {
        log << QStringLiteral("message:") + text;
        messages << text;
    }
    bool askYesNo(const QString&, const QString&) override { return false; }
    bool askRetryCancel(const QString& text) override {
        log << QStringLiteral("retry:") + text;
        if (onRetryAsked) onRetryAsked();
        return take(retryAnswers, false);
    }
    std::optional<QString> askPassword(app::PasswordMode, const QString& initial) override {
        log << QStringLiteral("password:") + initial;
        return takeTextAnswer(passwordAnswers);
    }
    std::optional<QString> askReviveCode(const QString& text) override {
        log << QStringLiteral("revive:") + text;
        return takeTextAnswer(reviveAnswers);
    }
    QString askOpenFileName(const app::FileDialogRequest&) override { return {}; }
    QString askSaveFileName(const app::FileDialogRequest&) override { return {}; }

    int count(const QString& prefix) const {
        return int(std::count_if(log.begin(), log.end(), [&](const QString& s) { return s.startsWith(prefix); }));
    }

private:
    template <typename T>
    static T take(std::deque<T>& answers, T fallback) {
        if (answers.empty()) return fallback;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace testing_support
