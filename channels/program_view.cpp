#include "channels/program_view.h"

#include "channels/channel_edit_dialog.h"
#include "channels/channel_texts.h"
#include "channels/tone.h"
#include "channels/value_tables.h"
#include "grid/grid_view.h"
#include "shell/combo_helpers.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace channels {

namespace {

constexpr int kGridRows = kLastSlot + 1;  // the header row, then one row per slot
constexpr int kHeaderRowTwips = 600;
constexpr int kLastColumn = kChannelColumns - 1;

// Backspace is always allowed by the grid's editors; the rest of the filter is what may be typed.
QString typedFrequencyCharacters() {
    QString allowed;
    for (char c : kFrequencyCharacterFilter)
        if (c != '\b') allowed.append(QLatin1Char(c));
    return allowed;
}

grid::EditorSetup columnEditor(int column) {
    if (isFrequencyColumn(column)) return grid::LineEditorSetup{typedFrequencyCharacters()};
    if (column == kColName) return grid::LineEditorSetup{QString(), kChannelNameLength, true};
    if (isToneColumn(column)) return grid::ListEditorSetup{toneCellList(), {}};
    return grid::ListEditorSetup{combo::toStringList(columnOptions(column)), {}};
}

} // namespace

CProgramView::CProgramView(shell::EditorEnv env, QWidget* parent)
    : CBaseFormView(env, parent), m_grid(new grid::GridView(this)),
      m_edit(new QPushButton(QString::fromLatin1(texts::kEditButton), this)),
      m_runEditDialog([](CChannelEditDialog& dialog) { dialog.exec(); }) {
    setObjectName(QStringLiteral("programView"));
    m_edit->setObjectName(QStringLiteral("edit"));
    m_edit->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_edit);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    setUpGrid();
    connect(m_edit, &QPushButton::clicked, this, [this] { openEditDialog(); });
    setFocusProxy(m_grid);
}

int CProgramView::helpContext() const { return texts::kChannelHelpContext; }

void CProgramView::setUpGrid() {
    m_grid->setRowCount(kGridRows);
    m_grid->setColumnCount(kChannelColumns);
    m_grid->setRowHeightTwips(0, kHeaderRowTwips);
    for (int column = 0; column < kChannelColumns; ++column) {
        const ChannelColumnInfo& info = kChannelColumnInfo[std::size_t(column)];
        m_grid->setText(0, column, QString::fromLatin1(info.header.data(), qsizetype(info.header.size())));
        m_grid->setColumnWidthTwips(column, info.widthTwips);
        m_grid->setColumnAlignment(column, Qt::AlignCenter);
        if (column != kColLabel) m_grid->setColumnEditor(column, columnEditor(column));
    }
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) m_grid->setText(slot, kColLabel, channelLabel(slot));

    grid::GridHooks hooks;
    hooks.beforeEdit = [this](int row, int column) { return beforeEdit(row, column); };
    hooks.commit = [this](int row, int column, const QString& text) { commitCell(row, column, text); };
    hooks.afterEnter = [this](int row, int column, const QString& text) { moveAfterEnter(row, column, text); };
    hooks.keyPress = [this](const QKeyEvent& event) { return gridKey(event); };
    // A click on a row label shows the whole row selected; in the data cells only the frame.
    hooks.mousePress = [this](Qt::MouseButton button, Qt::KeyboardModifiers, int, int column) {
        if (button != Qt::LeftButton) return;
        m_grid->setSelectionDisplay(column == kColLabel ? grid::SelectionDisplay::WithFocus
                                                        : grid::SelectionDisplay::CellOnly);
    };
    m_grid->setHooks(std::move(hooks));
    m_grid->setSelectionDisplay(grid::SelectionDisplay::CellOnly);
}

// ---- image ---------------------------------------------------------------------------

void CProgramView::LoadFromImage() {
    m_grid->commitEdit();
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
        showRow(slot, loadChannelRow(img(), state().bandLimits, slot));
}

void CProgramView::StoreToImage() {
    m_grid->commitEdit();
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) storeChannelRow(img(), slot, rowCells(slot));
    channelValidityPass(img(), state().bandLimits);
}

ChannelRowCells CProgramView::rowCells(int row) const {
    ChannelRowCells cells;
    for (int column = kColLabel; column < kChannelColumns; ++column) cells[column] = m_grid->text(row, column);
    return cells;
}

void CProgramView::showRow(int row, const ChannelRowCells& cells) {
    for (int column = kColRx; column < kChannelColumns; ++column) m_grid->setText(row, column, cells[column]);
}

// ---- in-cell editing -----------------------------------------------------------------

bool CProgramView::beforeEdit(int row, int) {
    // An empty row can only be given an RX frequency.
    if (m_grid->text(row, kColRx).isEmpty()) m_grid->setCurrentColumn(kColRx);
    m_grid->setSelectionDisplay(grid::SelectionDisplay::CellOnly);
    return true;
}

void CProgramView::commitCell(int row, int column, const QString& text) {
    ChannelRowCells cells = rowCells(row);
    if (column == kColRx) {
        if (commitRxCell(cells, img(), state().bandLimits, row, text) == RxCommit::VfoCannotBeNull) {
            env().prompts.message(QString::fromLatin1(texts::kVfoCannotBeNull));
            return;
        }
    } else if (column == kColTx) {
        commitTxCell(cells, state().bandLimits, text);
    } else {
        commitOptionCell(cells, column, text);
    }
    showRow(row, cells);
}

// After Enter a frequency moves on to the right, an emptied one down to the next row; every
// other column moves right.
void CProgramView::moveAfterEnter(int row, int column, const QString& text) {
    if (isFrequencyColumn(column) && text.isEmpty()) {
        if (row < kLastSlot) m_grid->setCurrentCell(row + 1, column);
        return;
    }
    moveRight(row, column);
}

void CProgramView::moveRight(int row, int column) {
    if (column < kLastColumn) m_grid->setCurrentCell(row, column + 1);
    else if (row < kLastSlot) m_grid->setCurrentCell(row + 1, kColRx);
}

// Right and Left run on from the end of one row to the start of the next, and back.
bool CProgramView::gridKey(const QKeyEvent& event) {
    const int row = m_grid->currentRow();
    const int column = m_grid->currentColumn();
    if (event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return false;
    if (event.key() == Qt::Key_Right && column == kLastColumn && row >= kFirstSlot && row < kLastSlot) {
        m_grid->setCurrentCell(row + 1, kColRx);
        return true;
    }
    if (event.key() == Qt::Key_Left && column == kColRx && row > kFirstSlot) {
        m_grid->setCurrentCell(row - 1, kLastColumn);
        return true;
    }
    if (event.key() == Qt::Key_F1) {
        env().help.showContext(helpContext());
        return true;
    }
    return false;
}

void CProgramView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        env().help.showContext(helpContext());
        return;
    }
    CBaseFormView::keyPressEvent(event);
}

// ---- Channel Edit dialog -------------------------------------------------------------

void CProgramView::openEditDialog() {
    StoreToImage();
    const int slot = std::max(m_grid->currentRow(), kFirstSlot);
    {
        CChannelEditDialog dialog(env(), slot, this);
        m_runEditDialog(dialog);
    }  // the dialog has stored its slot by now, however it was closed
    LoadFromImage();
    m_grid->setFocus();
}

} // namespace channels
