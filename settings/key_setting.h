// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five programmable keys P1-P5, each with a short press, a long press and a press with
// FUNC: where each of the 15 assignments lies, the function list, each slot's factory
// function, and the rule that keeps "MONI" off the short presses while the squelch key is
// momentary. No widgets, so the editor, a report and the command-line tool share it.
//
// 0x01F0-0x01F4  short press  P3 P4 P5 P1 P2   (one function code per byte)
// 0x01F5-0x01F9  long press   P3 P4 P5 P1 P2
// 0x01FA-0x01FE  FUNC + key   P3 P4 P5 P1 P2
// 0x01FF is not ours. Bit 0 of 0x0230 (squelch key function, 0 = momentary) is read only.

#include "app/editor_names.h"
#include "image/memory_map.h"
#include "image/radio_image.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <string_view>

namespace settings::keys {

using image::Addr;

// Function codes: the code is the position. "RESET" (20) is known but cannot be chosen.
inline constexpr std::array<std::string_view, 21> kFunctionTexts{
    "Off",  "CALL", "V/M",     "CT/DT",   "MHZ",  "SQL",    "POWER H/L", "SHIFT",    "SCAN",    "LOCK",  "MONI",
    "COPY CH", "DEL CH", "REV", "BRIGHT", "COMP", "PRI",    "DTMF SET",  "BATTERY",  "CLONE",   "RESET"};
constexpr int kChoosableFunctions = 20;  // "Off" to "CLONE"
constexpr std::uint8_t kOff = 0;
constexpr std::uint8_t kMoni = 10;

struct KeySlot {
    Addr at;
    const char* label;  // in English: the report's field; the editor shows keyLabel()
    std::uint8_t defaultCode;
    bool shortPress;
};

// In screen order: the short presses P1-P5, the long presses, then FUNC + P1-P5.
inline constexpr std::array<KeySlot, 15> kKeySlots{{
    {0x01F3, QT_TRANSLATE_NOOP("settings::key_setting", "P1 Short"), 1, true},
    {0x01F4, QT_TRANSLATE_NOOP("settings::key_setting", "P2 Short"), 10, true},
    {0x01F0, QT_TRANSLATE_NOOP("settings::key_setting", "P3 Short"), 2, true},
    {0x01F1, QT_TRANSLATE_NOOP("settings::key_setting", "P4 Short"), 4, true},
    {0x01F2, QT_TRANSLATE_NOOP("settings::key_setting", "P5 Short"), 3, true},
    {0x01F8, QT_TRANSLATE_NOOP("settings::key_setting", "P1 Long"), 19, false},
    {0x01F9, QT_TRANSLATE_NOOP("settings::key_setting", "P2 Long"), 18, false},
    {0x01F5, QT_TRANSLATE_NOOP("settings::key_setting", "P3 Long"), 8, false},
    {0x01F6, QT_TRANSLATE_NOOP("settings::key_setting", "P4 Long"), 7, false},
    {0x01F7, QT_TRANSLATE_NOOP("settings::key_setting", "P5 Long"), 17, false},
    {0x01FD, "FUNC+P1", 6, false},
    {0x01FE, "FUNC+P2", 15, false},
    {0x01FA, "FUNC+P3", 11, false},
    {0x01FB, "FUNC+P4", 12, false},
    {0x01FC, "FUNC+P5", 9, false},
}};
constexpr int kKeysPerGroup = 5;
// A slot's label in the user's language.
inline QString keyLabel(const KeySlot& slot) { return QCoreApplication::translate("settings::key_setting", slot.label); }

// Code to text: 0-20 their table text; any other code the text of the slot's default.
QString functionText(const KeySlot& slot, std::uint8_t code);
// What the editor's list shows for a code: its text, or nothing for "RESET", which the list
// does not offer.
QString shownFunctionText(const KeySlot& slot, std::uint8_t code);
// Text to code by exact text; a text that is none of them (no selection) gives the default.
std::uint8_t functionCode(const KeySlot& slot, QStringView text);

// "MONI" may sit on a short press only while the squelch key is not momentary.
bool moniAllowedOnShortPress(const image::RadioImage& img);
// The code a slot may hold: a short-press "MONI" becomes "Off" while MONI is not allowed.
std::uint8_t allowedCode(const image::RadioImage& img, const KeySlot& slot, std::uint8_t code);
// Turns every short-press "MONI" into "Off" (the squelch key became momentary).
void clearShortPressMoni(image::RadioImage& img);

// Factory functions of the 15 slots for "Default.dat".
void writeDefaults(image::RadioImage& img);

namespace texts {
inline constexpr int kHelpContext = 146;
inline constexpr app::EditorNames kEditorNames{
    QT_TRANSLATE_NOOP("app::EditorNames", "Key Setting"), QT_TRANSLATE_NOOP("app::EditorNames", "Key Setting"),
    QT_TRANSLATE_NOOP("app::EditorNames", "Key Setting"), "keySetting", "keySetting",
                                               kHelpContext, "key-setting.html", "settings::key_setting"};
} // namespace texts

} // namespace settings::keys
