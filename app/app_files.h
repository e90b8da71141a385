// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data side of the File commands on the application state: the default file load
// (start-up and New), Open and Save. Dialogs, questions and editor reloads are the main
// window's part.

#include "image/parameter_file.h"
#include "app/app_state.h"

namespace app {

// Loads application directory + "Default.dat" (silently nothing when it cannot be opened)
// and decodes the band limits from the image. Returns whether the file was read.
bool loadDefaultFile(AppState& state);

// Reads `path` into prefix block and image, decodes the band limits and makes it the
// current file. On failure nothing changes.
image::FileResult openParameterFile(AppState& state, const QString& path);

// Writes prefix block and image to `path` (whole or not at all) and makes it the current
// file. The caller stores the editors and runs the consistency pass first.
image::FileResult saveParameterFile(AppState& state, const QString& path);

// After New: no current file.
void forgetCurrentFile(AppState& state);

} // namespace app
