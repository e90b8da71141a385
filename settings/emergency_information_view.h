// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Emergency Information editor: what the radio does when its emergency function is
// triggered (local alarm, ENI identification by DTMF or 5Tone, the channel it is sent on and
// the alarm cycle timings). It owns only its drop-downs; the rules live in emergency_rules.

#include "forms/base_form_view.h"

#include <QSet>

class QComboBox;
class QKeyEvent;

namespace settings {

class CAlarmView : public forms::CBaseFormView {
    Q_OBJECT
public:
    explicit CAlarmView(forms::EditorEnv env, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void StoreToImage() override;
    int helpContext() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildForm();
    void fillFixedLists();
    void connectControls();

    void rebuildIdList(bool loading);
    void applyEnableRule();
    void applyChannelEnableRule();
    void storeIndex(QComboBox* box, image::Addr at, int listSize);

    QComboBox* m_alarmType;
    QComboBox* m_eniType;
    QComboBox* m_emergencyId;
    QComboBox* m_alarmTime;
    QComboBox* m_txDuration;
    QComboBox* m_rxDuration;
    QComboBox* m_sendChannel;
    QComboBox* m_emergencyChannel;
    QComboBox* m_cycle;
    // Index lists the user has chosen in since the last load (see indexToStore).
    QSet<const QComboBox*> m_chosen;
};

} // namespace settings
