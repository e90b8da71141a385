// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Channel editor: all 203 channel chosen as rows of a grid, edited in place like a
// spreadsheet, with an "Edit" button that opens the Channel Edit dialog on the current row.
// Between a load and a store the grid cells are the only copy of the user's edits.

#include "channels/channel_rows.h"
#include "forms/base_form_view.h"

#include <functional>
#include <vector>

class QPushButton;
class QKeyEvent;
class QPoint;

namespace grid {
class GridView;
}

namespace channels {

class CChannelEditDialog;

class CProgramView : public forms::CBaseFormView {
    Q_OBJECT
public:
    // Runs the Channel Edit dialog and returns once it is closed; modal by default.
    using EditDialogRunner = std::function<void(CChannelEditDialog&)>;

    explicit CProgramView(forms::EditorEnv env, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void StoreToImage() override;
    int helpContext() const override;
    void showField(const QString& field) override;
    bool canRun(forms::EditCommand command) const override;
    void run(forms::EditCommand command) override;

    // Tests replace the modal run with one that acts on the dialog and closes it.
    void setEditDialogRunner(EditDialogRunner runner) { m_runEditDialog = std::move(runner); }
    grid::GridView* grid() const { return m_grid; }

private:
    void setUpGrid();
    ChannelRowCells rowCells(int row) const;
    void showRow(int row, const ChannelRowCells& cells);

    bool beforeEdit(int row, int column);
    void commitCell(int row, int column, const QString& text);
    void moveAfterEnter(int row, int column, const QString& text);
    bool gridKey(const QKeyEvent& event);
    void moveRight(int row, int column);
    void openEditDialog();

    // Row commands: the selected rows (or the current row), as chosen.
    std::vector<int> commandSlots() const;
    bool allOrdinary(const std::vector<int>& chosen) const;
    void copyRows(const std::vector<int>& chosen);
    void paste(int firstSlot);
    // A paste of whole records copied in this program; false when the clipboard holds none.
    bool pasteRecords(int firstSlot);
    void insertRows(const std::vector<int>& chosen);
    // Stores, lets `change` work on the image, reloads, and tells the main window so it keeps
    // the other editors in step and records one undo step named after the command.
    void changeImage(forms::EditCommand command, const std::function<void()>& change);
    void selectSlots(const std::vector<int>& chosen);
    void showContextMenu(const QPoint& globalPos);

    grid::GridView* m_grid;     // owned through the widget tree
    QPushButton* m_edit;        // owned through the widget tree
    EditDialogRunner m_runEditDialog;
    bool m_clipboardHasText = false;  // asked once per clipboard change: asking can be slow
    bool m_syncing = false;  // inside LoadFromImage or StoreToImage: a commit there is no edit of its own
};

} // namespace channels
