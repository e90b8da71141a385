// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the configuration check's rules share about channels: which slots it looks at and
// how a finding names a channel's field.

#include "image/radio_image.h"

#include <QList>
#include <QString>

namespace channels {

// Channels 0-199, "PA" and "PB" in use (usage bit clear and a frequency in the record), and
// "VFO" when its record holds a frequency (its usage bit is always set), in slot order.
QList<int> checkedSlots(const image::RadioImage& img);

// "CH 12 Optional Signaling": the list's channel column, the channel's label, the field.
QString channelField(int slot, const char* label);

} // namespace channels
