// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/emergency_ids.h"

#include "channels/value_tables.h"
#include "settings/emergency_fields.h"
#include "signalling/dtmf_codes.h"
#include "signalling/five_tone_codes.h"

namespace settings::emergency {

QStringList dtmfIdsInUse(const image::RadioImage& img) {
    QStringList ids;
    for (int index = 0; index < signalling::dtmf::kEncodeEntries; ++index)
        if (signalling::dtmf::encodeEntryInUse(img, index)) ids.append(channels::dtmfCodeLabel(index));
    return ids;
}

QStringList fiveToneIdsInUse(const image::RadioImage& img) { return signalling::five_tone::encodeEntriesInUse(img); }

std::optional<QStringList> idsForEniType(const image::RadioImage& img, int eniType) {
    if (eniType == kEniDtmf) return dtmfIdsInUse(img);
    if (eniType == kEniFiveTone) return fiveToneIdsInUse(img);
    return std::nullopt;
}

} // namespace settings::emergency
