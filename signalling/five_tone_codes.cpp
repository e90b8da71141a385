// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/five_tone_codes.h"
#include "signalling/five_tone_texts.h"

#include <algorithm>
#include <tuple>

namespace signalling::five_tone {

namespace {

constexpr std::uint8_t kPlainToneLength = 70;
const QString kRepeatDigit = QStringLiteral("E");

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    return -1;
}

QChar hexDigit(int value) { return QLatin1Char("0123456789ABCDEF"[value & 0x0F]); }

bool isPrintableLatin1(std::uint8_t b) { return b >= 0x20 && b != 0x7F && !(b >= 0x80 && b < 0xA0); }

// Upper case for a-z only, so every other Latin-1 character reads back as stored.
QString upperAsciiLetters(QString text) {
    for (QChar& c : text)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
    return text;
}

QString fromView(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

int clampedLength(std::uint8_t stored, int most) { return std::min<int>(stored, most); }

// The characters a message call carries: the digits after the first eight, in pairs.
QString messageFromDigits(const QString& digits) {
    QString message;
    for (qsizetype i = 8; i + 1 < digits.size(); i += 2)
        message.append(QChar(char16_t(hexValue(digits[i]) * 16 + hexValue(digits[i + 1]))));
    return message;
}

// An encode list name as the list shows it: a-z in capitals, without trailing blanks.
QString shownEntryName(const image::RadioImage& img, Addr record) {
    const QByteArray name = img.text(Addr(record + kEntryName), kEntryNameLength, image::RadioImage::kTextEnd);
    QString shown = upperAsciiLetters(QString::fromLatin1(name));
    while (shown.endsWith(u' ')) shown.chop(1);
    return shown;
}

// Candidate special call of stored digits, by the first look the radio's software takes.
std::pair<QString, QString> classify(const QString& digits, const QString& selfId, std::uint8_t interval) {
    const qsizetype length = digits.size();
    if (digits.startsWith(QStringLiteral("E1")) && length > 7) {
        const QString plain = undoRepeatRule(digits);
        return {callKindText(CallKind::SendMessage), plain.mid(2, 5) + kMessageSeparator + messageFromDigits(plain)};
    }
    if (digits == applyRepeatRule(QStringLiteral("E6") + selfId)) return {callKindText(CallKind::PttId), QString()};
    if (length == 10 || length == 11) {
        const QString rebuilt =
            applyRepeatRule(digits.left(5) + (length == 11 ? intervalText(interval) : QString()) + selfId);
        if (digits.left(5) == rebuilt.left(5) && digits.right(5) == rebuilt.right(5))
            return {callKindText(CallKind::Ani), undoRepeatRule(digits.left(5)) + digits.mid(5, length - 10)};
    }
    return {QString(), digits};
}

} // namespace

QStringList standardNames() {
    QStringList names;
    for (const ToneStandard& standard : kToneStandards) names.append(fromView(standard.name));
    return names;
}

std::optional<int> standardIndex(const QString& name) {
    for (int i = 0; i < kStandardCount; ++i)
        if (name == fromView(kToneStandards[std::size_t(i)].name)) return i;
    return std::nullopt;
}

int defaultToneLengthMs(int standard) {
    if (standard < 0 || standard >= kStandardCount) return kPlainToneLength;
    return kToneStandards[std::size_t(standard)].lengthMs;
}

QString standardTableText(int standard) {
    if (standard < 0 || standard >= kStandardCount) return {};
    const ToneStandard& entry = kToneStandards[std::size_t(standard)];
    QString text = fromView(entry.name) + QStringLiteral("\r\r\nTone Freq(Hz)\r\n");
    for (int digit = 0; digit < 16; ++digit)
        text += hexDigit(digit) + QStringLiteral(" ") + fromView(entry.frequencies[std::size_t(digit)]) +
                QStringLiteral("\r\n");
    text += QStringLiteral("Length(ms) %1\r\n").arg(entry.lengthMs);
    text += QStringLiteral("Group Tone A\r\nRepeat Tone E\r\n");
    return text;
}

// ---- digits --------------------------------------------------------------------------

QString applyRepeatRule(QString code) {
    for (qsizetype i = 0; i + 1 < code.size(); ++i)
        if (code[i] != u'E' && code[i + 1] == code[i]) code[i + 1] = u'E';
    return code;
}

QString undoRepeatRule(QString code) {
    for (qsizetype i = 1; i < code.size(); ++i)
        if (code[i] == u'E') code[i] = code[i - 1];
    return code;
}

QString messageDigits(const QString& message) {
    QString digits;
    for (QChar c : message) digits += QString::number(c.unicode() & 0xFF, 16).toUpper();
    return digits;
}

QString readPackedDigits(const image::RadioImage& img, Addr at, int byteCount, int length) {
    QString digits;
    for (const std::uint8_t b : img.bytes(at, byteCount)) {
        digits.append(hexDigit(b >> 4));
        digits.append(hexDigit(b));
    }
    return digits.left(length);
}

void writePackedDigits(image::RadioImage& img, Addr at, int byteCount, const QString& digits) {
    for (int i = 0; i < byteCount && 2 * i < digits.size(); ++i) {
        const Addr byteAt = Addr(at + i);
        const int high = std::max(hexValue(digits[2 * i]), 0);
        const bool hasLow = 2 * i + 1 < digits.size();
        const int low = hasLow ? std::max(hexValue(digits[2 * i + 1]), 0) : (img.u8(byteAt) & 0x0F);
        img.setU8(byteAt, std::uint8_t(high << 4 | low));
    }
}

// ---- general settings ----------------------------------------------------------------

QStringList numberList(int first, int last, int step) {
    QStringList list;
    for (int value = first; value <= last; value += step) list.append(QString::number(value));
    return list;
}

QStringList tenthsList(int maxTenths) {
    QStringList list;
    for (int tenths = 0; tenths <= maxTenths; ++tenths) list.append(tenthsText(tenths));
    return list;
}

QStringList toneLengthEntries() { return numberList(30, 100, 10); }

QStringList delayEntries() { return numberList(10, 2550, 10); }

QStringList stopTimeEntries() { return numberList(0, 2550, 10); }

QStringList decodeTimeEntries() { return numberList(0, 2000, 10); }

QStringList autoResetEntries() { return tenthsList(250); }

QStringList informationResponseEntries(int functionOption) {
    constexpr int kCallAll = 1;
    QStringList responses;
    for (std::string_view entry : kDecodingResponseList) responses.append(QString::fromLatin1(entry.data(), qsizetype(entry.size())));
    if (functionOption == kCallAll) responses.removeLast();
    return responses;
}

bool hasFunctionName(int functionOption) {
    constexpr int kSquelchOff = 0;
    constexpr int kGroupCall = 6;
    return functionOption != kSquelchOff && functionOption != kGroupCall;
}

QStringList pttIdPauseEntries() { return QStringList{QString::fromLatin1(texts::kOff)} + numberList(5, 75, 1); }

QString tenthsText(int tenths) { return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10); }

std::optional<int> parseTenths(const QString& text) {
    const qsizetype point = text.indexOf(u'.');
    const QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);
    bool wholeOk = false;
    const int units = whole.toInt(&wholeOk);
    if (!wholeOk || units < 0 || fraction.size() > 1) return std::nullopt;
    const int tenth = fraction.isEmpty() ? 0 : hexValue(fraction[0]);
    if (tenth < 0 || tenth > 9) return std::nullopt;
    return units * 10 + tenth;
}

QString msText(std::uint8_t tensOfMs) { return QString::number(tensOfMs * 10); }

std::uint8_t msValue(QStringView entry) { return std::uint8_t(entry.toInt() / 10); }

QString pttIdPauseText(std::uint8_t seconds) {
    return seconds == 0 ? QString::fromLatin1(texts::kOff) : QString::number(seconds);
}

std::uint8_t pttIdPauseValue(QStringView entry) { return std::uint8_t(entry.toInt()); }  // "Off" gives 0

std::uint8_t autoResetValue(const QString& entry) { return std::uint8_t(parseTenths(entry).value_or(0)); }

QString readSelfId(const image::RadioImage& img) {
    QString digits;
    for (const std::uint8_t b : img.bytes(kSelfId, kSelfIdDigits)) {
        if (b >= 16) break;
        digits.append(hexDigit(b));
    }
    return completeSelfId(digits);
}

void writeSelfId(image::RadioImage& img, const QString& selfId) {
    const QString digits = completeSelfId(selfId);
    for (int i = 0; i < kSelfIdDigits; ++i) img.setU8(Addr(kSelfId + i), std::uint8_t(std::max(hexValue(digits[i]), 0)));
    img.setU8(kSelfIdLength, kSelfIdDigits);
}

QString completeSelfId(const QString& selfId) { return selfId.rightJustified(kSelfIdDigits, u'0'); }

QString stopCodeText(std::uint8_t stored) {
    return stored == kStopCodeOff ? fromView(kStopCodeList[0]) : QString::number(stored, 16).toUpper();
}

std::uint8_t stopCodeByte(const QString& text) {
    const int value = text.size() == 1 ? hexValue(text[0]) : -1;
    return value < 0 ? kStopCodeOff : std::uint8_t(value);
}

// ---- information codes ---------------------------------------------------------------

QString readInformationId(const image::RadioImage& img, int number) {
    const Addr record = informationAddress(number);
    const int length = clampedLength(img.u8(Addr(record + kInfoIdLength)), kInfoIdDigits);
    QString id;
    for (const std::uint8_t b : img.bytes(Addr(record + kInfoId), length)) {
        if (b >= 16) break;
        id.append(hexDigit(b));
    }
    return id;
}

void writeInformationId(image::RadioImage& img, int number, const QString& id) {
    const Addr record = informationAddress(number);
    const int length = std::min<int>(int(id.size()), kInfoIdDigits);
    img.setU8(Addr(record + kInfoIdLength), std::uint8_t(length));
    img.fill(Addr(record + kInfoId), kInfoIdDigits, 0);
    for (int i = 0; i < length; ++i) {
        const int value = hexValue(id[i]);
        img.setU8(Addr(record + kInfoId + i), value < 0 ? 0xFF : std::uint8_t(value));
    }
}

QString readFunctionName(const image::RadioImage& img, int number) {
    QString name;
    for (const std::uint8_t b : img.bytes(Addr(informationAddress(number) + kInfoFunctionName), kInfoFunctionNameLength)) {
        if (!isPrintableLatin1(b) || b == 0xFF) break;  // erased memory reads as the end
        name.append(QChar(char16_t(b)));
    }
    return name;
}

void writeFunctionName(image::RadioImage& img, int number, const QString& name) {
    const Addr at = Addr(informationAddress(number) + kInfoFunctionName);
    const bool asStored = readFunctionName(img, number) == name.left(kInfoFunctionNameLength);
    if (asStored && img.endsErased(at, kInfoFunctionNameLength)) return;
    img.setText(at, kInfoFunctionNameLength, name.left(kInfoFunctionNameLength).toLatin1(), 0);
}

// ---- BOT and EOT ---------------------------------------------------------------------

QString readPttIdCode(const image::RadioImage& img, Addr record) {
    const int length = clampedLength(img.u8(Addr(record + kCodeLength)), kPttIdCodeDigits);
    return readPackedDigits(img, Addr(record + kCodeDigits), kPttIdCodeDigits / 2, length);
}

void writePttIdCode(image::RadioImage& img, Addr record, const QString& code) {
    const QString digits = code.left(kPttIdCodeDigits);
    img.setU8(Addr(record + kCodeLength), std::uint8_t(digits.size()));
    writePackedDigits(img, Addr(record + kCodeDigits), kPttIdCodeDigits / 2, digits.leftJustified(kPttIdCodeDigits, u'0'));
}

void clampCodeLength(image::RadioImage& img, Addr record, int digits) {
    const Addr length = Addr(record + kCodeLength);
    img.setU8(length, std::uint8_t(clampedLength(img.u8(length), digits)));
}

// ---- special calls -------------------------------------------------------------------

CallKind callKindFromText(const QString& text) {
    for (std::size_t i = 0; i < kCallKindList.size(); ++i)
        if (text == fromView(kCallKindList[i])) return CallKind(i + 1);
    return CallKind::None;
}

QString callKindText(CallKind kind) {
    return kind == CallKind::None ? QString() : fromView(kCallKindList[std::size_t(kind) - 1]);
}

QString padOtherSideId(const QString& id) { return id.left(5).leftJustified(5, u'0'); }

QString intervalText(std::uint8_t stored) {
    return stored >= 0x0A && stored <= 0x0F ? QString(hexDigit(stored)) : QString();
}

std::uint8_t intervalByte(const QString& entry) {
    const int value = entry.size() == 1 ? hexValue(entry[0]) : -1;
    return value >= 0x0A ? std::uint8_t(value) : kNoInterval;
}

QString composePttIdCall(const SpecialCall& call, const QString& selfId) {
    switch (call.kind) {
    case CallKind::SendMessage:
        return applyRepeatRule(QStringLiteral("E1") + call.otherSideId + kRepeatDigit) + messageDigits(call.message);
    case CallKind::Ani: return applyRepeatRule(call.otherSideId + intervalText(call.interval) + selfId);
    case CallKind::PttId: return applyRepeatRule(QStringLiteral("E6") + selfId);
    case CallKind::None: break;
    }
    return {};
}

// ---- encode list ---------------------------------------------------------------------

QString composeEntryCode(const QString& kind, const QString& id, const QString& selfId) {
    switch (callKindFromText(kind)) {
    case CallKind::PttId: return QStringLiteral("E6") + selfId;
    case CallKind::Ani: return id + selfId;
    case CallKind::SendMessage:
        return QStringLiteral("E1") + id.left(5) + kRepeatDigit + messageDigits(id.mid(id.lastIndexOf(u':') + 1));
    case CallKind::None: break;
    }
    return id;
}

std::pair<QString, QString> recogniseCall(const QString& digits, const QString& selfId, std::uint8_t interval) {
    auto [kind, id] = classify(digits, selfId, interval);
    if (!kind.isEmpty() && applyRepeatRule(composeEntryCode(kind, id, selfId)) != digits) return {QString(), digits};
    return {kind, id};
}

EncodeEntryCells loadEncodeEntry(const image::RadioImage& img, int entry, const QString& selfId,
                                 std::uint8_t interval) {
    const Addr record = encodeEntryAddress(entry);
    const int length = clampedLength(img.u8(Addr(record + kCodeLength)), kEntryCodeDigits);
    if (length == 0) return {};
    EncodeEntryCells cells;
    const QString digits = readPackedDigits(img, Addr(record + kCodeDigits), kEntryCodeDigits / 2, length);
    std::tie(cells.kind, cells.id) = recogniseCall(digits, selfId, interval);
    const int standard = img.u8(Addr(record + kCodeStandard));
    if (standard < kStandardCount) cells.standard = fromView(kToneStandards[std::size_t(standard)].name);
    cells.toneLength = QString::number(img.u8(Addr(record + kCodeToneLength)) * 10);
    cells.name = shownEntryName(img, record);
    return cells;
}

void storeEncodeEntry(image::RadioImage& img, int entry, const EncodeEntryCells& cells, const QString& selfId) {
    const Addr record = encodeEntryAddress(entry);
    if (!cells.inUse()) {
        img.setU8(Addr(record + kCodeLength), 0);
        return;
    }
    QString code = composeEntryCode(cells.kind, cells.id, selfId).left(kEntryCodeDigits);
    img.setU8(Addr(record + kCodeLength), std::uint8_t(code.size()));
    if (code.size() % 2 != 0) code += kRepeatDigit;
    writePackedDigits(img, Addr(record + kCodeDigits), kEntryCodeDigits / 2, applyRepeatRule(code));

    if (const auto standard = standardIndex(cells.standard)) img.setU8(Addr(record + kCodeStandard), std::uint8_t(*standard));
    bool isNumber = false;
    const int toneLengthMs = cells.toneLength.toInt(&isNumber);
    if (isNumber && toneLengthMs >= 0 && toneLengthMs / 10 <= 0xFF)
        img.setU8(Addr(record + kCodeToneLength), std::uint8_t(toneLengthMs / 10));

    const Addr name = Addr(record + kEntryName);
    if (img.endsErased(name, kEntryNameLength) && shownEntryName(img, record) == cells.name.left(kEntryNameLength))
        return;
    img.fill(name, kEntryNameLength, 0);
    if (!cells.name.isEmpty()) img.setText(name, kEntryNameLength, cells.name.left(kEntryNameLength).toLatin1(), ' ');
}

bool callDependsOnSelfId(const QString& kind) {
    const CallKind call = callKindFromText(kind);
    return call == CallKind::PttId || call == CallKind::Ani;
}

bool storeListedEntry(image::RadioImage& img, int entry, const EncodeEntryCells& cells, const EncodeEntryCells& inImage,
                      const QString& selfId, const QString& inImageSelfId) {
    const bool unchanged = cells == inImage && (!callDependsOnSelfId(cells.kind) || selfId == inImageSelfId);
    if (unchanged) {
        clampCodeLength(img, encodeEntryAddress(entry), kEntryCodeDigits);
        return false;
    }
    storeEncodeEntry(img, entry, cells, selfId);
    return true;
}

void storeEncodeOccupancy(image::RadioImage& img) {
    for (int entry = 0; entry < kEncodeEntries; ++entry)
        img.setMapBit(kEncodeFreeMap, entry, img.u8(Addr(encodeEntryAddress(entry) + kCodeLength)) == 0);
}

EncodeEntryCells specialCallCells(const SpecialCall& call, const QString& name) {
    EncodeEntryCells cells;
    cells.kind = callKindText(call.kind);
    if (call.kind == CallKind::SendMessage) cells.id = call.otherSideId + kMessageSeparator + call.message;
    if (call.kind == CallKind::Ani) cells.id = call.otherSideId + intervalText(call.interval);
    cells.standard = fromView(kToneStandards[0].name);
    cells.toneLength = QString::number(defaultToneLengthMs(0));
    cells.name = name;
    return cells;
}

bool encodeEntryInUse(const image::RadioImage& img, int entry) {
    return img.u8(Addr(encodeEntryAddress(entry) + kCodeLength)) != 0;
}

QStringList encodeEntriesInUse(const image::RadioImage& img) {
    QStringList entries;
    for (int entry = 0; entry < kEncodeEntries; ++entry)
        if (img.u8(Addr(encodeEntryAddress(entry) + kCodeLength)) != 0) entries.append(QString::number(entry));
    return entries;
}

} // namespace signalling::five_tone
