#pragma once
// Knows whether the configuration differs from the one last opened, saved, read from or
// written to a radio: a copy of the image is kept at those moments and compared with the
// image after a store of the editors. No bookkeeping per edit.
//
// Both sides are compared as a store of every editor leaves an image (channel validity
// pass and consistency pass applied), so a file whose bytes those passes would correct
// does not count as changed before the user touched anything.

#include "image/band_limits.h"
#include "image/radio_image.h"

namespace app {

class ChangeTracker {
public:
    void markClean(const image::RadioImage& img, const image::BandLimits& limits);
    bool differs(const image::RadioImage& img, const image::BandLimits& limits) const;

    // The image as a store of every editor leaves it.
    static image::RadioImage normalised(const image::RadioImage& img, const image::BandLimits& limits);

private:

    image::RadioImage m_clean;
};

} // namespace app
