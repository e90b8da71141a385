// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Function Setup, Scan Information, Emergency Information, Key Setting and Communication
// Note editors' part in the configuration as a whole: their report sections, their reading
// from a configuration document and the rules of the configuration check for settings that
// name a channel or an entry. config/editor_table.h lists them.

#include "app/apply_fields.h"
#include "app/check_model.h"
#include "app/report_model.h"

namespace settings {

app::report::Section functionSetupSection(const app::report::ReportSource& source);      // function_setup_report.cpp
app::report::Section scanSection(const app::report::ReportSource& source);               // scan_report.cpp
app::report::Section emergencySection(const app::report::ReportSource& source);          // emergency_report.cpp
app::report::Section keySettingSection(const app::report::ReportSource& source);         // key_setting_report.cpp
app::report::Section communicationNoteSection(const app::report::ReportSource& source);  // contact_report.cpp

void applyFunctionSetupSection(app::report::DocumentObject& section, app::report::ApplyContext& context);
void applyScanSection(app::report::DocumentObject& section, app::report::ApplyContext& context);
void applyEmergencySection(app::report::DocumentObject& section, app::report::ApplyContext& context);
void applyKeySettingSection(app::report::DocumentObject& section, app::report::ApplyContext& context);
void applyCommunicationNoteSection(app::report::DocumentObject& section, app::report::ApplyContext& context);

// settings_checks.cpp: the MR, priority, revert and emergency channels and the emergency ID.
void checkReferences(const app::check::CheckSource& source, app::check::Findings& out);

} // namespace settings
