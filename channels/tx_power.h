// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Transmit power as a figure in watts. A channel stores one of the power list's levels
// ("High", "Middle", "Low"); what each level gives depends on the model's band and on the
// transmit power class of the general settings. High is the class's nominal power (60 W on
// VHF or 45 W on UHF, or 25 W); Middle and Low are this program's nominal figures, so that
// channel lists that give power in watts can be read and written. Milliwatts throughout.

#include "image/band_limits.h"
#include "image/radio_image.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

namespace channels::power {

// Nominal milliwatts of "High", "Middle" and "Low", in that (descending) order.
using NominalLevels = std::array<std::int64_t, 3>;

// The levels of the power class the image holds (any value but 1 is the 60 W / 45 W class)
// on the band the transmit limits lie in (below 300 MHz is VHF).
NominalLevels nominalLevels(const image::RadioImage& img, const image::BandLimits& limits);

// A watt figure: a decimal number and "W" or "mW", blanks allowed, any letter case
// ("5.0W", "50 w", "500mW"). Figures beyond 1 MW read as 1 MW.
std::optional<std::int64_t> readWattFigure(QStringView text);

// The level whose nominal power lies nearest on a logarithmic scale (a level is nearer
// than the next lower one when milliwatts squared reach the product of both).
int nearestLevel(const NominalLevels& levels, std::int64_t milliwatts);

// "60", "0.5": watts, whole ones without decimals, otherwise as many as needed.
QString wattDigits(std::int64_t milliwatts);
// "60W", "0.5W", as channel lists write power.
QString wattText(std::int64_t milliwatts);

} // namespace channels::power
