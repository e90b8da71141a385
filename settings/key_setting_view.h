// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Key Setting editor: one drop-down for each of the 15 key assignments (P1-P5 short,
// long, and with FUNC). It owns only its controls; the slots, codes and the MONI rule live
// in settings/key_setting.h.

#include "forms/base_form_view.h"

#include <array>

class QComboBox;

namespace settings {

class CKeyDefineView : public forms::CBaseFormView {
    Q_OBJECT
public:
    explicit CKeyDefineView(forms::EditorEnv env, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void StoreToImage() override;
    int helpContext() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyMoniRule(std::size_t slot);

    std::array<QComboBox*, 15> m_keys{};  // in the order of keys::kKeySlots
};

} // namespace settings
