// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Emergency Information: where its fields lie in the radio image, the fixed option lists
// and every text its form shows. Shared by the editor, the command-line tool and the tests.
//
//   0x03A0  alarm type            index into kAlarmTypeList
//   0x03A1  ENI type              index into kEniTypeList
//   0x03A2  emergency ID          DTMF: encode slot - 1 (0-15); 5Tone: entry number (0-99)
//   0x03A3  alarm time            seconds 1-255
//   0x03A4  duration of TX        seconds 1-255
//   0x03A5  duration of RX        seconds 1-255
//   0x03A6  ENI send channel      index into kSendChannelList
//   0x03A7  not ours
//   0x03A8  emergency channel     channel number 0-199 (label "0"-"199")
//   0x03A9  emergency cycle       0 = "Continuous", 1-255 cycles
//   0x03AA-0x03AF not ours

#include "app/editor_names.h"
#include "image/memory_map.h"
#include "image/radio_image.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace settings::emergency {

constexpr image::Addr kAlarmType = 0x03A0;
constexpr image::Addr kEniType = image::map::kEniType;
constexpr image::Addr kEmergencyId = 0x03A2;
constexpr image::Addr kAlarmTime = 0x03A3;
constexpr image::Addr kTxDuration = 0x03A4;
constexpr image::Addr kRxDuration = 0x03A5;
constexpr image::Addr kSendChannel = 0x03A6;
constexpr image::Addr kEmergencyChannel = image::map::kEmergencyChannel;
constexpr image::Addr kCycle = 0x03A9;

// The bytes a store may write (0x03A7 lies between them and is left alone).
constexpr std::array<image::Addr, 9> kOwnBytes{kAlarmType, kEniType,    kEmergencyId,      kAlarmTime, kTxDuration,
                                               kRxDuration, kSendChannel, kEmergencyChannel, kCycle};

inline constexpr std::array<std::string_view, 4> kAlarmTypeList{"Alarm", "Transpond+Background", "Transpond+Alarm",
                                                                "Both"};
inline constexpr std::array<std::string_view, 3> kEniTypeList{"None", "DTMF", "5Tone"};
inline constexpr std::array<std::string_view, 2> kSendChannelList{"Assigned Channel", "Selected Channel"};
inline constexpr std::string_view kContinuous = "Continuous";

// Positions in the lists above that the rules name.
constexpr int kAlarmOnly = 0;
constexpr int kEniNone = 0;
constexpr int kEniDtmf = 1;
constexpr int kEniFiveTone = 2;
constexpr int kAssignedChannel = 0;

// The seconds lists run "1" to "255"; the cycle list is "Continuous", then "1" to "255".
constexpr int kFirstSeconds = 1;
constexpr int kLastSeconds = 255;

// Form labels, in screen order.
// A label above in the user's language (the report keeps the English).
inline QString tr(std::string_view label) { return QCoreApplication::translate("settings::emergency", label.data()); }
inline constexpr std::string_view kAlarmTypeLabel = QT_TRANSLATE_NOOP("settings::emergency", "Emergency Alarm");
inline constexpr std::string_view kEniTypeLabel = QT_TRANSLATE_NOOP("settings::emergency", "ENI Type Select");
inline constexpr std::string_view kEmergencyIdLabel = QT_TRANSLATE_NOOP("settings::emergency", "Emergency ID");
inline constexpr std::string_view kAlarmTimeLabel = QT_TRANSLATE_NOOP("settings::emergency", "Alarm Time(s)");
inline constexpr std::string_view kTxDurationLabel = QT_TRANSLATE_NOOP("settings::emergency", "Duration of TX(s)");
inline constexpr std::string_view kRxDurationLabel = QT_TRANSLATE_NOOP("settings::emergency", "Duration of RX(s)");
inline constexpr std::string_view kSendChannelLabel = QT_TRANSLATE_NOOP("settings::emergency", "Emergency ENI Send Select");
inline constexpr std::string_view kEmergencyChannelLabel = QT_TRANSLATE_NOOP("settings::emergency", "Emergency Channel");
inline constexpr std::string_view kCycleLabel = QT_TRANSLATE_NOOP("settings::emergency", "Emergency Cycle");

// Help context of the editor: its form number.
constexpr int kHelpContext = 211;
// The menu item is spelt as the radio's users know it.
inline constexpr app::EditorNames kEditorNames{
    QT_TRANSLATE_NOOP("app::EditorNames", "Emergency Infomation"), QT_TRANSLATE_NOOP("app::EditorNames", "Emergency Information"),
    QT_TRANSLATE_NOOP("app::EditorNames", "Emergency Information"),
                                               "emergencyInformation", "emergencyInformation", kHelpContext,
                                               "emergency-information.html", "settings::emergency"};

} // namespace settings::emergency
