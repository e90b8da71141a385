// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Function Setup editor: the radio's general settings as one form. It owns only its
// controls; LoadFromImage fills them from the image and StoreToImage writes them back, field
// for field in the same order. Its rules (scramble word, MR channel list, texts) live in
// settings/function_setup.h.

#include "forms/base_form_view.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace settings {

class COptionView : public forms::CBaseFormView {
    Q_OBJECT
public:
    explicit COptionView(forms::EditorEnv env, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void StoreToImage() override;
    int helpContext() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void layOut();
    void fillFixedLists();
    void connectControls();

    void runDependants();
    void updatePasswordVisibility();
    void updateDisplayModeDependants();
    void correctScramble();
    void leaveScramble();
    void loadMrChannel();

    bool m_shown = false;  // the first show puts the focus on "Squelch Level"

    QLineEdit* m_startingDisplay = nullptr;
    QComboBox* m_displayMode = nullptr;
    QComboBox* m_displayLock = nullptr;
    QComboBox* m_vfoMr = nullptr;
    QComboBox* m_mrChannel = nullptr;
    QComboBox* m_squelchLevel = nullptr;
    QComboBox* m_scanResume = nullptr;
    QComboBox* m_brightness = nullptr;
    QComboBox* m_toneBurst = nullptr;
    QComboBox* m_timeOutTimer = nullptr;
    QComboBox* m_autoPowerOff = nullptr;
    QComboBox* m_voicePrompt = nullptr;
    QComboBox* m_backlightColour = nullptr;
    QComboBox* m_pttReleaseBeep = nullptr;
    QLineEdit* m_scramble = nullptr;
    QComboBox* m_squelchKey = nullptr;
    QComboBox* m_tailEliminator = nullptr;
    QComboBox* m_txPower = nullptr;
    QCheckBox* m_usePassword = nullptr;
    QLabel* m_passwordLabel = nullptr;
    QLineEdit* m_password = nullptr;
    QCheckBox* m_inhibitBackground = nullptr;
    QCheckBox* m_inhibitInitialise = nullptr;
    QCheckBox* m_eliminateTail = nullptr;
};

} // namespace settings
