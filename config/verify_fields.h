// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A verify's differences in the editors' words: the fields of the configuration report that
// differ between the image a write sent and what the radio holds. The link reads the radio
// back and finds the bytes; the words come from the report, which is put together here.

#include "image/radio_image.h"

#include <QStringList>

namespace config {

// One line per field that differs, in the report's order:
// "Channel / CH 12 RX Frequency: file 145.50000, radio 136.00000".
QStringList verifyFieldDifferences(const image::RadioImage& sent, const image::RadioImage& radio);

} // namespace config
