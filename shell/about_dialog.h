// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: the model name as title line, the "Version" key of "Program.ini", the
// line naming the model the software is for and the licence. Its only action is "OK".

#include "app/app_config.h"

#include <QDialog>

namespace shell {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = QT_TR_NOOP("About");
    static constexpr const char* kAppliesTo = QT_TR_NOOP("The software apply for %1 model");
    static constexpr const char* kLicence = QT_TR_NOOP(
        "Licence: GNU General Public License, version 3 or (at your option) any later version");

    explicit AboutDialog(const app::AppConfig& config, QWidget* parent = nullptr);
};

} // namespace shell
