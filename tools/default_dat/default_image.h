// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The configuration delivered beside the program as "Default.dat": what New and the first
// start show. Every channel slot is empty, the band limits are 136-174 MHz, and each
// region whose editor exists holds its factory values; the rest stays zero.

#include "image/radio_image.h"

namespace defaultdat {

image::RadioImage defaultImage();

} // namespace defaultdat
