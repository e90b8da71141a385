// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The DTMF settings of a new configuration ("Default.dat"): values every drop-down shows as
// stored, so opening the DTMF editor on them and storing changes no byte.

#include "image/radio_image.h"

namespace signalling::dtmf {

// Writes only the DTMF editor's own bytes and bits.
void writeDefaults(image::RadioImage& img);

} // namespace signalling::dtmf
