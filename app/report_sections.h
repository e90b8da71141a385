#pragma once
// The sections of the configuration report, one per editor, each defined next to that
// editor's core code. buildReport() calls them in navigation-tree order; an editor added
// later adds its builder here and one line there.

#include "app/config_report.h"

namespace report {

Section modelSection(const ReportSource& source);             // app/band_limits_report.cpp
Section channelSection(const ReportSource& source);           // channels/channel_report.cpp
Section functionSetupSection(const ReportSource& source);     // settings/function_setup_report.cpp
Section dtmfSection(const ReportSource& source);              // signalling/dtmf_report.cpp
Section twoToneSection(const ReportSource& source);           // signalling/two_tone_report.cpp
Section fiveToneSection(const ReportSource& source);          // signalling/five_tone_report.cpp
Section scanSection(const ReportSource& source);              // settings/scan_report.cpp
Section emergencySection(const ReportSource& source);         // settings/emergency_report.cpp
Section keySettingSection(const ReportSource& source);        // settings/key_setting_report.cpp
Section communicationNoteSection(const ReportSource& source); // settings/contact_report.cpp

} // namespace report
