// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the Scan Information editor shows: labels, option lists whose position is what
// the image stores, and the revert channel texts in revert-code order.

#include <array>
#include <string_view>

namespace settings::scan::texts {

inline constexpr const char* kScanMode = "Scan Mode";
inline constexpr const char* kPriorityMode = "Priority Channel";
inline constexpr const char* kPriorityChannel1 = "Priority Channel 1";
inline constexpr const char* kPriorityChannel2 = "Priority Channel 2";
inline constexpr const char* kRevertChannel = "Revert Channel";
inline constexpr const char* kLookBackA = "Look Back Time A(s)";
inline constexpr const char* kLookBackB = "Look Back Time B(s)";
inline constexpr const char* kDropoutDelay = "Dropout Delay Time(s)";
inline constexpr const char* kDwell = "Dwell Time(s)";
inline constexpr const char* kEnterTone = "Scan Enter Tone";

inline constexpr std::array<std::string_view, 2> kScanModeList{"Off", "On"};
inline constexpr std::array<std::string_view, 4> kPriorityModeList{
    "Off", "Priority Channel1", "Priority Channel2", "Priority Channel1 + Priority Channel2"};

// Revert codes 0-7.
inline constexpr std::array<std::string_view, 8> kRevertList{
    "Selected",  "Selected + TalkBack", "Priority Channel1",           "Priority Channel2",
    "Last Called", "Last Used",         "Priority Channel1 + TalkBack", "Priority Channel2 + TalkBack"};

} // namespace settings::scan::texts
