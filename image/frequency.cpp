// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/frequency.h"

#include <algorithm>
#include <limits>

namespace image {

namespace {

constexpr std::int64_t kSaturation = 100'000'000'000'000'000LL;  // 10^17

struct DecimalText {
    bool found = false;
    bool negative = false;
    QStringView integerDigits;
    QStringView fractionDigits;
};

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

DecimalText scanDecimal(QStringView text) {
    DecimalText result;
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        result.negative = text[i] == u'-';
        ++i;
    }
    const qsizetype intStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    result.integerDigits = text.mid(intStart, i - intStart);
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fracStart = ++i;
        while (i < text.size() && isDigit(text[i])) ++i;
        result.fractionDigits = text.mid(fracStart, i - fracStart);
    }
    result.found = !result.integerDigits.isEmpty() || !result.fractionDigits.isEmpty();
    return result;
}

} // namespace

bool startsWithDecimalNumber(QStringView text) { return scanDecimal(text).found; }

std::int64_t parseScaledDecimal(QStringView text, int decimals) {
    const DecimalText number = scanDecimal(text);
    if (!number.found) return 0;
    std::int64_t value = 0;
    auto push = [&value](int digit) {
        value = value >= kSaturation / 10 ? kSaturation : value * 10 + digit;
    };
    for (QChar c : number.integerDigits) push(c.unicode() - u'0');
    for (int d = 0; d < decimals; ++d)
        push(d < number.fractionDigits.size() ? number.fractionDigits[d].unicode() - u'0' : 0);
    return number.negative ? -value : value;
}

QString formatScaledDecimal(std::int64_t value, int decimals) {
    std::int64_t scale = 1;
    for (int d = 0; d < decimals; ++d) scale *= 10;
    const bool negative = value < 0;
    const std::uint64_t magnitude = negative ? std::uint64_t(-(value + 1)) + 1 : std::uint64_t(value);
    QString text = QString::number(magnitude / std::uint64_t(scale));
    if (decimals > 0)
        text += u'.' + QString::number(magnitude % std::uint64_t(scale)).rightJustified(decimals, u'0');
    return negative ? u'-' + text : text;
}

Freq10Hz parseFrequencyText(QStringView text) {
    const std::int64_t value = parseScaledDecimal(text, 5);
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return Freq10Hz(std::int32_t(std::clamp(value, lo, hi)));
}

QString formatFrequency(Freq10Hz value) { return formatScaledDecimal(value.value, 5); }

Freq10Hz rasterSnap(Freq10Hz value) {
    const std::int32_t r500 = value.value % 500;
    const std::int32_t r625 = value.value % 625;
    return Freq10Hz(value.value - (r500 > r625 ? r625 : r500));
}

Freq10Hz entryRounding(Freq10Hz value) {
    if (value.value % 250 != 0 && value.value % 625 != 0) return rasterSnap(value);
    return value;
}

std::int64_t decodeBcdDigits(const std::uint8_t bytes[4]) {
    std::int64_t digits = 0;
    for (int i = 0; i < 4; ++i) digits = digits * 100 + (bytes[i] >> 4) * 10 + (bytes[i] & 0x0F);
    return digits;
}

Freq10Hz snapDroppedDigit(Freq10Hz value, std::int32_t from, std::int32_t to) {
    // A range of ten units holds at most one point of each raster, and never a 6.25 kHz
    // point that is off the 2.5 kHz raster together with a 2.5 kHz one. For a TX worked out
    // from a 6.25 kHz RX the range starts off the 10 Hz grid, so snapping down would miss it.
    if (from >= 0) {
        for (const std::int64_t raster : {625, 250}) {
            const std::int64_t firstPoint = (std::int64_t(from) + raster - 1) / raster * raster;
            if (firstPoint <= to) return Freq10Hz(std::int32_t(firstPoint));
        }
    }
    return rasterSnap(value);
}

Freq10Hz decodeBcdFrequency(const std::uint8_t bytes[4]) {
    const std::int32_t value = std::int32_t(decodeBcdDigits(bytes) * 10);
    return snapDroppedDigit(Freq10Hz(value), value, value + 9);
}

void encodeBcdFrequency(Freq10Hz value, std::uint8_t bytes[4]) {
    // Eight digits hold at most 99999999; a larger value keeps that rather than losing its
    // top digit and reading back as a small (or empty) frequency.
    constexpr std::int32_t kLargestField = 99'999'999;
    std::int32_t q = std::clamp(value.value / 10, 0, kLargestField);
    for (int i = 3; i >= 0; --i) {
        const int pair = q % 100;
        bytes[i] = std::uint8_t((pair / 10) * 16 + pair % 10);
        q /= 100;
    }
}

} // namespace image
