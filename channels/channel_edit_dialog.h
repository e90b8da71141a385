// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Channel Edit dialog: every field of one channel record, including those the channel
// list does not show. It writes straight into the radio image whenever it leaves a slot
// (stepping to another one, or closing in any way) and owns nothing but its controls.

#include "channels/channel_edit_rules.h"
#include "channels/channel_record.h"
#include "forms/base_form_view.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;
class QPushButton;

namespace channels {

class CChannelEditDialog : public QDialog {
    Q_OBJECT
public:
    CChannelEditDialog(forms::EditorEnv env, int slot, QWidget* parent = nullptr);
    ~CChannelEditDialog() override;

    int currentSlot() const { return m_slot; }

    // Every way of closing ends here: the slot on screen is stored first.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The type drop-down of one tone side with its value list and DCS "Reverse".
    struct ToneControls {
        QComboBox* type = nullptr;
        QComboBox* value = nullptr;
        QCheckBox* reverse = nullptr;
        int rememberedType = -1;
    };

    void buildControls();
    void fillFixedLists();
    void connectControls();
    ToneControls& tone(ToneSide side) { return side == ToneSide::Decode ? m_decode : m_encode; }

    void loadSlot(int slot);
    void showEmptyRecord();
    void loadOptions(const ChannelRecordView& record);
    void loadTone(ToneSide side, const ChannelRecordView& record);
    void loadSignalling(const ChannelRecordView& record);
    void setRecordControlsEnabled(bool on);

    void storeSlot();
    ChannelEdit::Tone toneEdit(ToneSide side) const;

    void commitRx();
    void commitTx();
    void commitPendingEdits();
    void leaveSlotFor(int slot);
    void navigateToTypedSlot();
    void stepSlot(int step);

    void rebuildToneValues(ToneSide side);
    void rebuildCodeList();
    void rebuildSquelchList();
    void toneTypeChosen(ToneSide side);
    void signallingTypeChosen();

    forms::EditorEnv m_env;
    int m_slot;
    QString m_rememberedRx;  // RX text as last loaded or committed; empty for an empty slot
    QString m_rememberedTx;  // TX text as last loaded or committed
    int m_rememberedSignalling = -1;
    bool m_stored = false;    // set once closing has stored the slot
    bool m_committing = false;

    QLineEdit* m_no = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    QLineEdit* m_rx = nullptr;
    QLineEdit* m_tx = nullptr;
    QLineEdit* m_name = nullptr;
    QComboBox* m_step = nullptr;
    QComboBox* m_spacing = nullptr;
    QComboBox* m_power = nullptr;
    ToneControls m_decode;
    ToneControls m_encode;
    QComboBox* m_signalling = nullptr;
    QComboBox* m_code = nullptr;
    QComboBox* m_squelch = nullptr;
    QComboBox* m_dtmfPttId = nullptr;
    QComboBox* m_fiveTonePttId = nullptr;
    QComboBox* m_scrambler = nullptr;
    QComboBox* m_busyLock = nullptr;
    QCheckBox* m_scanSkip = nullptr;
    QCheckBox* m_reverse = nullptr;
    QCheckBox* m_talkAround = nullptr;
    QCheckBox* m_compander = nullptr;
    QCheckBox* m_txOff = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace channels
