// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/two_tone_codes.h"

#include "channels/tone.h"
#include "image/frequency.h"
#include "signalling/two_tone_texts.h"

#include <algorithm>

namespace signalling::twotone {

namespace {

constexpr int kDurationFirst = 5;     // 0.5 s
constexpr int kDurationLast = 100;    // 10.0 s
constexpr int kGapStepMs = 100;
constexpr int kGapLastMs = 2000;
constexpr int kAutoResetLast = 250;   // 25.0 s
constexpr std::uint8_t kNameEnd = 0x00;
constexpr std::uint8_t kNamePad = 0x20;

std::uint8_t clampedByte(std::int64_t value) { return std::uint8_t(std::clamp<std::int64_t>(value, 0, 0xFF)); }

QStringList tenthsEntries(int first, int last) {
    QStringList entries;
    for (int tenths = first; tenths <= last; ++tenths) entries.append(image::formatScaledDecimal(tenths, 1));
    return entries;
}

// The radio's names are ASCII: only a-z change, bytes above 0x7F stay as they are.
QString upperAsciiWithoutTrailingBlanks(QString text) {
    for (QChar& c : text)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 'a' + 'A');
    while (text.endsWith(u' ')) text.chop(1);
    return text;
}

// A typed tone that became `tone`: nothing to say when it is what was typed.
app::Correction toneNote(const char* field, QStringView typed, Tone tone) {
    const QString set = toneText(tone);
    if (typed.trimmed().isEmpty()) return {texts::tr(texts::kToneEmpty).arg(QString::fromLatin1(field), set)};
    if (image::parseScaledDecimal(typed, 1) == tone) return {};
    return {texts::tr(texts::kToneOutsideRange)
                .arg(QString::fromLatin1(field), typed.trimmed().toString(), set)};
}

QString shownName(const image::RadioImage& img, Addr entryAt) {
    const QByteArray name = img.text(Addr(entryAt + entry::kName), entry::kNameLength, image::RadioImage::kTextEnd);
    return upperAsciiWithoutTrailingBlanks(QString::fromLatin1(name));
}

} // namespace

bool formatUsesTone(QStringView formatText, int tone) { return formatText.contains(QChar(u'A' + tone)); }

std::uint16_t divider(std::int64_t clock, Tone tone) {
    if (tone == 0) return 0;
    return std::uint16_t(std::min<std::int64_t>(clock / tone, 0xFFFF));
}

QString toneText(Tone tone) { return image::formatScaledDecimal(tone, 1); }

QString checkedDecodeToneText(QStringView text) {
    return channels::normaliseDecimalEntry(text, kToneMin, kToneMax, kToneMin, 0, false, {});
}

Tone decodeTone(QStringView text) { return Tone(image::parseScaledDecimal(checkedDecodeToneText(text), 1)); }

CheckedTone checkTypedDecodeTone(int tone, QStringView typed) {
    const QString checked = checkedDecodeToneText(typed);
    const Tone set = Tone(image::parseScaledDecimal(checked, 1));
    return {checked, toneNote(texts::kDecodeToneNames.at(std::size_t(tone)), typed, set)};
}

Tone listTone(QStringView text) {
    const std::int64_t tenths = image::parseScaledDecimal(text, 1);
    if (tenths <= 0) return 0;
    return Tone(std::clamp<std::int64_t>(tenths, kToneMin, kToneMax));
}

QString listToneText(QStringView text) {
    const Tone tone = listTone(text);
    return tone == 0 ? QString() : toneText(tone);
}

QStringList durationEntries() { return tenthsEntries(kDurationFirst, kDurationLast); }

QStringList gapEntries() {
    QStringList entries;
    for (int ms = 0; ms <= kGapLastMs; ms += kGapStepMs) entries.append(QString::number(ms));
    return entries;
}

QStringList autoResetEntries() { return tenthsEntries(0, kAutoResetLast); }

QString tenthsText(std::uint8_t stored) { return image::formatScaledDecimal(stored, 1); }
std::uint8_t tenthsValue(QStringView text) { return clampedByte(image::parseScaledDecimal(text, 1)); }
QString gapText(std::uint8_t stored) { return QString::number(int(stored) * kGapStepMs); }
std::uint8_t gapValue(QStringView text) { return clampedByte(image::parseScaledDecimal(text, 0) / kGapStepMs); }

EncodeRow loadEncodeRow(const image::RadioImage& img, int index) {
    const Addr at = entryAddress(index);
    const Tone tone1 = img.u16le(Addr(at + entry::kTone1));
    if (!inToneRange(tone1)) return {};
    const Tone tone2 = img.u16le(Addr(at + entry::kTone2));
    return {toneText(tone1), inToneRange(tone2) ? toneText(tone2) : QString(), shownName(img, at)};
}

void storeEncodeRow(image::RadioImage& img, int index, const EncodeRow& row) {
    const Addr at = entryAddress(index);
    const Tone tone1 = listTone(row.tone1);
    const Tone tone2 = listTone(row.tone2);
    img.setU16le(Addr(at + entry::kTone1), tone1);
    img.setU16le(Addr(at + entry::kDivider1), divider(kListClock, tone1));
    img.setU16le(Addr(at + entry::kTone2), tone2);
    img.setU16le(Addr(at + entry::kDivider2), divider(kListClock, tone2));
    const bool untouched = img.endsErased(Addr(at + entry::kName), entry::kNameLength) &&
                           shownName(img, at) == row.name.left(entry::kNameLength);
    if (!row.tone1.isEmpty() && untouched) return;
    img.fill(Addr(at + entry::kName), entry::kNameLength, kNameEnd);
    if (!row.name.isEmpty())
        img.setText(Addr(at + entry::kName), entry::kNameLength, row.name.left(entry::kNameLength).toLatin1(),
                    kNamePad);
}

ToneCellCommit commitToneCell(EncodeRow row, int column, QStringView text) {
    const Tone tone = listTone(text);
    const QString shown = tone == 0 ? QString() : toneText(tone);
    // An emptied cell empties what it stands for; only a tone set differs from what was typed.
    const std::size_t field = column == 2 ? 1 : 0;
    const app::Correction note = tone == 0 ? app::Correction{} : toneNote(texts::kListToneNames[field], text, tone);
    if (column == 2) {
        if (row.tone1.isEmpty()) {
            row.tone2.clear();
            return {row, {}};
        }
        row.tone2 = shown;
        return {row, note};
    }
    if (shown.isEmpty()) return {};
    if (row.tone1.isEmpty()) return {{shown, shown, QString()}, note};
    row.tone1 = shown;
    return {row, note};
}

EncodeRow commitNameCell(EncodeRow row, QStringView text) {
    if (row.tone1.isEmpty()) return row;
    QString name = text.toString();
    while (name.endsWith(u' ')) name.chop(1);
    row.name = name;
    return row;
}

bool entryInUse(const image::RadioImage& img, int index) {
    const std::uint8_t low = img.u8(Addr(entryAddress(index) + entry::kTone1));
    return low != 0x00 && low != 0xFF;
}

void storeOccupancy(image::RadioImage& img) {
    for (int index = 0; index < kEntries; ++index) img.setMapBit(kFreeMap, index, !entryInUse(img, index));
}

void storeCallFormatTones(image::RadioImage& img, int format) {
    const CallFormatTones tones = kCallFormatTones.at(std::size_t(format));
    const Tone first = img.u16be(decodeToneAddress(tones.first));
    const Tone second = tones.second == kNoTone ? Tone(0) : img.u16be(decodeToneAddress(tones.second));
    img.setU16le(kCallTone1, first);
    img.setU16le(kCallTone2, second);
    img.setU16le(kCallDivider1, divider(kCallClock, first));
    img.setU16le(kCallDivider2, divider(kCallClock, second));
}

void writeDefaults(image::RadioImage& img) {
    constexpr std::array<Tone, kDecodeToneCount> kTones{10000, 15000, 20000, 25000};  // A-D
    img.setU8(kCallFormat, 0);       // "A-B"
    img.setU8(kDecodeResponse, 0);   // "None"
    img.setU8(kTone1Duration, 10);   // 1.0 s
    img.setU8(kTone2Duration, 30);   // 3.0 s
    img.setU8(kLongToneDuration, 80);
    img.setU8(kGapTime, 0);
    img.setU8(kAutoResetTime, 100);  // 10.0 s
    img.setU8(kSideTone, 0);
    for (int tone = 0; tone < kDecodeToneCount; ++tone) img.setU16be(decodeToneAddress(tone), kTones[std::size_t(tone)]);
    storeCallFormatTones(img, 0);
    for (int index = 0; index < kEntries; ++index) storeEncodeRow(img, index, {});
    storeOccupancy(img);
}

} // namespace signalling::twotone
