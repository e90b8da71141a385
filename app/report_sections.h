#pragma once
// The sections of the configuration report, one per editor, each defined next to that
// editor's core code, with the applier that reads the section back from a document.
// buildReport() calls the builders in navigation-tree order, applyConfiguration() the
// appliers in the order the sections depend on each other; an editor added later adds its
// pair here and a line in each.

#include "app/config_report.h"

namespace app::report {

Section modelSection(const ReportSource& source);             // channels/model_report.cpp
Section channelSection(const ReportSource& source);           // channels/channel_report.cpp
Section functionSetupSection(const ReportSource& source);     // settings/function_setup_report.cpp
Section dtmfSection(const ReportSource& source);              // signalling/dtmf_report.cpp
Section twoToneSection(const ReportSource& source);           // signalling/two_tone_report.cpp
Section fiveToneSection(const ReportSource& source);          // signalling/five_tone_report.cpp
Section scanSection(const ReportSource& source);              // settings/scan_report.cpp
Section emergencySection(const ReportSource& source);         // settings/emergency_report.cpp
Section keySettingSection(const ReportSource& source);        // settings/key_setting_report.cpp
Section communicationNoteSection(const ReportSource& source); // settings/contact_report.cpp

class DocumentObject;
struct ApplyContext;

void applyModelSection(DocumentObject& section, ApplyContext& context);
void applyChannelSection(DocumentObject& section, ApplyContext& context);
void applyFunctionSetupSection(DocumentObject& section, ApplyContext& context);
void applyDtmfSection(DocumentObject& section, ApplyContext& context);
void applyTwoToneSection(DocumentObject& section, ApplyContext& context);
void applyFiveToneSection(DocumentObject& section, ApplyContext& context);
void applyScanSection(DocumentObject& section, ApplyContext& context);
void applyEmergencySection(DocumentObject& section, ApplyContext& context);
void applyKeySettingSection(DocumentObject& section, ApplyContext& context);
void applyCommunicationNoteSection(DocumentObject& section, ApplyContext& context);

} // namespace app::report
