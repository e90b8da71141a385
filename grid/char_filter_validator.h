// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QValidator>

namespace grid {

// Filters what can be typed or pasted into a line edit: characters are upper-cased first (when
// asked), then every character outside the allowed set is dropped. Dropping instead of refusing
// keeps the rest of a paste, so "12ab" pasted into a digits-only edit gives "12".
class CharFilterValidator final : public QValidator {
    Q_OBJECT
public:
    CharFilterValidator(QString allowedChars, bool upperCase, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

private:
    QString m_allowed;   // empty: every character
    bool m_upperCase;
};

} // namespace grid
