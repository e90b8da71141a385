// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subcommands of qmr417-cli, one file each. `arguments` starts with the program
// name followed by the subcommand's own arguments.

#include "app/app_state.h"

#include <QStringList>

#include <atomic>

namespace cli {

int portsCommand(const QStringList& arguments);
int readCommand(const QStringList& arguments, app::AppState& state, const std::atomic<bool>& interrupted);
int exportCsvCommand(const QStringList& arguments);
int importCsvCommand(const QStringList& arguments);
int writeCommand(const QStringList& arguments, app::AppState& state, const std::atomic<bool>& interrupted);

// Configuration report of a parameter file (text or --json), and the differences of two
// files or of a file and the radio (--port).
int reportCommand(const QStringList& arguments);
int diffCommand(const QStringList& arguments, app::AppState& state, const std::atomic<bool>& interrupted);
// The configuration check of parameter files, each alone and together as a fleet.
int checkCommand(const QStringList& arguments);
// A configuration document (the layout of report --json) applied onto a parameter file.
int applyCommand(const QStringList& arguments);
// A master configuration written into a fleet of radios, each with its roster row's values.
int fleetCommand(const QStringList& arguments, app::AppState& state, const std::atomic<bool>& interrupted);
// What the radio sends for one DTMF, 2Tone or 5Tone entry, written as a WAV file.
int auditionCommand(const QStringList& arguments);
// The printout of a parameter file as a PDF, the program's Export PDF pages.
int printCommand(const QStringList& arguments);

} // namespace cli
