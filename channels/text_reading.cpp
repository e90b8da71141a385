// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/text_reading.h"

#include <algorithm>
#include <limits>

namespace channels {

namespace {

constexpr long long kIntMax = std::numeric_limits<int>::max();

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool isDecimalDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

std::optional<ReadNumber> readDecimal(QStringView text, qsizetype from) {
    qsizetype i = from;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype digitsStart = i;
    long long magnitude = 0;
    for (; i < text.size() && isDecimalDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (magnitude > kIntMax + 1) magnitude = kIntMax + 1;  // saturate, keep reading digits
    }
    if (i == digitsStart) return std::nullopt;
    const long long value = negative ? -magnitude : std::min(magnitude, kIntMax);
    return ReadNumber{int(value), i};
}

std::optional<int> matchIntegerPattern(QStringView text, QStringView pattern) {
    const qsizetype conversion = pattern.indexOf(u"%d");
    if (conversion < 0) return std::nullopt;
    const QStringView literals = pattern.first(conversion);
    if (!text.startsWith(literals)) return std::nullopt;
    const std::optional<ReadNumber> number = readDecimal(text, literals.size());
    if (!number) return std::nullopt;
    return number->value;
}

int leadingOctal(QStringView text) {
    long long value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'7') break;
        value = std::min(value * 8 + (c.unicode() - u'0'), kIntMax);
    }
    return int(value);
}

bool isPlainDecimal(QStringView text) {
    bool point = false;
    bool digit = false;
    for (const QChar c : text) {
        if (c == u'.' && !point) point = true;
        else if (isDecimalDigit(c)) digit = true;
        else return false;
    }
    return digit;
}

int hexDigitValue(QChar c) {
    if (isDecimalDigit(c)) return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    return -1;
}

} // namespace channels
