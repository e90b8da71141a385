// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the Scan Information editor shows: labels, option lists whose position is what
// the image stores, and the revert channel texts in revert-code order.

#include <QCoreApplication>
#include <array>
#include <string_view>

namespace settings::scan::texts {

// A text of this header in the user's language (its English while no translation is
// loaded); `count` picks the plural form of a "%n" text.
inline QString tr(const char* text, int count = -1) {
    return QCoreApplication::translate("settings::scan::texts", text, nullptr, count);
}

inline constexpr const char* kScanMode = QT_TRANSLATE_NOOP("settings::scan::texts", "Scan Mode");
inline constexpr const char* kPriorityMode = QT_TRANSLATE_NOOP("settings::scan::texts", "Priority Channel");
inline constexpr const char* kPriorityChannel1 = QT_TRANSLATE_NOOP("settings::scan::texts", "Priority Channel 1");
inline constexpr const char* kPriorityChannel2 = QT_TRANSLATE_NOOP("settings::scan::texts", "Priority Channel 2");
inline constexpr const char* kRevertChannel = QT_TRANSLATE_NOOP("settings::scan::texts", "Revert Channel");
inline constexpr const char* kLookBackA = QT_TRANSLATE_NOOP("settings::scan::texts", "Look Back Time A(s)");
inline constexpr const char* kLookBackB = QT_TRANSLATE_NOOP("settings::scan::texts", "Look Back Time B(s)");
inline constexpr const char* kDropoutDelay = QT_TRANSLATE_NOOP("settings::scan::texts", "Dropout Delay Time(s)");
inline constexpr const char* kDwell = QT_TRANSLATE_NOOP("settings::scan::texts", "Dwell Time(s)");
inline constexpr const char* kEnterTone = QT_TRANSLATE_NOOP("settings::scan::texts", "Scan Enter Tone");

inline constexpr std::array<std::string_view, 2> kScanModeList{"Off", "On"};
inline constexpr std::array<std::string_view, 4> kPriorityModeList{
    "Off", "Priority Channel1", "Priority Channel2", "Priority Channel1 + Priority Channel2"};

// Revert codes 0-7.
inline constexpr std::array<std::string_view, 8> kRevertList{
    "Selected",  "Selected + TalkBack", "Priority Channel1",           "Priority Channel2",
    "Last Called", "Last Used",         "Priority Channel1 + TalkBack", "Priority Channel2 + TalkBack"};

} // namespace settings::scan::texts
