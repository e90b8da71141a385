// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/settings_file.h"
#include "grid/editor_setup.h"

#include <QPointer>
#include <QTableView>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class QAbstractButton;
class QTimer;

namespace grid {

class GridDelegate;
class GridModel;

// How selected cells are shown. The numbers are the values the list editors set.
enum class SelectionDisplay {
    CellOnly = 0,    // selection not filled, only the current-cell frame (while a cell is edited)
    Always = 1,      // selection filled whether or not the grid has the focus
    WithFocus = 2,   // selection filled while the grid has the focus (after a click on a row label)
};

// What the owning editor decides. Every hook is optional. Rows and columns are grid
// coordinates (row 0 header, column 0 label). The grid calls them for as long as it lives, so an
// owner whose hooks use its own members calls setHooks({}) in its destructor.
struct GridHooks {
    // Before an in-cell editor opens on the current cell. The owner may move the current cell
    // (an empty channel row edits its RX column first) or return false to refuse.
    std::function<bool(int row, int column)> beforeEdit;
    // When an edit ends with a commit, with the editor's text. Without this hook the text goes
    // into the cell; with it the owner decides what the cell (and its row) become.
    std::function<void(int row, int column, const QString& text)> commit;
    // After an edit that ended with Enter was committed; the grid has the focus again and the
    // owner moves the current cell as its list requires. Without it the current cell stays.
    std::function<void(int row, int column, const QString& text)> afterEnter;
    // A key pressed on the grid (not in an editor) before the grid handles it; return true
    // when the owner handled it (the channel list wraps Right and Left at row ends).
    std::function<bool(const QKeyEvent& event)> keyPress;
    // A mouse button pressed on a cell, the header row (row 0) or a row label (column 0),
    // after the current cell moved and before an edit opens.
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int row, int column)> mousePress;
    // The current cell changed.
    std::function<void(int row, int column)> cellEntered;
    // A double click on a cell or row label where no editor opened.
    std::function<void(int row, int column)> doubleClick;
    // The selected cells changed.
    std::function<void()> selectionChanged;
    // The context menu was asked for (right button or the menu key) over a cell, a row label
    // (column 0) or the header row (row 0); -1 outside any.
    std::function<void(const QPoint& globalPos, int row, int column)> contextMenu;
};

// The grid of the list editors: a matrix of text cells whose row 0 is the header row and whose
// column 0 holds each entry's label. Callers address cells by (row, column) in that numbering;
// the header row is the view's horizontal header and the label column its vertical header, so
// both stay in place while the data scrolls. Sizes are given in twips, the sizes at the
// standard font (twips.h), and follow the grid's font: a larger font widens every column in
// proportion, and no column is narrower than its header's longest word, the widest value its
// editor takes, or (read-only columns) the widest text it shows. The user widens a column by
// dragging its header edge; rememberColumnWidths keeps those widths in "Program.ini".
//
// Editing: columns given an editor (setColumnEditor) are editable. A left-button press on a
// cell, Enter or F2, or typing a character (which goes into the editor) opens the column's
// editor on the current cell; Enter commits, Escape cancels, losing the focus to another control
// or scrolling commits, and the window losing activation leaves the edit open. What a commit
// does to the row is the owner's decision (GridHooks::commit).
class GridView final : public QTableView {
    Q_OBJECT
public:
    explicit GridView(QWidget* parent = nullptr);
    ~GridView() override;

    void setRowCount(int rows);
    int rowCount() const;
    void setColumnCount(int columns);
    int columnCount() const;
    // The label column plus any further fixed columns (2 in the 5Tone list).
    void setFixedColumnCount(int columns);
    int fixedColumnCount() const;

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    void setCurrentText(const QString& text);

    // -1 while the grid has no data cell.
    int currentRow() const;
    int currentColumn() const;
    void setCurrentColumn(int column);
    void setCurrentCell(int row, int column);

    void setColumnWidthTwips(int column, int twips);
    int columnWidthTwips(int column) const;
    // Row 0 is the header row.
    void setRowHeightTwips(int row, int twips);
    int rowHeightTwips(int row) const;
    // Every column starts centred.
    void setColumnAlignment(int column, Qt::Alignment alignment);

    // The DPI used for twips; 0 takes the screen's logical DPI (the default).
    void setLogicalDpi(int dpiX, int dpiY);

    // Column widths the user drags are written to `file` under section "Columns", key `key`
    // (one twips figure per column, 0 for a column left as laid out), and read back from
    // there now and whenever the list is laid out again.
    void rememberColumnWidths(app::SettingsFile file, const QString& key);
    // The grid asks its layout for room for every column, so the list never scrolls sideways.
    void setShowsAllColumns(bool all);
    QSize minimumSizeHint() const override;
    // The width of every column, the label column included, in pixels.
    int columnsWidth() const;

    // Rows are selected by their labels as in a spreadsheet: a click selects one row, Shift
    // extends from the row clicked before, Ctrl adds or removes one.
    // Rows holding a selected cell, ascending.
    std::vector<int> selectedRows() const;
    bool isWholeRowSelected(int row) const;
    // Selects the given rows whole (ascending) and makes the first one's first data cell current.
    void selectRows(const std::vector<int>& rows);

    void setSelectionDisplay(SelectionDisplay display);
    SelectionDisplay selectionDisplay() const { return m_selectionDisplay; }

    void setColumnEditor(int column, EditorSetup setup);
    void clearColumnEditor(int column);
    const EditorSetup* columnEditor(int column) const;

    void setHooks(GridHooks hooks);

    // Opens the editor on the current cell as Enter does; false when none opened.
    bool beginEdit();
    // Commits an open editor as losing the focus would (before a list is stored or reloaded).
    void commitEdit();
    bool isEditing() const { return !m_editor.isNull(); }
    QWidget* activeEditor() const { return m_editor; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class GridDelegate;

    // How an in-cell edit ended.
    enum class EditEnd { FocusLost, Enter, Tab, Cancel, Scroll };

    void headerPressed(Qt::Orientation header, int section, const QMouseEvent& event);
    bool isFixedViewColumn(int viewColumn) const;
    int firstDataViewColumn() const;
    bool showsSelection() const;
    bool openEditor(QKeyEvent* firstKey);
    void endEdit(EditEnd how);
    QString editorText(const QWidget& editor) const;
    void ensureCurrentCell();
    void selectWholeRow(int viewRow);
    void labelPressed(int viewRow, const QMouseEvent& event);
    QItemSelection wholeRows(int firstViewRow, int lastViewRow) const;
    void applySizes();
    void applyColumnWidth(int column);
    void applyRowHeight(int row);
    void fitHeaderRow();
    int columnPixels(int column) const;
    int contentWidth(int column) const;
    int labelWidth() const;
    double fontScaleX() const;
    double fontScaleY() const;
    void columnDragged(int viewColumn, int pixels);
    void saveColumnWidths() const;
    int dpiX() const;
    int dpiY() const;
    void paintCorner(QAbstractButton& corner) const;

    GridModel* m_model;         // owned by this widget as Qt parent
    GridDelegate* m_delegate;   // owned by this widget as Qt parent
    QAbstractButton* m_corner = nullptr;   // the table's own corner button, painted with cell (0, 0)
    GridHooks m_hooks;
    std::map<int, EditorSetup> m_editors;
    std::vector<int> m_columnTwips;   // 0: not set
    std::vector<int> m_rowTwips;      // 0: not set
    std::vector<int> m_userTwips;     // widths the user dragged, in twips; 0: as laid out
    std::optional<app::SettingsFile> m_widthsFile;
    QString m_widthsKey;
    QTimer* m_saveWidths = nullptr;   // owned by this widget as Qt parent; one write per drag
    bool m_applyingSizes = false;     // the grid itself sets widths: no user drag
    bool m_showsAllColumns = false;
    int m_dpiX = 0;
    int m_dpiY = 0;
    SelectionDisplay m_selectionDisplay = SelectionDisplay::Always;
    QPointer<QWidget> m_editor;
    int m_anchorRow = -1;   // the view row a Shift click on a label extends from
    int m_editRow = -1;
    int m_editColumn = -1;
    QString m_editOriginal;
};

} // namespace grid
