// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_prompts.h"

namespace cli {

bool CliPrompts::askRetryCancel(const QString&) {
    if (!m_policy.retryOnFailure || m_interrupted || m_retriesUsed >= m_policy.maxRetries) return false;
    ++m_retriesUsed;
    return true;
}

// The password from --password is already the transfer password; being asked means it
// did not match, and asking again would loop.
std::optional<QString> CliPrompts::askPassword(app::PasswordMode, const QString&) {
    m_passwordAsked = true;
    return std::nullopt;
}

std::optional<QString> CliPrompts::askReviveCode(const QString& text) {
    m_reviveQuestion = text;
    if (m_reviveAsked || m_policy.reviveCode.isEmpty()) return std::nullopt;
    m_reviveAsked = true;
    return m_policy.reviveCode;
}

} // namespace cli
