// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/about_dialog.h"

#include "app/settings_file.h"
#include "forms/form_widgets.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace shell {

namespace {

QLabel* line(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

AboutDialog::AboutDialog(const app::AppConfig& config, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr(kTitle));
    const QString version = app::SettingsFile(config.settingsPath).read(app::kSettingsSection, app::kVersionKey, QString());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line(config.modelName, "titleLine"));
    layout->addWidget(line(version, "versionLine"));
    layout->addWidget(line(tr(kAppliesTo).arg(config.modelName), "appliesToLine"));
    layout->addWidget(line(tr(kLicence), "licenceLine"));
    layout->addWidget(buttons);
    forms::addButtonMnemonics(this);
}

} // namespace shell
