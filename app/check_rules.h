#pragma once
// The rules of the configuration check, each defined next to the core code of the editor
// whose fields it reads. checkConfiguration() and checkFleet() call them; a rule added later
// adds its declaration here and one line there.

#include "app/config_check.h"

namespace app::check {

using Findings = QList<Finding>;
using FleetFindings = QList<FleetFinding>;

// channels/channel_checks.cpp: channels outside the band, two channels alike.
void checkChannels(const CheckSource& source, Findings& out);
// signalling/signalling_checks.cpp: a channel's optional signalling entry not in use, a PTT ID
// without its code, a self ID that the radio's own encode list calls.
void checkSignalling(const CheckSource& source, Findings& out);
// settings/settings_checks.cpp: the MR, priority, revert and emergency channels and the
// emergency ID.
void checkReferences(const CheckSource& source, Findings& out);

// Across radios: channel names (channels/channel_checks.cpp) and self IDs
// (signalling/signalling_checks.cpp).
void checkFleetChannelNames(std::span<const FleetRadio> radios, FleetFindings& out);
void checkFleetSelfIds(std::span<const FleetRadio> radios, FleetFindings& out);

} // namespace app::check
