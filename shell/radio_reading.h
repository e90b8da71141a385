// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a radio beside the open configuration: the radio's configuration goes into a state
// of its own, so what the user has open stays exactly as it is, whatever the read brings.
// Compare With Radio reads this way.

#include "app/app_state.h"
#include "app/prompts.h"
#include "shell/link_services.h"

class QWidget;

namespace shell {

// Reads the radio through the Read dialog into `radio`, which starts as a copy of `open`
// (port, password, data folder, and the bytes a radio never sends), and keeps the usual
// read backup. True when the read completed; otherwise `radio` holds nothing of the radio.
bool readRadioBeside(app::AppState& radio, const app::AppState& open, app::Prompts& prompts, const LinkServices& link,
                     QWidget* parent);

} // namespace shell
