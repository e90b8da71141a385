// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/key_setting.h"

#include "settings/function_setup.h"

namespace settings::keys {

QString functionText(const KeySlot& slot, std::uint8_t code) {
    const std::string_view text = kFunctionTexts[code < kFunctionTexts.size() ? code : slot.defaultCode];
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString shownFunctionText(const KeySlot& slot, std::uint8_t code) {
    const QString text = functionText(slot, code);
    return functionCode(slot, text) < kChoosableFunctions ? text : QString();
}

std::uint8_t functionCode(const KeySlot& slot, QStringView text) {
    for (std::size_t code = 0; code < kFunctionTexts.size(); ++code)
        if (text == QLatin1StringView(kFunctionTexts[code].data(), qsizetype(kFunctionTexts[code].size())))
            return std::uint8_t(code);
    return slot.defaultCode;
}

bool moniAllowedOnShortPress(const image::RadioImage& img) {
    return img.get(function_setup::kSquelchKeyFunction) != function_setup::kSquelchOffMomentary;
}

std::uint8_t allowedCode(const image::RadioImage& img, const KeySlot& slot, std::uint8_t code) {
    return slot.shortPress && code == kMoni && !moniAllowedOnShortPress(img) ? kOff : code;
}

void clearShortPressMoni(image::RadioImage& img) {
    for (const KeySlot& slot : kKeySlots)
        if (slot.shortPress && img.u8(slot.at) == kMoni) img.setU8(slot.at, kOff);
}

void writeDefaults(image::RadioImage& img) {
    for (const KeySlot& slot : kKeySlots) img.setU8(slot.at, slot.defaultCode);
}

} // namespace settings::keys
