// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/contact_book.h"

#include "settings/contact_fields.h"

#include <cassert>

namespace settings::contact {

namespace {

constexpr QByteArrayView kTerminator = image::RadioImage::kTextEnd;

void checkContact([[maybe_unused]] int contact) { assert(contact >= 0 && contact < kCount); }

} // namespace

QString callId(const image::RadioImage& img, int contact) {
    checkContact(contact);
    return QString::fromLatin1(img.text(callIdAddress(contact), kCallIdLength, kTerminator));
}

QString name(const image::RadioImage& img, int contact) {
    checkContact(contact);
    return QString::fromLatin1(img.text(nameAddress(contact), kNameLength, kTerminator));
}

// A text that erased memory ends keeps its bytes while it is written back unchanged.
void setCallId(image::RadioImage& img, int contact, QStringView text) {
    checkContact(contact);
    const bool asStored = callId(img, contact) == text.left(kCallIdLength);
    if (asStored && img.endsErased(callIdAddress(contact), kCallIdLength)) return;
    img.setText(callIdAddress(contact), kCallIdRecordSize, text.left(kCallIdLength).toLatin1(), 0x00);
}

void setName(image::RadioImage& img, int contact, QStringView text) {
    checkContact(contact);
    const bool asStored = name(img, contact) == text.left(kNameLength);
    if (asStored && img.endsErased(nameAddress(contact), kNameLength)) return;
    img.setText(nameAddress(contact), kNameRecordSize, text.left(kNameLength).toLatin1(), 0x00);
}

void writeContactDefaults(image::RadioImage& img) {
    img.fill(kCallIds, kCount * kCallIdRecordSize, 0x00);
    img.fill(kNames, kCount * kNameRecordSize, 0x00);
}

} // namespace settings::contact
