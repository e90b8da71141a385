// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The configuration as text, read back: a JSON document in the layout of the report's JSON
// applied onto a configuration (an image and its band limits) as the editors would take it.
// Each section's fields go through the same conversions and rules its editor applies when it
// stores; problems are collected all at once, and nothing changes when there is an error.
//
// What a document may say: every value an editor can show, so a report reads back onto any
// base; a value no editor shows is entered as a user would enter it, so an editor's silent
// correction (a frequency off the raster) becomes a warning and a value it would refuse or
// replace becomes an error. A value only a file can hold (a byte past a list, a letter in a
// digits-only field) is kept as written, with a warning.

#include "app/apply_fields.h"
#include "app/json_reader.h"
#include "image/band_limits.h"
#include "image/radio_image.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace config {

using app::report::Problem;


struct ApplyOptions {
    QString modelName;    // the program's model name, which a parameter file does not hold
    bool strict = false;  // warnings count as errors
    // A band change that leaves channels outside the new band moves them to its limits (the
    // program asks first); without this the document is refused.
    bool allowBandChange = false;
};

struct ApplyResult {
    QList<Problem> problems;  // in document order; under `strict` every warning is an error
    bool applied = false;     // the image and limits hold the document's configuration
    int errors() const;
    int warnings() const;
};

// Applies the document onto `image` and `limits`, which hold the configuration as the editors
// stored it. On success they hold the result, after the channel validity pass and the
// consistency pass a store runs; with an error (or a warning under `strict`) they are unchanged.
ApplyResult applyConfiguration(QByteArrayView json, image::RadioImage& image, image::BandLimits& limits,
                               const ApplyOptions& options);
// The same for a document already read (or put together, as a roster row is): an object of
// sections.
ApplyResult applyDocument(const app::json::Value& document, image::RadioImage& image, image::BandLimits& limits,
                          const ApplyOptions& options);

} // namespace config
