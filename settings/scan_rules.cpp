// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/scan_rules.h"

#include "channels/channel_record.h"
#include "channels/value_tables.h"
#include "settings/scan_fields.h"
#include "settings/scan_texts.h"

#include <array>

namespace settings::scan {

namespace {

constexpr std::array<std::uint8_t, 4> kRevertCodesOff{0, 1, 4, 5};
constexpr std::array<std::uint8_t, 6> kRevertCodes1{0, 1, 2, 4, 5, 6};
constexpr std::array<std::uint8_t, 6> kRevertCodes2{0, 1, 3, 4, 5, 7};
constexpr std::array<std::uint8_t, 8> kRevertCodesAll{0, 1, 2, 3, 4, 5, 6, 7};

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
unsigned digitValue(QChar c) { return unsigned(c.unicode() - u'0'); }

QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

} // namespace

QString tenthsText(unsigned tenths) {
    return QString::number(tenths / 10) + u'.' + QString::number(tenths % 10);
}

QStringList tenthsList(int first, int last) {
    QStringList entries;
    for (int tenths = first; tenths <= last; ++tenths) entries.append(tenthsText(unsigned(tenths)));
    return entries;
}

std::uint8_t tenthsFromText(QStringView text) {
    // Only the low byte is kept, so the running value may wrap at 16 bits without harm.
    unsigned tenths = 0;
    qsizetype i = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) tenths = (tenths * 10 + digitValue(text[i])) & 0xFFFF;
    tenths *= 10;
    if (i + 1 < text.size() && text[i] == u'.' && isDigit(text[i + 1])) tenths += digitValue(text[i + 1]);
    return std::uint8_t(tenths);
}

std::span<const std::uint8_t> revertCodes(int priorityMode) {
    switch (priorityMode) {
    case kPriorityOff: return kRevertCodesOff;
    case kPriority1: return kRevertCodes1;
    case kPriority2: return kRevertCodes2;
    default: return kRevertCodesAll;
    }
}

QStringList revertEntries(int priorityMode) {
    QStringList entries;
    for (std::uint8_t code : revertCodes(priorityMode)) entries.append(revertText(code));
    return entries;
}

QString revertText(std::uint8_t code) {
    return code < texts::kRevertList.size() ? latin1(texts::kRevertList[code]) : QString();
}

std::uint8_t revertCodeFromText(QStringView text) {
    const int code = channels::indexOf(texts::kRevertList, text);
    return code < 0 ? 0 : std::uint8_t(code);
}

QStringList priorityChannelEntries(const image::RadioImage& img) {
    QStringList entries;
    for (int slot = channels::kFirstSlot; slot < channels::kFirstSlot + channels::kOrdinarySlots; ++slot)
        if (!channels::usageBit(img, slot)) entries.append(channels::channelLabel(slot));
    return entries;
}

std::uint8_t priorityChannelFromText(QStringView text) {
    unsigned value = 0;
    for (qsizetype i = 0; i < text.size() && isDigit(text[i]); ++i) value = (value * 10 + digitValue(text[i])) & 0xFFFF;
    return std::uint8_t(value);
}

ScanEnables scanEnables(int scanMode, int priorityMode) {
    const bool on = scanMode == kScanOn;
    return {on, on && (priorityMode == kPriority1 || priorityMode == kPriorityBoth),
            on && (priorityMode == kPriority2 || priorityMode == kPriorityBoth)};
}

void writeScanDefaults(image::RadioImage& img) {
    img.setU8(kMode, kScanOn);
    img.setU8(kPriorityMode, kPriorityOff);
    img.setU8(kRevertChannel, 0);
    img.setU8(kLookBackA, 10);
    img.setU8(kLookBackB, 20);
    img.setU8(kDropoutDelay, 20);
    img.setU8(kDwell, 20);
    img.setU8(kEnterTone, 1);
    // No channel is in use in the delivered file, so both priority lists are empty and store 0.
    img.setU8(kPriorityChannel1, 0);
    img.setU8(kPriorityChannel2, 0);
}

} // namespace settings::scan
