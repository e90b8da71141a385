// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The consistency pass runs over the whole image after each editor stores, before the
// image is saved or sent: it keeps cross-region references valid (signalling list
// entries named by channels, the MR channel), rebuilds the occupancy bitmaps and carries
// the band limits into the image. Running it twice changes nothing more.

#include "image/band_limits.h"
#include "image/radio_image.h"

namespace image {

void runConsistencyPass(RadioImage& img, const BandLimits& limits);

// Scramble frequency word range: 2600 Hz and 4000 Hz as Hz / 0.3662, rounded; 3300 Hz default.
constexpr std::uint16_t kScrambleWordMin = 7100;
constexpr std::uint16_t kScrambleWordMax = 10923;
constexpr std::uint16_t kScrambleWordDefault = 9011;

} // namespace image
