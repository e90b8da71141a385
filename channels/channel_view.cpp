// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channel_view.h"

#include "channels/channel_checks.h"
#include "channels/channel_csv.h"
#include "channels/channel_edit_dialog.h"
#include "channels/channel_row_ops.h"
#include "channels/channel_texts.h"
#include "channels/tone.h"
#include "channels/value_tables.h"
#include "grid/grid_view.h"
#include "image/consistency_pass.h"
#include "forms/combo_helpers.h"
#include "forms/edit_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace channels {

namespace {

constexpr int kGridRows = kLastSlot + 1;  // the header row, then one row per slot
constexpr int kHeaderRowTwips = 600;
constexpr int kLastColumn = kChannelColumns - 1;
constexpr int kLastOrdinarySlot = kFirstSlot + kOrdinarySlots - 1;
const QString kCsvMimeType = QStringLiteral("text/csv");
// Whole records, for a paste into this program (see rows::copyRecords).
const QString kRecordsMimeType = QStringLiteral("application/x-qmr417-channel-records");


// Sets a flag for as long as it lives.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~FlagScope() { m_flag = m_was; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
    bool m_was;
};

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
    return grid::ListEditorSetup{forms::combo::toStringList(columnOptions(column)), {}};
}

} // namespace

CProgramView::CProgramView(forms::EditorEnv env, QWidget* parent)
    : CBaseFormView(env, parent), m_grid(new grid::GridView(this)),
      m_edit(new QPushButton(texts::tr(texts::kEditButton), this)),
      m_runEditDialog([](CChannelEditDialog& dialog) { dialog.exec(); }) {
    setObjectName(QStringLiteral("programView"));
    m_edit->setObjectName(QStringLiteral("edit"));
    m_grid->setAccessibleName(texts::tr(texts::kListName));
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

// "CH 12 Optional Signaling": row CH 12, the column of that header (the RX column for a field
// the list does not show).
void CProgramView::showField(const QString& field) {
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        const QString row = channelField(slot, "");
        if (!field.startsWith(row)) continue;
        const QString header = field.mid(row.size());
        int column = kColRx;
        for (int c = kColRx; c < kChannelColumns; ++c) {
            if (header == texts::tr(kChannelColumnInfo[std::size_t(c)].header.data())) column = c;
        }
        m_grid->setCurrentCell(slot, column);
        m_grid->scrollTo(m_grid->currentIndex(), QAbstractItemView::PositionAtCenter);
        m_grid->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void CProgramView::setUpGrid() {
    m_grid->setRowCount(kGridRows);
    m_grid->setColumnCount(kChannelColumns);
    m_grid->setRowHeightTwips(0, kHeaderRowTwips);
    for (int column = 0; column < kChannelColumns; ++column) {
        const ChannelColumnInfo& info = kChannelColumnInfo[std::size_t(column)];
        m_grid->setText(0, column, texts::tr(info.header.data()));  // a literal: terminated
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
    // Shift and Ctrl clicks extend the selection, which then shows too.
    hooks.mousePress = [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int, int column) {
        if (button != Qt::LeftButton) return;
        const bool extending = modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
        m_grid->setSelectionDisplay(column == kColLabel || extending ? grid::SelectionDisplay::WithFocus
                                                                     : grid::SelectionDisplay::CellOnly);
    };
    hooks.selectionChanged = [this] { emit commandsChanged(); };
    hooks.cellEntered = [this](int, int) { emit commandsChanged(); };
    hooks.contextMenu = [this](const QPoint& globalPos, int, int) { showContextMenu(globalPos); };
    m_grid->setHooks(std::move(hooks));
    m_grid->setSelectionDisplay(grid::SelectionDisplay::CellOnly);
    QClipboard* clipboard = QGuiApplication::clipboard();
    m_clipboardHasText = !clipboard->text().trimmed().isEmpty();
    connect(clipboard, &QClipboard::dataChanged, this, [this, clipboard] {
        m_clipboardHasText = !clipboard->text().trimmed().isEmpty();
        emit commandsChanged();
    });
}

// ---- image ---------------------------------------------------------------------------

void CProgramView::LoadFromImage() {
    const FlagScope syncing(m_syncing);
    m_grid->commitEdit();
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
        showRow(slot, loadChannelRow(img(), state().bandLimits, slot));
}

void CProgramView::StoreToImage() {
    const FlagScope syncing(m_syncing);
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
    app::Correction correction;
    if (column == kColRx) {
        const RxCommit commit = commitRxCell(cells, img(), state().bandLimits, row, text);
        if (commit.vfoCannotBeNull) {
            env().prompts.message(texts::tr(texts::kVfoCannotBeNull));
            return;
        }
        correction = commit.correction;
    } else if (column == kColTx) {
        correction = commitTxCell(cells, state().bandLimits, text);
    } else {
        commitOptionCell(cells, column, text);
    }
    showRow(row, cells);
    env().host.showCorrection(correction);
    if (!m_syncing) emit editCompleted();
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
    // Del empties rows selected by their labels; in a single cell it does nothing.
    const std::vector<int> selected = m_grid->selectedRows();
    const bool wholeRows = !selected.empty() && std::all_of(selected.begin(), selected.end(), [this](int r) {
        return m_grid->isWholeRowSelected(r);
    });
    if (event.key() == Qt::Key_Delete && wholeRows && canRun(forms::EditCommand::Delete)) {
        run(forms::EditCommand::Delete);
        return true;
    }
    return false;
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
    emit editCompleted();
}

// ---- row commands --------------------------------------------------------------------

std::vector<int> CProgramView::commandSlots() const {
    std::vector<int> chosen = m_grid->selectedRows();
    if (chosen.empty() && m_grid->currentRow() >= kFirstSlot) chosen.push_back(m_grid->currentRow());
    return chosen;
}

bool CProgramView::allOrdinary(const std::vector<int>& chosen) const {
    return !chosen.empty() && chosen.front() >= kFirstSlot && chosen.back() <= kLastOrdinarySlot;
}

bool CProgramView::canRun(forms::EditCommand command) const {
    using forms::EditCommand;
    const std::vector<int> chosen = commandSlots();
    const bool ordinary = allOrdinary(chosen);
    switch (command) {
    case EditCommand::Copy:
    case EditCommand::Cut:
    case EditCommand::Delete:
    case EditCommand::InsertRow:
    case EditCommand::DeleteRow: return ordinary;
    case EditCommand::Paste:
        return ordinary && m_clipboardHasText;
    case EditCommand::MoveUp: return ordinary && chosen.front() > kFirstSlot;
    case EditCommand::MoveDown: return ordinary && chosen.back() < kLastOrdinarySlot;
    case EditCommand::SortByRx: return chosen.size() < 2 || ordinary;
    }
    return false;
}

void CProgramView::run(forms::EditCommand command) {
    using forms::EditCommand;
    if (!canRun(command)) return;
    const std::vector<int> chosen = commandSlots();
    switch (command) {
    case EditCommand::Copy: copyRows(chosen); return;
    case EditCommand::Cut:
        copyRows(chosen);
        changeImage(command, [&] { rows::clearRows(img(), chosen); });
        return;
    case EditCommand::Delete: changeImage(command, [&] { rows::clearRows(img(), chosen); }); return;
    case EditCommand::Paste: paste(chosen.front()); return;
    case EditCommand::InsertRow: insertRows(chosen); return;
    case EditCommand::DeleteRow:
        changeImage(command, [&] { rows::deleteRows(img(), chosen); });
        selectSlots({chosen.front()});
        return;
    case EditCommand::MoveUp:
    case EditCommand::MoveDown: {
        const int delta = command == EditCommand::MoveUp ? -1 : 1;
        changeImage(command, [&] { rows::moveRows(img(), chosen, delta); });
        std::vector<int> moved;
        for (const int slot : chosen) moved.push_back(slot + delta);
        selectSlots(moved);
        return;
    }
    case EditCommand::SortByRx: changeImage(command, [&] { rows::sortByRx(img(), chosen); }); return;
    }
}

void CProgramView::copyRows(const std::vector<int>& chosen) {
    StoreToImage();
    const QString csv = csv::exportSlots(img(), chosen);
    auto* mime = new QMimeData;
    mime->setText(csv);
    mime->setData(kCsvMimeType, csv.toUtf8());
    mime->setData(kRecordsMimeType, rows::copyRecords(img(), chosen));
    QGuiApplication::clipboard()->setMimeData(mime);  // the clipboard owns it
}

void CProgramView::paste(int firstSlot) {
    if (pasteRecords(firstSlot)) return;
    const QString clip = QGuiApplication::clipboard()->text();
    if (clip.trimmed().isEmpty()) {
        env().prompts.message(texts::tr(texts::kNothingToPaste));
        return;
    }
    emit imageAboutToChange();
    StoreToImage();
    const csv::ImportPlan plan = csv::planPaste(clip, img(), state().bandLimits, firstSlot);
    if (!plan.ok()) {
        env().prompts.message(texts::tr(texts::kPasteCannotUse).arg(plan.error));
        return;
    }
    csv::applyImport(img(), state().bandLimits, plan);
    LoadFromImage();
    emit imageChanged(forms::stepName(forms::EditCommand::Paste));
    std::vector<int> pasted;
    for (const csv::ImportedChannel& channel : plan.channels) pasted.push_back(channel.slot);
    selectSlots(pasted);
    if (!plan.refused.empty() || !plan.warnings.empty())
        env().prompts.message(texts::tr(texts::kPasteReport)
                                  .arg(plan.channels.size())
                                  .arg(plan.refused.size())
                                  .arg(plan.warningCount())
                                  .arg(csv::reportLines(plan).join(u'\n')));
}

// Channels copied in this program come back byte for byte; anything else is text.
bool CProgramView::pasteRecords(int firstSlot) {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime || !mime->hasFormat(kRecordsMimeType)) return false;
    const QByteArray copied = mime->data(kRecordsMimeType);
    if (!rows::holdsRecords(copied)) return false;  // not ours after all: the text decides
    rows::RecordPaste result;
    changeImage(forms::EditCommand::Paste, [&] { result = rows::pasteRecords(img(), copied, firstSlot); });
    selectSlots(result.pasted);
    if (result.leftOut > 0)
        env().prompts.message(texts::tr(texts::kPasteRecordsPastEnd).arg(result.pasted.size()).arg(result.leftOut));
    return true;
}

void CProgramView::insertRows(const std::vector<int>& chosen) {
    const int first = chosen.front();
    const int count = int(chosen.size());
    int refusedAt = 0;
    changeImage(forms::EditCommand::InsertRow, [&] { refusedAt = rows::insertRows(img(), first, count); });
    if (refusedAt > 0) {
        env().prompts.message(texts::tr(texts::kInsertRefused).arg(channelLabel(refusedAt)));
        return;
    }
    std::vector<int> inserted;
    for (int slot = first; slot < first + count; ++slot) inserted.push_back(slot);
    selectSlots(inserted);
}

void CProgramView::changeImage(forms::EditCommand command, const std::function<void()>& change) {
    emit imageAboutToChange();
    StoreToImage();
    change();
    // The image as a store leaves it, as after an import, so the step undone later is exact.
    channelValidityPass(img(), state().bandLimits);
    image::runConsistencyPass(img(), state().bandLimits);
    LoadFromImage();
    emit imageChanged(forms::stepName(command));
}

void CProgramView::selectSlots(const std::vector<int>& chosen) {
    if (chosen.empty()) return;
    m_grid->selectRows(chosen);
    m_grid->setSelectionDisplay(grid::SelectionDisplay::WithFocus);
    emit commandsChanged();
}

// The row commands as the Edit menu has them, after the Channel Edit dialog and the main
// window's Undo and Redo.
void CProgramView::showContextMenu(const QPoint& globalPos) {
    m_grid->commitEdit();  // a committed cell is a step of its own before Undo is named
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("channelContextMenu"));
    QAction* edit = menu.addAction(texts::tr(texts::kEditCommand));
    edit->setObjectName(QStringLiteral("actionEditChannel"));
    connect(edit, &QAction::triggered, this, [this] { openEditDialog(); });
    const QList<QAction*> history = env().host.historyActions();
    if (!history.isEmpty()) {
        menu.addSeparator();
        menu.addActions(history);
    }
    menu.addSeparator();
    for (const forms::EditCommandInfo& info : forms::kEditCommands) {
        if (info.separatorBefore) menu.addSeparator();
        QString label = forms::commandText(info);
        if (!info.keys.empty()) label += u'\t' + forms::commandKeys(info);
        QAction* action = menu.addAction(label);
        action->setObjectName(QLatin1String(info.objectName));
        action->setEnabled(canRun(info.command));
        connect(action, &QAction::triggered, this, [this, command = info.command] { run(command); });
    }
    menu.exec(globalPos);
}

} // namespace channels
