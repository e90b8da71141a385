// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/char_filter_validator.h"

#include <utility>

namespace grid {

CharFilterValidator::CharFilterValidator(QString allowedChars, bool upperCase, QObject* parent)
    : QValidator(parent), m_allowed(std::move(allowedChars)), m_upperCase(upperCase)
{
}

QValidator::State CharFilterValidator::validate(QString& input, int& pos) const
{
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        QChar c = input.at(i);
        if (m_upperCase && c >= u'a' && c <= u'z')  // a-z only: the radio's bytes are ASCII
            c = QChar(c.unicode() - 'a' + 'A');
        if (!m_allowed.isEmpty() && !m_allowed.contains(c))
            continue;
        kept.append(c);
        if (i < pos)
            ++keptBeforeCursor;
    }
    input = kept;
    pos = keptBeforeCursor;
    return Acceptable;
}

} // namespace grid
