// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Channel editor's part in the configuration as a whole, and the Model's (the band decides
// which channels the list holds): their report sections, their reading from a configuration
// document and the channel rules of the configuration check. config/editor_table.h lists them.

#include "app/apply_fields.h"
#include "app/check_model.h"
#include "app/report_model.h"

#include <span>

namespace channels {

app::report::Section modelSection(const app::report::ReportSource& source);    // model_report.cpp
inline constexpr const char* kModelTextsContext = "channels::model";  // where its labels are translated
app::report::Section channelSection(const app::report::ReportSource& source);  // channel_report.cpp

void applyModelSection(app::report::DocumentObject& section, app::report::ApplyContext& context);
void applyChannelSection(app::report::DocumentObject& section, app::report::ApplyContext& context);

// channel_checks.cpp: channels outside the band, two channels alike; across radios, one channel
// name for different frequencies or tones.
void checkChannels(const app::check::CheckSource& source, app::check::Findings& out);
void checkFleetChannelNames(std::span<const app::check::FleetRadio> radios, app::check::FleetFindings& out);

} // namespace channels
