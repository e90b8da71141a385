// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the report, diff and check commands share: a parameter file read with one clear error
// line when it cannot be, and the configuration report of a file or of an image read from a
// radio, under the model name the program's printout uses.

#include "config/config_report.h"
#include "image/parameter_file.h"
#include "image/radio_image.h"

#include <QString>

#include <optional>

namespace cli {

// The parameter file at `path`; nothing, after printing why, when it cannot be read or is
// no parameter file (not 20480 bytes long).
std::optional<image::RadioImage> readConfiguration(const QString& path);

std::optional<app::report::ConfigReport> reportOfFile(const QString& path);
// The model name "Program.ini" beside the program names (the program's own when it names none).
QString programModelName();
app::report::ConfigReport reportOfImage(const image::RadioImage& img);

} // namespace cli
