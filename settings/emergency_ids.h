// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The encode entries the radio can send as its emergency identification: the DTMF encode
// slots and the 5Tone encode entries that are in use, as the texts the Emergency ID list
// shows. Read straight from the image, so they follow whatever the signalling editors last
// stored.

#include "image/radio_image.h"

#include <QStringList>

#include <optional>

namespace settings::emergency {

// DTMF encode slots 1-16 whose length byte is not 0, as "M1"-"M16".
QStringList dtmfIdsInUse(const image::RadioImage& img);
// 5Tone encode entries 0-99 whose length byte is not 0, as "0"-"99".
QStringList fiveToneIdsInUse(const image::RadioImage& img);

// The ID list for an ENI type position: DTMF or 5Tone entries in use; nothing for "None"
// or a position outside the ENI type list.
std::optional<QStringList> idsForEniType(const image::RadioImage& img, int eniType);

} // namespace settings::emergency
