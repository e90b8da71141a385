// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Factory values of the general settings and the programmable keys for "Default.dat". They
// go together: the factory "MONI" on a short press needs the squelch key that allows it.

#include "settings/function_setup.h"
#include "settings/key_setting.h"

namespace settings {

inline void writeFunctionAndKeyDefaults(image::RadioImage& img) {
    function_setup::writeDefaults(img);
    keys::writeDefaults(img);
}

} // namespace settings
