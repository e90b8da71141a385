// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Special Call" dialog of the 5Tone editor, in two variants: for the BOT or EOT code
// ("Choose Call Type", interval "Off", message of 8) and for the encode list ("NO." of the
// entry, "Choose Call Format", interval "No Stop", message of 16). It only collects the
// call; the editor writes the interval character and composes the code on "OK".

#include "signalling/five_tone_codes.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace signalling {

class CFiveToneSpecialCallDialog : public QDialog {
    Q_OBJECT
public:
    enum class Variant { PttIdCode, EncodeList };

    // `interval` is the byte at 0x0331, `entry` the list entry preselected in "NO.".
    CFiveToneSpecialCallDialog(Variant variant, std::uint8_t interval, int entry, QWidget* parent = nullptr);

    // The call as chosen, the other side ID completed to five characters.
    five_tone::SpecialCall call() const;

protected:
    // Enter and Escape do nothing: only "OK" and "Cancel" close the dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showFieldsForKind();

    QComboBox* m_entry = nullptr;  // encode list variant only
    QComboBox* m_kind;
    QLineEdit* m_otherSideId;
    QComboBox* m_interval;
    QLineEdit* m_message;
    QLabel* m_otherSideIdLabel;
    QLabel* m_intervalLabel;
    QLabel* m_messageLabel;
};

} // namespace signalling
