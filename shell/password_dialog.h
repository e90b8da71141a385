// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The password dialog: one bullet-showing entry of at most 4 characters, "OK" and "Cancel".
// "Set Program Password" edits the image's program password (the Password command);
// "Program Password" asks a transfer's password. The caller applies the entered text.

#include "app/prompts.h"

#include <QDialog>

class QLineEdit;

namespace shell {

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kSetProgramPasswordTitle = QT_TR_NOOP("Set Program Password");
    static constexpr const char* kProgramPasswordTitle = QT_TR_NOOP("Program Password");
    static constexpr const char* kPasswordLabel = QT_TR_NOOP("Password");
    static constexpr int kMaxLength = 4;

    PasswordDialog(app::PasswordMode mode, const QString& initial, QWidget* parent = nullptr);

    QString entry() const;

private:
    QLineEdit* m_entry;
};

// The revive dialog a write transfer shows for a killed or stunned radio: the radio's
// state as message and an entry field for the access code.
class ReviveDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = QT_TR_NOOP("Password");

    explicit ReviveDialog(const QString& message, QWidget* parent = nullptr);

    QString entry() const;

private:
    QLineEdit* m_entry;
};

} // namespace shell
