// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/password_dialog.h"

#include "forms/form_widgets.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace shell {

namespace {

QDialogButtonBox* okCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttons"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

// Room for the title beside the window buttons, which the window manager would otherwise
// cut short on a dialog this small.
void keepTitleVisible(QDialog& dialog) {
    constexpr int kWindowButtonsRoom = 140;
    dialog.setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) + kWindowButtonsRoom);
}

} // namespace

PasswordDialog::PasswordDialog(app::PasswordMode mode, const QString& initial, QWidget* parent)
    : QDialog(parent), m_entry(new QLineEdit(initial.left(kMaxLength))) {
    setObjectName(QStringLiteral("passwordDialog"));
    setWindowTitle(mode == app::PasswordMode::SetProgramPassword ? tr(kSetProgramPasswordTitle) : tr(kProgramPasswordTitle));
    m_entry->setObjectName(QStringLiteral("password"));
    m_entry->setEchoMode(QLineEdit::Password);
    m_entry->setMaxLength(kMaxLength);
    // Asked again after a wrong password, the field shows that password: selected, the
    // first key typed replaces it instead of being added behind it and cut off at four.
    m_entry->selectAll();

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(tr(kPasswordLabel), m_entry);
    layout->addLayout(form);
    layout->addWidget(okCancel(this));
    keepTitleVisible(*this);
    forms::addButtonMnemonics(this);
}

QString PasswordDialog::entry() const { return m_entry->text(); }

ReviveDialog::ReviveDialog(const QString& message, QWidget* parent) : QDialog(parent), m_entry(new QLineEdit) {
    setObjectName(QStringLiteral("reviveDialog"));
    setWindowTitle(tr(kTitle));
    auto* label = new QLabel(message);
    label->setObjectName(QStringLiteral("message"));
    m_entry->setObjectName(QStringLiteral("code"));
    label->setBuddy(m_entry);  // the radio's state is what the code is asked for

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_entry);
    layout->addWidget(okCancel(this));
    keepTitleVisible(*this);
    forms::addButtonMnemonics(this);
}

QString ReviveDialog::entry() const { return m_entry->text(); }

} // namespace shell
