// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checking a configuration before it goes into radios: settings that name something the
// configuration does not hold (an empty channel, a signalling entry not in use, an empty
// PTT ID code), channels the radio cannot use or cannot tell apart, and, across the files
// of a fleet, radios that would answer to the same ID or call one channel name by different
// frequencies. Each finding names the editor section and the field where it is mended. The
// rules live next to each editor's core code; the editor table names them.

#include "app/check_model.h"

#include <QList>

#include <span>

namespace config {

using app::check::CheckSource;
using app::check::Finding;
using app::check::FleetFinding;
using app::check::FleetRadio;

// Every finding of one configuration, sections in navigation-tree order.
QList<Finding> checkConfiguration(const CheckSource& source);

// What lies between the radios of a fleet (their own findings come from checkConfiguration):
// two radios with the same self ID, one channel name with different frequencies or tones.
// Each finding is told at the later radio and names the earlier one.
QList<FleetFinding> checkFleet(std::span<const FleetRadio> radios);

} // namespace config
