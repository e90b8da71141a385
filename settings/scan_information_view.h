// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Scan Information editor: scanning on or off, priority channel watching with up to two
// priority channels, the revert channel, four scan timings and the scan-enter tone. It owns
// only its controls; between a load and a store they are the only copy of the user's edits.

#include "forms/base_form_view.h"

#include <cstdint>

class QCheckBox;
class QComboBox;
class QKeyEvent;

namespace settings {

class CScanInfoView : public forms::CBaseFormView {
    Q_OBJECT
public:
    explicit CScanInfoView(forms::EditorEnv env, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void StoreToImage() override;
    int helpContext() const override;

private:
    void buildForm();
    void fillFixedLists();

    void fillRevertList();
    void selectRevert(std::uint8_t code);
    void loadEnterTone(std::uint8_t value);
    void storeEnterTone();
    void storeRevert();

    // Rules run on the user's choices.
    void priorityModeChosen();
    void applyEnableRules();

    QComboBox* m_scanMode;
    QComboBox* m_priorityMode;
    QComboBox* m_priority1;
    QComboBox* m_priority2;
    QComboBox* m_revert;
    QComboBox* m_lookBackA;
    QComboBox* m_lookBackB;
    QComboBox* m_dropoutDelay;
    QComboBox* m_dwell;
    QCheckBox* m_enterTone;
};

} // namespace settings
