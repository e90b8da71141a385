// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The next text answer of a test's scripted prompts: none once the script has run out, and
// none where the script says the user cancelled. It leaves the queue as a QString, because
// GCC warns "may be used uninitialized" of a std::optional<QString> copied out of one.

#include <QString>

#include <deque>
#include <optional>

namespace testing_support {

inline std::optional<QString> takeTextAnswer(std::deque<std::optional<QString>>& answers) {
    if (answers.empty()) return std::nullopt;
    const bool given = answers.front().has_value();
    const QString answer = answers.front().value_or(QString());
    answers.pop_front();
    if (!given) return std::nullopt;
    return answer;
}

} // namespace testing_support
