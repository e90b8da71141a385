// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Frequencies and scaled decimals. A working frequency is an integer in 10 Hz units;
// text is parsed and printed on its decimal digits, never through binary floating
// point, so 446.00625 is exactly 44600625.

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>

namespace image {

struct Freq10Hz {
    std::int32_t value = 0;

    constexpr Freq10Hz() = default;
    constexpr explicit Freq10Hz(std::int32_t v) : value(v) {}
    constexpr auto operator<=>(const Freq10Hz&) const = default;
    constexpr Freq10Hz operator+(Freq10Hz other) const { return Freq10Hz(value + other.value); }
    constexpr Freq10Hz operator-(Freq10Hz other) const { return Freq10Hz(value - other.value); }

    static constexpr Freq10Hz fromMHz(std::int32_t mhz) { return Freq10Hz(mhz * 100000); }
    constexpr std::int32_t wholeMHz() const { return value / 100000; }
};

// Reads the longest leading decimal number of `text` (leading blanks, a sign, digits,
// one ".", digits; the rest is ignored; no number gives 0) and returns it multiplied by
// 10^decimals, truncated toward zero. Values beyond ±10^17 saturate.
std::int64_t parseScaledDecimal(QStringView text, int decimals);

// True when `text` starts (after blanks) with a decimal number as parseScaledDecimal reads it.
bool startsWithDecimalNumber(QStringView text);

// Prints value / 10^decimals with exactly `decimals` digits after the point ("%.Nf").
QString formatScaledDecimal(std::int64_t value, int decimals);

// Frequency text in MHz -> working value (x 100000, truncated; saturates to the int32 range).
Freq10Hz parseFrequencyText(QStringView text);
// Working value -> "%3.5f" MHz text ("446.01250").
QString formatFrequency(Freq10Hz value);

// Subtracts the remainder of the nearer raster below: 6.25 kHz when its remainder is
// smaller, otherwise 5 kHz (a tie takes the 5 kHz raster).
Freq10Hz rasterSnap(Freq10Hz value);
// A typed frequency keeps its value on the 2.5 kHz or 6.25 kHz raster; otherwise it snaps.
Freq10Hz entryRounding(Freq10Hz value);

// The 8 BCD digits of a frequency field (most significant byte first) as a number in 100 Hz
// units; each byte counts as high nibble x 10 + low nibble, nibbles above 9 unchecked.
std::int64_t decodeBcdDigits(const std::uint8_t bytes[4]);
// Reading a frequency back. A field keeps 100 Hz units, so a channel on the 6.25 kHz raster
// such as 446.00625 is stored as 446.0062. The point of the 6.25 kHz raster, or else of the
// 2.5 kHz raster, that lies in [from, to] (the range the dropped 10 Hz digit leaves open) is
// the frequency, so everything entry rounding lets a user type reads back as typed; other
// values take the raster snap of `value`. Snapping alone would read 446.00625 back as
// 446.00500 and 146.0025 as 146.00000, and the next store would move the channel there.
Freq10Hz snapDroppedDigit(Freq10Hz value, std::int32_t from, std::int32_t to);
// Decoded field as a working value: digits x 10, then snapDroppedDigit over the 10 Hz digit.
Freq10Hz decodeBcdFrequency(const std::uint8_t bytes[4]);
// Working value -> field bytes (value / 10 in packed BCD; negative values encode as 0,
// values beyond eight digits as 99999999).
void encodeBcdFrequency(Freq10Hz value, std::uint8_t bytes[4]);

} // namespace image
