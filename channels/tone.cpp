// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/tone.h"

#include "channels/text_reading.h"
#include "channels/value_tables.h"
#include "image/frequency.h"

#include <array>

namespace channels {

namespace {

constexpr int kDcsCodes = 512;
constexpr int kLargestDcsDigits = 777;  // the three digits as written, read in decimal
// CTCSS texts span 60.0-280.0 Hz, in tenths.
constexpr int kToneTenthsLow = 600;
constexpr int kToneTenthsHigh = 2800;

const QString kOff = QStringLiteral("Off");

// Tried in order; the first that yields a number decides.
constexpr std::array<const char16_t*, 10> kDcsPatterns{
    u"D%d", u"DN%d", u"DI%d", u"ND%d", u"ID%d", u"N%d", u"I%d", u"%dN", u"%dD", u"%dI"};

bool inToneRange(std::int64_t tenths) { return tenths >= kToneTenthsLow && tenths <= kToneTenthsHigh; }

std::optional<int> firstDcsPatternNumber(QStringView text) {
    for (const char16_t* pattern : kDcsPatterns)
        if (const std::optional<int> n = matchIntegerPattern(text, QStringView(pattern))) return n;
    return std::nullopt;
}

QStringList buildToneCellList() {
    QStringList list;
    list.reserve(1 + int(kCtcssTable.size()) + 2 * kDcsCodes);
    list.append(kOff);
    for (int i = 0; i < int(kCtcssTable.size()); ++i) list.append(ctcssToneText(i));
    for (int code = 0; code < kDcsCodes; ++code) list.append(dcsToneText(code, false));
    for (int code = 0; code < kDcsCodes; ++code) list.append(dcsToneText(code, true));
    return list;
}

} // namespace

ParsedTone parseToneText(QStringView text) {
    ParsedTone tone;
    if (text == kOff) return tone;
    if (text.contains(u'.')) {
        tone.kind = ToneKind::Ctcss;
        tone.ctcssIndex = indexOf(kCtcssTable, text);
        return tone;
    }
    if (text.contains(u'D')) {
        tone.kind = ToneKind::Dcs;
        tone.inverted = !text.contains(u'N');
        QString digits = text.toString();
        digits.remove(u'D');
        tone.dcsCode = leadingOctal(digits);
        return tone;
    }
    return tone;
}

QString ctcssToneText(int index) { return entryText(kCtcssTable, index); }

QString dcsToneText(int code, bool inverted) {
    return u'D' + dcsCodeText(code) + (inverted ? u'I' : u'N');
}

QString normaliseToneText(QStringView text) {
    if (text.isEmpty()) return {};
    const QString upper = text.toString().toUpper();
    if (upper.contains(u'.'))
        return inToneRange(image::parseScaledDecimal(upper, 1)) ? upper : kOff;
    if (const std::optional<int> n = firstDcsPatternNumber(upper)) {
        if (*n < 0 || *n > kLargestDcsDigits) return kOff;
        const QString digits = QStringLiteral("%1").arg(*n, 3, 10, QLatin1Char('0'));
        return u'D' + digits + (upper.contains(u'I') ? u'I' : u'N');
    }
    const std::int64_t tenths = image::parseScaledDecimal(upper, 1);
    return inToneRange(tenths) ? image::formatScaledDecimal(tenths, 1) : kOff;
}

const QStringList& toneCellList() {
    static const QStringList list = buildToneCellList();  // built once, never changed
    return list;
}

QString normaliseDecimalEntry(QStringView text, int low, int high, int fallback, int step, bool zeroAsText,
                              QStringView zeroText) {
    std::int64_t tenths = image::parseScaledDecimal(text, 1);
    if (step > 0) tenths -= tenths % step;
    if (text.isEmpty() || tenths < low || tenths > high) tenths = fallback;
    if (tenths == 0 && zeroAsText) return zeroText.toString();
    return image::formatScaledDecimal(tenths, 1);
}

} // namespace channels
