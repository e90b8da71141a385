// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the Communication Note contacts lie in the radio image, contact k = 0-127:
//   0x1980-0x1BFF call IDs, 5 bytes at 0x1980 + 5k: ASCII digits, left-aligned, the rest 0x00;
//                 five digits fill the record and have no terminator
//   0x1C00-0x1FFF names, 8 bytes at 0x1C00 + 8k: at most 7 capitals or digits, left-aligned,
//                 the rest 0x00 (the eighth byte is always written 0x00)

#include "app/editor_names.h"
#include "image/radio_image.h"

namespace settings::contact {

using image::Addr;

constexpr int kCount = 128;

constexpr Addr kCallIds = 0x1980;
constexpr int kCallIdRecordSize = 5;
constexpr int kCallIdLength = 5;

constexpr Addr kNames = 0x1C00;
constexpr int kNameRecordSize = 8;
constexpr int kNameLength = 7;

constexpr Addr callIdAddress(int contact) { return Addr(kCallIds + kCallIdRecordSize * contact); }
constexpr Addr nameAddress(int contact) { return Addr(kNames + kNameRecordSize * contact); }

// Help context of the editor: its form number.
constexpr int kHelpContext = 178;
inline constexpr app::EditorNames kEditorNames{
    QT_TRANSLATE_NOOP("app::EditorNames", "Communication Note"), QT_TRANSLATE_NOOP("app::EditorNames", "Communication Note"),
    QT_TRANSLATE_NOOP("app::EditorNames", "Communication Note"),
                                               "communicationNote", "communicationNote", kHelpContext,
                                               "communication-note.html", "settings::contact::texts"};

} // namespace settings::contact
