// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole configuration a store, a reload, a save or a transfer works on: the image and
// the band limits kept beside it. At 16 KB a copy is cheap enough to keep many.

#include "image/band_limits.h"
#include "image/radio_image.h"

namespace app {

struct ConfigSnapshot {
    image::RadioImage image;
    image::BandLimits limits;
    bool operator==(const ConfigSnapshot&) const = default;
};

} // namespace app
