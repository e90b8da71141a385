// SPDX-License-Identifier: GPL-3.0-or-later
#include "default_image.h"

#include "channels/channel_record.h"
#include "image/band_limits.h"
#include "image/consistency_pass.h"
#include "image/memory_map.h"
#include "signalling/two_tone_codes.h"
#include "signalling/dtmf_defaults.h"
#include "settings/emergency_rules.h"
#include "settings/function_key_defaults.h"
#include "settings/contact_book.h"
#include "settings/scan_rules.h"
#include "signalling/five_tone_defaults.h"

namespace defaultdat {

namespace {

void clearAllChannels(image::RadioImage& img) {
    // Bits past the last slot count as unusable, so the whole usage map starts set.
    img.fill(image::map::kChannelUsageMap, image::map::kSlotMapBytes, 0xFF);
    for (int slot = channels::kFirstSlot; slot <= channels::kLastSlot; ++slot) channels::channelClear(img, slot);
}

} // namespace

image::RadioImage defaultImage() {
    image::RadioImage img;
    clearAllChannels(img);
    img.setU16le(image::map::kScrambleFrequency, image::kScrambleWordDefault);
    signalling::twotone::writeDefaults(img);
    signalling::dtmf::writeDefaults(img);
    settings::emergency::writeDefaults(img);
    settings::writeFunctionAndKeyDefaults(img);
    settings::scan::writeScanDefaults(img);
    settings::contact::writeContactDefaults(img);
    signalling::five_tone::writeDefaults(img);
    const image::BandLimits limits;  // 136-174 MHz
    // The channel list's store marks empty slots skipped; the pass writes the band limits,
    // rebuilds the list bitmaps and points the MR channel at slot 0. So the file already
    // looks as it will after its first store.
    channels::channelValidityPass(img, limits);
    image::runConsistencyPass(img, limits);
    return img;
}

} // namespace defaultdat
