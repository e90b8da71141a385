// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/dtmf_codes.h"

#include "channels/text_reading.h"
#include "channels/value_tables.h"
#include "signalling/dtmf_texts.h"

#include <algorithm>

namespace signalling::dtmf {

namespace {

constexpr int kMaxMs = 2500;
constexpr int kMsStep = 10;
constexpr int kMaxTenths = 250;
constexpr int kPauseFrom = 5;
constexpr int kPauseTo = 75;
constexpr std::string_view kOff = "Off";
constexpr char kFill = '0';
constexpr int kOtherSideIdLength = 3;

std::uint8_t toByte(int value) { return std::uint8_t(std::clamp(value, 0, 255)); }

int leadingNumber(QStringView text) {
    const auto number = channels::readDecimal(text);
    return number ? number->value : 0;
}

QString offText() { return QString::fromLatin1(kOff.data(), qsizetype(kOff.size())); }

} // namespace

// ---- code fields -------------------------------------------------------------------------

QString unpackCode(const image::RadioImage& img, CodeField field) {
    QString symbols;
    for (std::uint8_t packed : img.bytes(field.at, field.codeBytes())) symbols += channels::dtmfPairText(packed);
    return symbols.left(img.u8(field.lengthAt()));
}

void packCode(image::RadioImage& img, CodeField field, QStringView code) {
    const QStringView kept = code.left(field.symbols);
    img.setU8(field.lengthAt(), std::uint8_t(kept.size()));
    QString padded = kept.toString();
    padded.resize(field.symbols, QLatin1Char(kFill));
    for (int k = 0; k < field.codeBytes(); ++k)
        img.setU8(Addr(field.at + k), channels::dtmfPairFromText(QStringView(padded).mid(2 * k, 2)));
}

bool encodeEntryInUse(const image::RadioImage& img, int index) { return img.u8(encodeEntry(index).lengthAt()) != 0; }

// ---- self ID ------------------------------------------------------------------------------

QString selfIdText(const image::RadioImage& img) {
    QString text;
    for (std::uint8_t digit : img.bytes(kSelfId, kSelfIdDigits))
        text += QChar(char16_t((digit + kFill) & 0xFF));  // byte arithmetic, as the radio's own
    return text;
}

void storeSelfId(image::RadioImage& img, QStringView text) {
    const QString digits = text.left(kSelfIdDigits).toString().rightJustified(kSelfIdDigits, QLatin1Char(kFill));
    for (int i = 0; i < kSelfIdDigits; ++i)
        img.setU8(Addr(kSelfId + i), std::uint8_t((digits[i].unicode() - kFill) & 0xFF));
}

QString completedSelfId(QStringView text, QStringView previous) {
    if (text.isEmpty()) return previous.toString();
    return text.toString().rightJustified(kSelfIdDigits, QLatin1Char(kFill));
}

app::Correction selfIdNote(QStringView text, QStringView previous) {
    if (!text.isEmpty() || previous.isEmpty()) return {};
    return {texts::tr(texts::kSelfIdEmpty).arg(previous.toString())};
}

// ---- number drop-downs -----------------------------------------------------------------------

QStringList millisecondEntries(int fromMs) {
    QStringList entries;
    for (int ms = fromMs; ms <= kMaxMs; ms += kMsStep) entries.append(QString::number(ms));
    return entries;
}

QStringList autoResetEntries() {
    QStringList entries;
    for (int tenths = 0; tenths <= kMaxTenths; ++tenths) entries.append(tenthsText(std::uint8_t(tenths)));
    return entries;
}

QStringList pttIdPauseEntries() {
    QStringList entries{offText()};
    for (int seconds = kPauseFrom; seconds <= kPauseTo; ++seconds) entries.append(QString::number(seconds));
    return entries;
}

QString millisecondText(std::uint8_t tensOfMs) { return QString::number(tensOfMs * kMsStep); }

QString tenthsText(std::uint8_t tenths) { return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10); }

QString pttIdPauseText(std::uint8_t seconds) { return seconds == 0 ? offText() : QString::number(seconds); }

QString symbolListText(std::uint8_t value) {
    constexpr std::uint8_t kFirstLetter = 0xA;
    return value >= kFirstLetter ? channels::dtmfSymbolText(value) : QString();
}

std::uint8_t millisecondValue(QStringView entry) { return toByte(leadingNumber(entry) / kMsStep); }

std::uint8_t tenthsValue(QStringView entry) {
    const auto whole = channels::readDecimal(entry);
    if (!whole) return 0;
    int tenths = whole->value * 10;
    const qsizetype point = whole->end;
    if (point + 1 < entry.size() && entry[point] == u'.' && entry[point + 1].isDigit())
        tenths += entry[point + 1].digitValue();
    return toByte(tenths);
}

std::uint8_t pttIdPauseValue(QStringView entry) { return entry == offText() ? 0 : toByte(leadingNumber(entry)); }

std::uint8_t symbolListValue(QStringView entry) { return channels::dtmfSymbolValue(entry); }

// ---- encode list helpers ---------------------------------------------------------------------

std::optional<QString> resuffixed(QStringView code, QStringView oldSuffix, QStringView newSuffix) {
    constexpr qsizetype kPttIdLength = 4;  // interval character and self ID
    constexpr qsizetype kAniLength = 7;    // other side ID in front of them
    const qsizetype length = code.size();
    if (length == 0 || length < oldSuffix.size() || (length != kPttIdLength && length != kAniLength)) return {};
    if (!code.endsWith(oldSuffix, Qt::CaseSensitive)) return {};
    return code.left(length - oldSuffix.size()).toString() + newSuffix.toString();
}

QString paddedOtherSideId(QStringView text) {
    return text.left(kOtherSideIdLength).toString().leftJustified(kOtherSideIdLength, QLatin1Char(kFill));
}

QString specialCallCode(SpecialCallType type, QStringView otherSideId, QStringView interval, QStringView selfId) {
    const QString suffix = interval.toString() + selfId.toString();
    return type == SpecialCallType::Ani ? paddedOtherSideId(otherSideId) + suffix : suffix;
}

} // namespace signalling::dtmf
