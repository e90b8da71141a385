// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the editors will change in a configuration as it was opened or read from a radio, once
// they store it: a frequency outside the band moved to its limit, a cross reference the
// consistency pass mends, a length byte past its field. The program keeps the loaded bytes
// until someone stores, so it tells these at open, and the configuration check tells them
// again. They are found by running the stores, not by a second set of rules: every section's
// store (the same code that takes a configuration document) on a copy, then the differences
// described as findings in the editors' words.

#include "app/check_model.h"
#include "image/band_limits.h"
#include "image/radio_image.h"

#include <QList>

namespace config {

struct StoredConfiguration {
    image::RadioImage image;   // what a store of every editor leaves
    image::BandLimits limits;
    QList<app::check::Finding> corrections;  // what that store changed, sections in tree order
};

// Stores every editor's section of the configuration onto a copy and says what changed.
StoredConfiguration storeAllOnCopy(const image::RadioImage& loaded, const image::BandLimits& limits,
                                   const QString& modelName);

} // namespace config
