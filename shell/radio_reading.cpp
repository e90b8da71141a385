// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/radio_reading.h"

#include "app/backups.h"
#include "image/band_limits.h"
#include "shell/shell_texts.h"
#include "shell/transfer_dialog.h"

namespace shell {

bool readRadioBeside(app::AppState& radio, const app::AppState& open, app::Prompts& prompts, const LinkServices& link,
                     QWidget* parent) {
    radio.config = open.config;
    radio.transferPassword = open.transferPassword;
    radio.prefix = open.prefix;
    radio.image = open.image;  // 0x0000-0x000F never come from a radio
    radio.bandLimits = open.bandLimits;

    TransferDialog dialog(TransferDirection::Read, radio, prompts, link, parent);
    dialog.hideCompletionMessage();  // the caller's list follows at once and says it
    dialog.exec();
    if (!dialog.succeeded()) return false;
    radio.bandLimits = image::decodeBandLimits(radio.image);
    const app::BackupResult backup = app::saveBackup(radio.config, radio.prefix, radio.image, app::BackupKind::Read);
    if (!backup.ok) prompts.report(texts::tr(texts::kBackupFailed).arg(backup.errorText), app::Severity::Warning);
    return true;
}

} // namespace shell
