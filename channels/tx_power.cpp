// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/tx_power.h"

#include "channels/text_reading.h"
#include "image/frequency.h"
#include "image/memory_map.h"

namespace channels::power {

namespace {

constexpr std::uint8_t kTwentyFiveWattClass = 1;
constexpr image::Freq10Hz kUhfStart = image::Freq10Hz::fromMHz(300);
constexpr std::int64_t kMostMilliwatts = 1'000'000'000;  // squares stay far inside 64 bits

constexpr NominalLevels kVhfSixtyWatt{60'000, 25'000, 5'000};
constexpr NominalLevels kUhfFortyFiveWatt{45'000, 15'000, 5'000};
constexpr NominalLevels kTwentyFiveWatt{25'000, 10'000, 5'000};

} // namespace

NominalLevels nominalLevels(const image::RadioImage& img, const image::BandLimits& limits) {
    if (img.u8(image::map::kTxPowerClass) == kTwentyFiveWattClass) return kTwentyFiveWatt;
    return limits.txLow < kUhfStart ? kVhfSixtyWatt : kUhfFortyFiveWatt;
}

std::optional<std::int64_t> readWattFigure(QStringView text) {
    QString compact = text.toString().toLower();
    compact.remove(u' ');
    int decimals = 0;
    if (compact.endsWith(u"mw")) compact.chop(2);
    else if (compact.endsWith(u'w')) {
        compact.chop(1);
        decimals = 3;
    } else {
        return std::nullopt;
    }
    if (!isPlainDecimal(compact)) return std::nullopt;
    return std::min(image::parseScaledDecimal(compact, decimals), kMostMilliwatts);
}

int nearestLevel(const NominalLevels& levels, std::int64_t milliwatts) {
    int level = 0;
    while (level + 1 < int(levels.size())
           && milliwatts * milliwatts < levels[std::size_t(level)] * levels[std::size_t(level) + 1])
        ++level;
    return level;
}

QString wattDigits(std::int64_t milliwatts) {
    QString text = image::formatScaledDecimal(milliwatts, 3);
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text;
}

QString wattText(std::int64_t milliwatts) { return wattDigits(milliwatts) + u'W'; }

} // namespace channels::power
