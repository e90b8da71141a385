// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/value_tables.h"

#include "channels/text_reading.h"

#include <QLatin1StringView>

#include <limits>

namespace channels {

namespace {

QLatin1StringView latin1(std::string_view entry) { return QLatin1StringView(entry.data(), qsizetype(entry.size())); }

} // namespace

int indexOf(std::span<const std::string_view> list, QStringView text) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (text == latin1(list[i])) return int(i);
    return -1;
}

QString entryText(std::span<const std::string_view> list, int index) {
    if (index < 0 || std::size_t(index) >= list.size()) return {};
    return QString(latin1(list[std::size_t(index)]));
}

QString channelLabel(int slot) {
    if (slot >= 1 && slot <= kOrdinarySlots) return QString::number(slot - 1);
    if (slot == kSlotPA) return QStringLiteral("PA");
    if (slot == kSlotPB) return QStringLiteral("PB");
    if (slot == kSlotVFO) return QStringLiteral("VFO");
    return {};
}

int slotFromChannelLabel(QStringView label) {
    if (const auto number = readDecimal(label)) {
        // Saturated readings stay saturated instead of wrapping past the int range.
        return number->value == std::numeric_limits<int>::max() ? number->value : number->value + 1;
    }
    if (label == u"PA") return kSlotPA;
    if (label == u"PB") return kSlotPB;
    if (label == u"VFO") return kSlotVFO;
    return 0;
}

QString dtmfCodeLabel(int index) { return QStringLiteral("M%1").arg(index + 1); }

int dtmfCodeIndex(QStringView text) {
    if (text.contains(u'M')) {
        const std::optional<int> number = matchIntegerPattern(text, u"M%d");
        if (!number) return -1;
        // "M" with a number at the int range's low end stays there instead of wrapping.
        return *number == std::numeric_limits<int>::min() ? *number : *number - 1;
    }
    const auto number = readDecimal(text);
    return number ? number->value : 0;
}

std::uint8_t dtmfSymbolValue(QStringView symbol) {
    if (symbol.isEmpty()) return kNoDtmfSymbol;
    if (symbol[0] == u'#') return 15;
    if (symbol[0] == u'*') return 14;
    const int digit = hexDigitValue(symbol[0]);
    return digit < 0 ? kNoDtmfSymbol : std::uint8_t(digit);
}

QString dtmfSymbolText(int value) {
    if (value == 14) return QStringLiteral("*");
    if (value == 15) return QStringLiteral("#");
    if (value >= 0 && value <= 13) return QString::number(value, 16).toUpper();
    return {};
}

QString dtmfPairText(std::uint8_t packed) {
    QString text = QStringLiteral("%1").arg(packed, 2, 16, QLatin1Char('0')).toUpper();
    text.replace(u'E', u'*');
    text.replace(u'F', u'#');
    return text;
}

std::uint8_t dtmfPairFromText(QStringView text) {
    QString hex = text.toString();
    hex.replace(u'*', u'E');
    hex.replace(u'#', u'F');
    qsizetype i = 0;
    while (i < hex.size() && hex[i].isSpace()) ++i;
    // Only two digits fit one byte; more would spill into the neighbouring pair.
    int value = 0;
    int digits = 0;
    for (; i < hex.size() && digits < 2; ++i, ++digits) {
        const int digit = hexDigitValue(hex[i]);
        if (digit < 0) break;
        value = value * 16 + digit;
    }
    return digits == 0 ? kNoDtmfSymbol : std::uint8_t(value);
}

QString dcsCodeText(int code) { return QStringLiteral("%1").arg(code, 3, 8, QLatin1Char('0')); }

} // namespace channels
