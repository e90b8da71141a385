// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers the transfer's questions from the command-line options, so a script never
// waits at a hidden prompt: the password comes in advance (--password) and a second
// request is answered Cancel; the revive code is given once (--revive-code); "Retry or
// Cancel" follows --on-failure within --retries; a killed or stunned state byte goes into
// a normal radio only with --keep-radio-state. Messages are kept for the summary line.

#include "app/prompts.h"

#include <QStringList>

#include <atomic>

namespace cli {

struct AnswerPolicy {
    bool retryOnFailure = false;
    int maxRetries = 3;
    QString reviveCode;  // empty: Cancel
    // Write a killed or stunned state byte into a radio that reports itself normal.
    bool keepRadioState = false;
};

class CliPrompts final : public app::Prompts {
public:
    CliPrompts(AnswerPolicy policy, const std::atomic<bool>& interrupted)
        : m_policy(std::move(policy)), m_interrupted(interrupted) {}

    void message(const QString& text) override { m_messages << text; }
    // The transfer's only Yes/No question: whether a killed or stunned state byte goes
    // into a normal radio (--keep-radio-state).
    bool askYesNo(const QString&, const QString&) override { return m_policy.keepRadioState; }
    bool askRetryCancel(const QString& text) override;
    std::optional<QString> askPassword(app::PasswordMode mode, const QString& initial) override;
    std::optional<QString> askReviveCode(const QString& text) override;
    QString askOpenFileName(const app::FileDialogRequest&) override { return {}; }
    QString askSaveFileName(const app::FileDialogRequest&) override { return {}; }

    const QStringList& messages() const { return m_messages; }
    int retriesUsed() const { return m_retriesUsed; }
    bool passwordAsked() const { return m_passwordAsked; }
    QString reviveQuestion() const { return m_reviveQuestion; }
    bool reviveCodeGiven() const { return !m_policy.reviveCode.isEmpty(); }

private:
    AnswerPolicy m_policy;
    const std::atomic<bool>& m_interrupted;
    QStringList m_messages;
    int m_retriesUsed = 0;
    bool m_passwordAsked = false;
    bool m_reviveAsked = false;
    QString m_reviveQuestion;
};

} // namespace cli
