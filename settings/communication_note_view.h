// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Communication Note editor: the radio's 128 contacts, each a call ID of up to five
// digits and a name of up to seven capitals or digits, edited in place in a grid. Unlike the
// single-value forms, the grid cells hold the contacts between a load and a store.

#include "forms/base_form_view.h"

class QKeyEvent;

namespace grid {
class GridView;
}

namespace settings {

class CContactView : public forms::CBaseFormView {
    Q_OBJECT
public:
    explicit CContactView(forms::EditorEnv env, QWidget* parent = nullptr);
    ~CContactView() override;

    void LoadFromImage() override;
    void StoreToImage() override;
    int helpContext() const override;

    grid::GridView* grid() const { return m_grid; }

private:
    void setUpGrid();
    void cellEntered(int row, int column);

    grid::GridView* m_grid;  // owned through the widget tree
};

} // namespace settings
