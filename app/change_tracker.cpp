#include "app/change_tracker.h"

#include "image/channel_slots.h"
#include "image/consistency_pass.h"

namespace app {

image::RadioImage ChangeTracker::normalised(const image::RadioImage& img, const image::BandLimits& limits) {
    image::RadioImage copy = img;
    image::channelValidityPass(copy, limits);
    image::runConsistencyPass(copy, limits);
    return copy;
}

void ChangeTracker::markClean(const image::RadioImage& img, const image::BandLimits& limits) {
    m_clean = normalised(img, limits);
}

bool ChangeTracker::differs(const image::RadioImage& img, const image::BandLimits& limits) const {
    return !(normalised(img, limits) == m_clean);
}

} // namespace app
