// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/function_setup.h"

#include "image/consistency_pass.h"

#include <algorithm>

namespace settings::function_setup {

namespace {

constexpr int kMrPA = 200;
constexpr int kMrPB = 201;
// 0.3662 as the exact fraction 3662 / 10000.
constexpr std::int64_t kFactorNumerator = 3662;
constexpr std::int64_t kFactorDenominator = 10000;

QStringList numberList(int first, int last) {
    QStringList list;
    for (int n = first; n <= last; ++n) list.append(QString::number(n));
    return list;
}

} // namespace

QStringList squelchLevelList() { return numberList(0, 20); }

QStringList brightnessList() { return numberList(1, 32); }

QStringList timeOutTimerList() { return QStringList{QStringLiteral("Off")} + numberList(1, 30); }

// word x 0.3662 + 0.5, fraction dropped.
int scrambleHzFromWord(std::uint16_t word) {
    return int((word * kFactorNumerator + kFactorDenominator / 2) / kFactorDenominator);
}

// hz / 0.3662 + 0.5 = (2 hz 10000 + 3662) / (2 3662), fraction dropped.
std::uint16_t scrambleWordFromHz(int hz) {
    const std::int64_t word = (2 * hz * kFactorDenominator + kFactorNumerator) / (2 * kFactorNumerator);
    return std::uint16_t(std::clamp<std::int64_t>(word, 0, 0xFFFF));
}

int correctedScrambleHz(QStringView text) {
    bool ok = false;
    const int hz = text.toInt(&ok);
    return ok && hz >= kScrambleMinHz && hz <= kScrambleMaxHz ? hz : kScrambleDefaultHz;
}

CheckedScramble checkTypedScramble(QStringView typed) {
    const int hz = correctedScrambleHz(typed);
    bool ok = false;
    if (typed.trimmed().isEmpty()) return {hz, {texts::tr(texts::kScrambleEmpty).arg(hz)}};
    if (typed.toInt(&ok) == hz && ok) return {hz, {}};
    return {hz, {texts::tr(texts::kScrambleOutside).arg(typed.trimmed().toString()).arg(hz)}};
}

std::uint16_t scrambleWordToStore(std::uint16_t storedWord, int shownHz) {
    const bool inRange = storedWord >= image::kScrambleWordMin && storedWord <= image::kScrambleWordMax;
    if (inRange && scrambleHzFromWord(storedWord) == shownHz) return storedWord;
    return scrambleWordFromHz(shownHz);
}

QStringList mrChannelList(const image::RadioImage& img) {
    QStringList list;
    for (int i = 0; i <= kMrPB; ++i)
        if (!img.mapBit(image::map::kChannelUsageMap, i)) list.append(mrChannelText(std::uint8_t(i)));
    return list;
}

QString mrChannelText(std::uint8_t stored) {
    if (stored == kMrPA) return QStringLiteral("PA");
    if (stored == kMrPB) return QStringLiteral("PB");
    return QString::number(stored);
}

std::uint8_t mrChannelByte(QStringView shown) {
    if (shown.compare(u"PA", Qt::CaseInsensitive) == 0) return kMrPA;
    if (shown.compare(u"PB", Qt::CaseInsensitive) == 0) return kMrPB;
    return std::uint8_t(shown.toInt());  // the list holds 0-199 only; empty gives 0
}

QString password(const image::RadioImage& img) {
    return QString::fromLatin1(img.text(kPassword, kPasswordLength, image::RadioImage::kTextEnd));
}

void setPassword(image::RadioImage& img, const QString& digits) {
    // An erased password written back unchanged keeps its bytes.
    if (img.endsErased(kPassword, kPasswordLength) && password(img) == digits.left(kPasswordLength)) return;
    img.setText(kPassword, kPasswordLength, digits.toLatin1(), 0x00);
}

QString startingDisplay(const image::RadioImage& img) {
    return QString::fromLatin1(img.text(kStartingDisplay, kStartingDisplayLength, QByteArrayView("\xFF\0", 2)));
}

void setStartingDisplay(image::RadioImage& img, const QString& text) {
    img.setText(kStartingDisplay, kStartingDisplayLength, text.toLatin1(), 0xFF);
}

void writeDefaults(image::RadioImage& img) {
    img.fill(kPassword, kPasswordLength, 0x00);  // no password
    img.setU16le(kScrambleWord, scrambleWordFromHz(kScrambleDefaultHz));
    img.setU8(kDisplayMode, 0);      // "Frequency"
    img.setU8(kVfoMr, 0);            // "VFO": a new radio has no channels yet
    img.setU8(kMrChannel, 0);
    img.setU8(kSquelchLevel, 3);
    img.setU8(kScanResume, 0);       // "TO"
    img.setU8(kDisplayLock, 0);      // "No Lock"
    img.setU8(kBrightness, 15);      // level 16
    img.setU8(kPttReleaseBeep, 0);
    img.setU8(kBacklightColour, 0);  // "Blue"
    img.setU8(kToneBurst, 0);        // "1750"
    img.setU8(kTimeOutTimer, 3);     // 3 minutes
    img.setU8(kAutoPowerOff, 0);
    img.setU8(kVoicePrompt, 1);      // "On"
    // "Squelch Off", so the factory "MONI" on a short press stays as it is.
    img.set(kSquelchKeyFunction, 1);
    img.set(kEliminateTailWithoutTone, 0);
    img.set(kInhibitBackgroundSetup, 0);
    img.set(kInhibitInitialise, 0);
    img.setU8(kTailEliminator, 0);
    img.setU8(kTxPowerClass, 0);
    img.set(kUsePassword, 0);
    setStartingDisplay(img, QStringLiteral("WELCOME"));
}

} // namespace settings::function_setup
