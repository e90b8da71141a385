#include "settings/emergency_ids.h"

#include "channels/value_tables.h"
#include "image/memory_map.h"
#include "settings/emergency_fields.h"

namespace settings::emergency {

namespace {

// DTMF encode list: 16 slots of 16 bytes from 0x0400; +0x0C counts the code's symbols.
constexpr image::Addr kDtmfEncodeList = 0x0400;
constexpr int kDtmfEncodeSlots = 16;
constexpr int kDtmfEncodeSlotSize = 16;
constexpr int kDtmfEncodeLengthOffset = 0x0C;

bool dtmfSlotInUse(const image::RadioImage& img, int index) {
    return img.u8(image::Addr(kDtmfEncodeList + kDtmfEncodeSlotSize * index + kDtmfEncodeLengthOffset)) != 0;
}

bool fiveToneEntryInUse(const image::RadioImage& img, int entry) {
    using namespace image::map;
    return img.u8(image::Addr(kFiveToneList + kFiveToneEntrySize * entry + kFiveToneInUseOffset)) != 0;
}

} // namespace

QStringList dtmfIdsInUse(const image::RadioImage& img) {
    QStringList ids;
    for (int index = 0; index < kDtmfEncodeSlots; ++index)
        if (dtmfSlotInUse(img, index)) ids.append(channels::dtmfCodeLabel(index));
    return ids;
}

QStringList fiveToneIdsInUse(const image::RadioImage& img) {
    QStringList ids;
    for (int entry = 0; entry < image::map::kFiveToneEntries; ++entry)
        if (fiveToneEntryInUse(img, entry)) ids.append(QString::number(entry));
    return ids;
}

std::optional<QStringList> idsForEniType(const image::RadioImage& img, int eniType) {
    if (eniType == kEniDtmf) return dtmfIdsInUse(img);
    if (eniType == kEniFiveTone) return fiveToneIdsInUse(img);
    return std::nullopt;
}

} // namespace settings::emergency
