// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The DTMF, 2Tone and 5Tone editors' part in the configuration as a whole: their report
// sections, their reading from a configuration document and the signalling rules of the
// configuration check. config/editor_table.h lists them.

#include "app/apply_fields.h"
#include "app/check_model.h"
#include "app/report_model.h"

#include <span>

namespace signalling {

app::report::Section dtmfSection(const app::report::ReportSource& source);      // dtmf_report.cpp
app::report::Section twoToneSection(const app::report::ReportSource& source);   // two_tone_report.cpp
app::report::Section fiveToneSection(const app::report::ReportSource& source);  // five_tone_report.cpp

void applyDtmfSection(app::report::DocumentObject& section, app::report::ApplyContext& context);
void applyTwoToneSection(app::report::DocumentObject& section, app::report::ApplyContext& context);
void applyFiveToneSection(app::report::DocumentObject& section, app::report::ApplyContext& context);

// signalling_checks.cpp: a channel's optional signalling entry not in use, a PTT ID without
// its code, a self ID that the radio's own encode list calls; across radios, a shared self ID.
void checkSignalling(const app::check::CheckSource& source, app::check::Findings& out);
void checkFleetSelfIds(std::span<const app::check::FleetRadio> radios, app::check::FleetFindings& out);

} // namespace signalling
