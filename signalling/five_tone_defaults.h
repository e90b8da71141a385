// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 5Tone values of a new configuration ("Default.dat"): every one loads into the 5Tone
// editor as it is, so the first store changes nothing.

#include "image/radio_image.h"

namespace signalling::five_tone {

void writeDefaults(image::RadioImage& img);

} // namespace signalling::five_tone
