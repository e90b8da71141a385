// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small explicit readers for the number formats the channel texts use. They read only the
// characters they need and never depend on the locale, unlike the C scanning functions.

#include <QStringView>

#include <optional>

namespace channels {

struct ReadNumber {
    int value = 0;
    qsizetype end = 0;  // index just past the last character read
};

// A decimal integer as "%d" reads it at `from`: blanks skipped, an optional sign, at least
// one digit. Values beyond the int range saturate.
std::optional<ReadNumber> readDecimal(QStringView text, qsizetype from = 0);

// Reads `text` against a pattern of literal characters followed by "%d" (e.g. "DN%d").
// Whatever follows "%d" in the pattern is not checked, as a scan that counts its
// conversions would not notice it; so "%dN" matches any text that starts with an integer.
std::optional<int> matchIntegerPattern(QStringView text, QStringView pattern);

// The leading octal digits of `text` (no blanks, no sign); 0 when there are none. Saturates.
int leadingOctal(QStringView text);

// Digits 0-9 with at most one decimal point and nothing else (no blank, no sign).
bool isPlainDecimal(QStringView text);

// Value of one hexadecimal digit, either case; -1 for anything else.
int hexDigitValue(QChar c);

} // namespace channels
