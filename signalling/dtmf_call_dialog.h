// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "DTMF Special Call": composes an identity call (ANI: the other side's ID, the interval
// character and our self ID; PTTID: interval character and self ID) for one encode entry.
// The dialog only answers what to write; the DTMF editor puts it into its list, and the image
// receives it at the editor's next store.

#include "signalling/dtmf_codes.h"

#include <QDialog>
#include <QString>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace signalling {

class CDtmfSpecialCallDialog : public QDialog {
    Q_OBJECT
public:
    struct Call {
        int entry;     // 0-15, shown as "M1"-"M16"
        QString code;
    };

    // `entry` is preselected in "NO."; anything outside 0-15 (no current row) preselects "M1".
    CDtmfSpecialCallDialog(int entry, QString interval, QString selfId, QWidget* parent = nullptr);

    // What "OK" writes; nothing when "NO." names no entry.
    std::optional<Call> call() const;

private:
    void showOtherSideFor(int callType);

    QComboBox* m_no;              // owned through the widget tree
    QComboBox* m_callType;
    QLabel* m_otherSideLabel;
    QLineEdit* m_otherSide;
    QString m_interval;
    QString m_selfId;
};

} // namespace signalling
