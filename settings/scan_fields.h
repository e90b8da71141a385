// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the scan settings lie in the radio image (0x03B0-0x03BF):
//   B0 scan mode (index)            B1 priority channel mode (index)   B2 revert code
//   B3 look back time A (tenths)    B4 look back time B (tenths)
//   B5 dropout delay time (tenths)  B6 dwell time (tenths)            B7 not ours
//   B8 scan enter tone (1 on, 0 off)                                   B9 BA not ours
//   BB priority channel 1 (channel number 0-199)                      BC not ours
//   BD priority channel 2 (channel number 0-199)                      BE BF not ours
// The bytes marked "not ours" belong to the radio and survive every store.

#include "app/editor_names.h"
#include "image/memory_map.h"
#include "image/radio_image.h"

namespace settings::scan {

using image::Addr;

constexpr Addr kMode = 0x03B0;
constexpr Addr kPriorityMode = 0x03B1;
constexpr Addr kRevertChannel = 0x03B2;
constexpr Addr kLookBackA = 0x03B3;
constexpr Addr kLookBackB = 0x03B4;
constexpr Addr kDropoutDelay = 0x03B5;
constexpr Addr kDwell = 0x03B6;
constexpr Addr kEnterTone = 0x03B8;
constexpr Addr kPriorityChannel1 = image::map::kPriorityChannel1;
constexpr Addr kPriorityChannel2 = image::map::kPriorityChannel2;

// The bytes the editor writes, for checks that nothing else moves.
inline constexpr Addr kOwnBytes[] = {kMode,         kPriorityMode, kRevertChannel, kLookBackA,        kLookBackB,
                                     kDropoutDelay, kDwell,        kEnterTone,     kPriorityChannel1, kPriorityChannel2};

// Help context of the editor: its form number.
constexpr int kHelpContext = 198;
inline constexpr app::EditorNames kEditorNames{
    QT_TRANSLATE_NOOP("app::EditorNames", "Scan Information"), QT_TRANSLATE_NOOP("app::EditorNames", "Scan Information"),
    QT_TRANSLATE_NOOP("app::EditorNames", "Scan Information"),
                                               "scanInformation", "scanInformation", kHelpContext,
                                               "scan-information.html", "settings::scan::texts"};

} // namespace settings::scan
