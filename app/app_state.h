// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one application state: the radio image, the file prefix block, the band limits,
// the transfer password and the configuration values. The program creates one and hands
// it by reference to every editor, dialog and the transfer; each test builds its own.

#include "image/band_limits.h"
#include "image/radio_image.h"
#include "app/app_config.h"

#include <QString>

#include <atomic>

namespace app {

// A transfer worker sets `running` for its life; the transfer dialog's "Exit" sets `cancel`,
// which the worker polls between blocks.
struct TransferFlags {
    std::atomic<bool> running{false};
    std::atomic<bool> cancel{false};
};

struct AppState {
    image::RadioImage image;
    image::FilePrefixBlock prefix{};
    image::BandLimits bandLimits;
    QString transferPassword;
    AppConfig config;
    TransferFlags transfer;

    AppState() = default;
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;
};

} // namespace app
