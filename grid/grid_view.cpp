// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_view.h"

#include "grid/grid_delegate.h"
#include "grid/grid_model.h"
#include "grid/twips.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTimer>

#include <algorithm>
#include <cassert>
#include <limits>

namespace grid {

namespace {

// Data rows get a compact height so that many channels fit; the lists set only the header row.
constexpr int kRowPadding = 6;
// Room beside a cell's text: the current-cell frame and the style's text margins.
constexpr int kCellPadding = 10;
// A line editor's widest value is measured when it holds at most this many characters.
constexpr int kLongestMeasuredValue = 24;
constexpr int kSaveWidthsDelayMs = 400;
const QString kColumnsSection = QStringLiteral("Columns");
// The letters whose average width tells how wide a font draws.
const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");

// The row labels. Their width is set, so the header's own size hint, which measures the text
// of up to 200 labels and is asked again after every label set, has nothing to tell the
// table; only a column left without a set width sizes to its labels.
class LabelColumn final : public QHeaderView
{
public:
    explicit LabelColumn(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}

    QSize sizeHint() const override
    {
        if (minimumWidth() == maximumWidth())
            return {minimumWidth(), defaultSectionSize()};
        return QHeaderView::sizeHint();
    }
};

bool isTypedCharacter(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

bool opensList(const QKeyEvent& event)
{
    return event.key() == Qt::Key_F4 || (event.key() == Qt::Key_Down && (event.modifiers() & Qt::AltModifier));
}

int widestText(const QFontMetrics& metrics, const QStringList& texts)
{
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

// The widest value an editor takes: its widest entry, or as many of its widest character
// as a short line holds.
int widestValue(const QFontMetrics& metrics, const EditorSetup& setup)
{
    if (const auto* list = std::get_if<ListEditorSetup>(&setup))
        return widestText(metrics, list->provider ? list->provider() : list->entries);
    const auto& line = std::get<LineEditorSetup>(setup);
    if (line.maxLength > kLongestMeasuredValue)
        return 0;
    QString characters = line.allowedChars.isEmpty() ? QStringLiteral("MW@") : line.allowedChars;
    if (line.upperCase)
        characters = characters.toUpper();
    int widest = 0;
    for (const QChar character : characters)
        widest = std::max(widest, metrics.horizontalAdvance(character));
    return widest * line.maxLength;
}

// "600,0,1500": one figure per column; what cannot be read counts as 0.
std::vector<int> parseWidths(const QString& text, std::size_t columns)
{
    std::vector<int> widths(columns, 0);
    const QStringList figures = text.split(u',');
    for (std::size_t column = 0; column < columns && column < std::size_t(figures.size()); ++column)
        widths[column] = std::max(0, figures[qsizetype(column)].trimmed().toInt());
    return widths;
}

} // namespace

GridView::GridView(QWidget* parent)
    : QTableView(parent), m_model(new GridModel(this)), m_delegate(new GridDelegate(*this))
{
    setObjectName(QStringLiteral("grid"));
    setVerticalHeader(new LabelColumn(this));
    setModel(m_model);
    setItemDelegate(m_delegate);
    setEditTriggers(NoEditTriggers);   // editors open only through openEditor(), with the hooks
    setSelectionMode(ContiguousSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(false);        // Tab leaves the grid for the form's other controls
    setCornerButtonEnabled(false);
    setWordWrap(false);

    QHeaderView* top = horizontalHeader();
    top->setObjectName(QStringLiteral("gridHeaderRow"));
    top->setSectionResizeMode(QHeaderView::Interactive);   // a header edge dragged widens its column
    top->setMinimumSectionSize(fontMetrics().averageCharWidth() * 2);
    top->setTextElideMode(Qt::ElideNone);   // eliding would defeat the wrapped header texts
    top->setHighlightSections(false);
    QHeaderView* side = verticalHeader();
    side->setObjectName(QStringLiteral("gridLabelColumn"));
    side->setSectionResizeMode(QHeaderView::Fixed);
    side->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
    side->setHighlightSections(false);

    m_saveWidths = new QTimer(this);
    m_saveWidths->setSingleShot(true);
    m_saveWidths->setInterval(kSaveWidthsDelayMs);
    connect(m_saveWidths, &QTimer::timeout, this, [this] { saveColumnWidths(); });
    connect(top, &QHeaderView::sectionResized, this,
            [this](int viewColumn, int, int pixels) { columnDragged(viewColumn, pixels); });

    m_corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner)
        m_corner->installEventFilter(this);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && m_hooks.cellEntered)
                    m_hooks.cellEntered(current.row() + 1, current.column() + 1);
            });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_hooks.selectionChanged)
            m_hooks.selectionChanged();
    });
    // The headers' own press handling ignores presses near a section edge when the sections
    // cannot be resized, which leaves a third of each row label dead; so the grid reads the
    // presses on both headers itself.
    top->viewport()->installEventFilter(this);
    side->viewport()->installEventFilter(this);
}

GridView::~GridView()
{
    // Destroying the widgets below moves the focus and the current cell; none of that may reach
    // the hooks or end an edit in a grid that is half gone.
    disconnect(selectionModel(), nullptr, this, nullptr);
    if (m_editor)
        m_editor->removeEventFilter(m_delegate);
    m_editor = nullptr;
}

void GridView::setRowCount(int rows)
{
    commitEdit();
    m_model->resize(rows, m_model->gridColumnCount());
    m_rowTwips.resize(std::size_t(m_model->gridRowCount()), 0);
    applySizes();
    ensureCurrentCell();
}

int GridView::rowCount() const
{
    return m_model->gridRowCount();
}

void GridView::setColumnCount(int columns)
{
    commitEdit();
    m_model->resize(m_model->gridRowCount(), columns);
    m_columnTwips.resize(std::size_t(m_model->gridColumnCount()), 0);
    m_userTwips.resize(std::size_t(m_model->gridColumnCount()), 0);
    std::erase_if(m_editors, [columns](const auto& entry) { return entry.first >= columns; });
    applySizes();
    ensureCurrentCell();
}

int GridView::columnCount() const
{
    return m_model->gridColumnCount();
}

void GridView::setFixedColumnCount(int columns)
{
    commitEdit();
    m_model->setFixedColumnCount(columns);
    applySizes();
    ensureCurrentCell();
}

int GridView::fixedColumnCount() const
{
    return m_model->fixedColumnCount();
}

QString GridView::text(int row, int column) const
{
    return m_model->text(row, column);
}

void GridView::setText(int row, int column, const QString& text)
{
    m_model->setText(row, column, text);
    if (row == 0 && column == 0 && m_corner)
        m_corner->update();
    if (row == 0 && column > 0)
        fitHeaderRow();
}

void GridView::setCurrentText(const QString& text)
{
    if (currentIndex().isValid())
        setText(currentRow(), currentColumn(), text);
}

int GridView::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : -1;
}

int GridView::currentColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() + 1 : -1;
}

void GridView::setCurrentColumn(int column)
{
    setCurrentCell(currentRow(), column);
}

void GridView::setCurrentCell(int row, int column)
{
    const bool dataCell = row >= 1 && column >= fixedColumnCount() && m_model->contains(row, column);
    if (!dataCell) {
        assert(!"the current cell must be a data cell");
        return;
    }
    setCurrentIndex(m_model->index(row - 1, column - 1));
}

void GridView::setColumnWidthTwips(int column, int twips)
{
    if (!m_model->contains(0, column)) {
        assert(!"grid column out of range");
        return;
    }
    m_columnTwips[std::size_t(column)] = twips;
    applyColumnWidth(column);
}

int GridView::columnWidthTwips(int column) const
{
    if (!m_model->contains(0, column)) {
        assert(!"grid column out of range");
        return 0;
    }
    if (const int twips = m_columnTwips[std::size_t(column)]; twips > 0)
        return twips;
    const int pixels = column == 0 ? verticalHeader()->width() : columnWidth(column - 1);
    return pixelsToTwips(pixels, dpiX());
}

void GridView::setRowHeightTwips(int row, int twips)
{
    if (!m_model->contains(row, 0)) {
        assert(!"grid row out of range");
        return;
    }
    m_rowTwips[std::size_t(row)] = twips;
    applyRowHeight(row);
}

int GridView::rowHeightTwips(int row) const
{
    if (!m_model->contains(row, 0)) {
        assert(!"grid row out of range");
        return 0;
    }
    if (const int twips = m_rowTwips[std::size_t(row)]; twips > 0)
        return twips;
    const int pixels = row == 0 ? horizontalHeader()->height() : rowHeight(row - 1);
    return pixelsToTwips(pixels, dpiY());
}

void GridView::setColumnAlignment(int column, Qt::Alignment alignment)
{
    m_model->setColumnAlignment(column, alignment);
}

void GridView::setLogicalDpi(int dpiX, int dpiY)
{
    m_dpiX = dpiX;
    m_dpiY = dpiY;
    applySizes();
}

void GridView::setSelectionDisplay(SelectionDisplay display)
{
    if (display == m_selectionDisplay)
        return;
    m_selectionDisplay = display;
    viewport()->update();
}

void GridView::setColumnEditor(int column, EditorSetup setup)
{
    if (column < fixedColumnCount() || column >= columnCount()) {
        assert(!"only data columns can be edited");
        return;
    }
    m_editors.insert_or_assign(column, std::move(setup));
    m_model->setColumnEditable(column, true);
}

void GridView::clearColumnEditor(int column)
{
    m_editors.erase(column);
    if (column >= 0 && column < columnCount())
        m_model->setColumnEditable(column, false);
}

const EditorSetup* GridView::columnEditor(int column) const
{
    if (!m_model->isColumnEditable(column))   // a later fixed-column count can take a column back
        return nullptr;
    const auto found = m_editors.find(column);
    return found == m_editors.end() ? nullptr : &found->second;
}

void GridView::setHooks(GridHooks hooks)
{
    m_hooks = std::move(hooks);
}

bool GridView::beginEdit()
{
    return openEditor(nullptr);
}

void GridView::commitEdit()
{
    endEdit(EditEnd::FocusLost);
}

void GridView::keyPressEvent(QKeyEvent* event)
{
    if (m_hooks.keyPress && m_hooks.keyPress(*event))
        return;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        openEditor(nullptr);
        return;
    default:
        break;
    }
    if (opensList(*event) && currentIndex().isValid()) {
        // F4 and Alt+Down on a list cell open its edit with the list shown, as on a drop-down.
        const EditorSetup* setup = columnEditor(currentIndex().column() + 1);
        if (setup && std::holds_alternative<ListEditorSetup>(*setup)) {
            openEditor(event);
            return;
        }
    }
    if (isTypedCharacter(*event)) {
        // Typing starts an edit with that character, as in a spreadsheet. It never searches
        // the labels, which the table would otherwise do.
        openEditor(event);
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && isFixedViewColumn(index.column()))
        selectWholeRow(index.row());   // a fixed cell never becomes current, as a row label
    else
        QTableView::mousePressEvent(event);
    if (!index.isValid())
        return;
    if (m_hooks.mousePress)
        m_hooks.mousePress(event->button(), event->modifiers(), index.row() + 1, index.column() + 1);
    // Shift and Ctrl clicks extend the selection instead of editing.
    const bool plainLeftPress = event->button() == Qt::LeftButton
        && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    if (plainLeftPress && currentIndex() == index)
        openEditor(nullptr);
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Not passed on: the table would replay it as a second press on a fixed cell.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && !isEditing() && m_hooks.doubleClick)
        m_hooks.doubleClick(index.row() + 1, index.column() + 1);
}

void GridView::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    if (m_hooks.contextMenu)
        m_hooks.contextMenu(event->globalPos(), index.isValid() ? index.row() + 1 : -1,
                            index.isValid() ? index.column() + 1 : -1);
}

void GridView::scrollContentsBy(int dx, int dy)
{
    // The editor belongs to the cell it opened on; rather than follow it, the edit ends.
    if (isEditing())
        endEdit(EditEnd::Scroll);
    QTableView::scrollContentsBy(dx, dy);
}

QModelIndex GridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (next.isValid() && isFixedViewColumn(next.column()))
        return m_model->index(next.row(), firstDataViewColumn());
    return next;
}

void GridView::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    viewport()->update();   // the selection and the current-cell frame depend on the focus
}

void GridView::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_corner && event->type() == QEvent::Paint) {
        paintCorner(*m_corner);
        return true;
    }
    if (event->type() == QEvent::ContextMenu && watched == verticalHeader()->viewport()) {
        const auto& menu = static_cast<const QContextMenuEvent&>(*event);
        const int section = verticalHeader()->logicalIndexAt(menu.pos());
        if (m_hooks.contextMenu)
            m_hooks.contextMenu(menu.globalPos(), section < 0 ? -1 : section + 1, section < 0 ? -1 : 0);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        for (const QHeaderView* header : {verticalHeader(), horizontalHeader()}) {
            if (watched != header->viewport())
                continue;
            const auto& mouse = static_cast<const QMouseEvent&>(*event);
            // On a column's edge the header itself takes the press: a drag widens the column.
            const int x = mouse.position().toPoint().x();
            const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, header);
            if (header->orientation() == Qt::Horizontal
                && header->logicalIndexAt(x - grip) != header->logicalIndexAt(x + grip))
                return false;
            headerPressed(header->orientation(), header->logicalIndexAt(mouse.position().toPoint()), mouse);
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

void GridView::headerPressed(Qt::Orientation header, int section, const QMouseEvent& event)
{
    if (section < 0)
        return;
    const int row = header == Qt::Vertical ? section + 1 : 0;
    const int column = header == Qt::Vertical ? 0 : section + 1;
    if (event.type() == QEvent::MouseButtonDblClick) {
        if (m_hooks.doubleClick)
            m_hooks.doubleClick(row, column);
        return;
    }
    if (header == Qt::Vertical)
        labelPressed(section, event);
    if (m_hooks.mousePress)
        m_hooks.mousePress(event.button(), event.modifiers(), row, column);
}

bool GridView::isFixedViewColumn(int viewColumn) const
{
    return m_model->isFixedColumn(viewColumn + 1);
}

int GridView::firstDataViewColumn() const
{
    return fixedColumnCount() - 1;
}

bool GridView::showsSelection() const
{
    switch (m_selectionDisplay) {
    case SelectionDisplay::CellOnly:
        return false;
    case SelectionDisplay::Always:
        return true;
    case SelectionDisplay::WithFocus:
        return hasFocus() || (m_editor && m_editor->hasFocus());
    }
    return true;
}

bool GridView::openEditor(QKeyEvent* firstKey)
{
    if (isEditing() || !currentIndex().isValid())
        return false;
    if (m_hooks.beforeEdit && !m_hooks.beforeEdit(currentRow(), currentColumn()))
        return false;
    const QModelIndex index = currentIndex();   // the hook may have moved it
    if (!index.isValid() || !columnEditor(index.column() + 1))
        return false;
    scrollTo(index);   // before the editor exists, so this scroll closes nothing
    if (!edit(index, AllEditTriggers, nullptr))
        return false;
    m_editor = indexWidget(index);
    if (!m_editor)
        return false;
    m_editRow = index.row() + 1;
    m_editColumn = index.column() + 1;
    m_editOriginal = m_model->text(m_editRow, m_editColumn);
    if (firstKey)
        QCoreApplication::sendEvent(m_editor, firstKey);
    return true;
}

void GridView::endEdit(EditEnd how)
{
    QWidget* editor = m_editor;
    if (!editor)
        return;
    // Cleared first: closing moves the focus, and the hooks may open message boxes; neither
    // may end this edit a second time.
    m_editor = nullptr;
    const int row = m_editRow;
    const int column = m_editColumn;
    const QString text = editorText(*editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);   // refocuses the grid if the editor had it
    if (how == EditEnd::Cancel)
        return;

    if (m_hooks.commit)
        m_hooks.commit(row, column, text);
    else
        setText(row, column, text);
    if (how == EditEnd::Enter && m_hooks.afterEnter)
        m_hooks.afterEnter(row, column, text);
}

QString GridView::editorText(const QWidget& editor) const
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(&editor))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(&editor))
        return combo->currentIndex() >= 0 ? combo->currentText() : m_editOriginal;
    return m_editOriginal;
}

void GridView::ensureCurrentCell()
{
    if (currentIndex().isValid() || m_model->rowCount() == 0)
        return;
    const int column = firstDataViewColumn();
    if (column >= m_model->columnCount())
        return;
    selectionModel()->setCurrentIndex(m_model->index(0, column), QItemSelectionModel::ClearAndSelect);
}

void GridView::selectWholeRow(int viewRow)
{
    const int lastColumn = m_model->columnCount() - 1;
    const int firstColumn = firstDataViewColumn();
    if (firstColumn > lastColumn)
        return;
    selectionModel()->setCurrentIndex(m_model->index(viewRow, firstColumn), QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(m_model->index(viewRow, firstColumn), m_model->index(viewRow, lastColumn)),
                             QItemSelectionModel::ClearAndSelect);
    m_anchorRow = viewRow;
}

void GridView::labelPressed(int viewRow, const QMouseEvent& event)
{
    if (event.button() == Qt::RightButton) {
        // The context menu acts on the selection; a label outside it selects its row first.
        if (!isWholeRowSelected(viewRow + 1))
            selectWholeRow(viewRow);
        return;
    }
    if (event.button() != Qt::LeftButton)
        return;
    const int firstColumn = firstDataViewColumn();
    if (firstColumn >= m_model->columnCount())
        return;
    if (event.modifiers() & Qt::ShiftModifier) {
        const int anchor = m_anchorRow >= 0 ? m_anchorRow : std::max(currentIndex().row(), 0);
        selectionModel()->setCurrentIndex(m_model->index(viewRow, firstColumn), QItemSelectionModel::NoUpdate);
        selectionModel()->select(wholeRows(std::min(anchor, viewRow), std::max(anchor, viewRow)),
                                 QItemSelectionModel::ClearAndSelect);
        return;
    }
    m_anchorRow = viewRow;
    if (event.modifiers() & Qt::ControlModifier) {
        selectionModel()->setCurrentIndex(m_model->index(viewRow, firstColumn), QItemSelectionModel::NoUpdate);
        selectionModel()->select(wholeRows(viewRow, viewRow), isWholeRowSelected(viewRow + 1)
                                                                  ? QItemSelectionModel::Deselect
                                                                  : QItemSelectionModel::Select);
        return;
    }
    selectWholeRow(viewRow);
}

QItemSelection GridView::wholeRows(int firstViewRow, int lastViewRow) const
{
    return QItemSelection(m_model->index(firstViewRow, firstDataViewColumn()),
                          m_model->index(lastViewRow, m_model->columnCount() - 1));
}

std::vector<int> GridView::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.push_back(index.row() + 1);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

bool GridView::isWholeRowSelected(int row) const
{
    const int viewRow = row - 1;
    if (viewRow < 0 || viewRow >= m_model->rowCount())
        return false;
    for (int column = firstDataViewColumn(); column < m_model->columnCount(); ++column)
        if (!selectionModel()->isSelected(m_model->index(viewRow, column)))
            return false;
    return firstDataViewColumn() < m_model->columnCount();
}

void GridView::selectRows(const std::vector<int>& rows)
{
    if (rows.empty() || firstDataViewColumn() >= m_model->columnCount())
        return;
    QItemSelection selection;
    for (const int row : rows)
        if (row >= 1 && row - 1 < m_model->rowCount())
            selection.merge(wholeRows(row - 1, row - 1), QItemSelectionModel::Select);
    if (selection.isEmpty())
        return;
    const int firstView = rows.front() - 1;
    selectionModel()->setCurrentIndex(m_model->index(firstView, firstDataViewColumn()), QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_anchorRow = firstView;
}

void GridView::applySizes()
{
    m_applyingSizes = true;
    for (int column = 0; column < columnCount(); ++column)
        applyColumnWidth(column);
    for (int row = 0; row < rowCount(); ++row)
        applyRowHeight(row);
    m_applyingSizes = false;
}

void GridView::applyColumnWidth(int column)
{
    if (m_columnTwips[std::size_t(column)] <= 0 && m_userTwips[std::size_t(column)] <= 0)
        return;
    const bool nested = m_applyingSizes;
    m_applyingSizes = true;
    const int pixels = columnPixels(column);
    if (column == 0) {
        verticalHeader()->setFixedWidth(pixels);
    } else {
        setColumnWidth(column - 1, pixels);
        fitHeaderRow();
    }
    m_applyingSizes = nested;
    updateGeometry();
}

// A width the user dragged stands as it was dragged; a laid-out one grows with the font and
// never cuts what the column shows.
int GridView::columnPixels(int column) const
{
    if (const int dragged = m_userTwips[std::size_t(column)]; dragged > 0 && column > 0)
        return int(twipsToPixels(dragged, dpiX()) * fontScaleX() + 0.5);
    const int scaled = int(twipsToPixels(m_columnTwips[std::size_t(column)], dpiX()) * fontScaleX() + 0.5);
    return std::max(scaled, column == 0 ? labelWidth() : contentWidth(column));
}

int GridView::contentWidth(int column) const
{
    const QHeaderView* top = horizontalHeader();
    const int headerMargin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, top);
    int width = 0;
    for (const QString& word : m_model->text(0, column).split(u' ', Qt::SkipEmptyParts))
        width = std::max(width, top->fontMetrics().horizontalAdvance(word) + 2 * headerMargin);
    const QFontMetrics metrics = fontMetrics();
    int value = 0;
    if (const EditorSetup* setup = columnEditor(column)) {
        value = widestValue(metrics, *setup);
    } else {
        for (int row = 1; row < rowCount(); ++row)
            value = std::max(value, metrics.horizontalAdvance(m_model->text(row, column)));
    }
    return std::max(width, value + kCellPadding);
}

int GridView::labelWidth() const
{
    const QHeaderView* side = verticalHeader();
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, side);
    int widest = 0;
    for (int row = 1; row < rowCount(); ++row)
        widest = std::max(widest, side->fontMetrics().horizontalAdvance(m_model->text(row, 0)));
    return widest + 2 * margin + kCellPadding;
}

double GridView::fontScaleX() const
{
    const double letter = QFontMetricsF(font()).horizontalAdvance(kLetters) / double(kLetters.size());
    return std::max(1.0, letter / (kStandardLetterWidth * dpiX() / kStandardDpi));
}

double GridView::fontScaleY() const
{
    const double line = QFontMetricsF(font()).lineSpacing();
    return std::max(1.0, line / (kStandardLineHeight * dpiY() / kStandardDpi));
}

void GridView::applyRowHeight(int row)
{
    const int twips = m_rowTwips[std::size_t(row)];
    if (twips <= 0)
        return;
    const int pixels = int(twipsToPixels(twips, dpiY()) * fontScaleY() + 0.5);
    if (row == 0)
        fitHeaderRow();
    else
        setRowHeight(row - 1, pixels);
}

// The header row keeps its set height (grown with the font) unless a header text, wrapped in
// its column, needs more: a narrow column's text ("Time of Encode Tone(ms)") takes a line
// more than the set height holds, and a clipped header cannot be read.
void GridView::fitHeaderRow()
{
    const int twips = m_rowTwips[0];
    if (twips <= 0)
        return;
    QHeaderView* top = horizontalHeader();
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, top);
    const QFontMetrics metrics = top->fontMetrics();
    int pixels = int(twipsToPixels(twips, dpiY()) * fontScaleY() + 0.5);
    for (int column = 1; column < columnCount(); ++column) {
        const QRect room(0, 0, std::max(1, columnWidth(column - 1) - 2 * margin), std::numeric_limits<int>::max() / 2);
        const QRect text = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, m_model->text(0, column));
        pixels = std::max(pixels, text.height() + 2 * margin);
    }
    top->setFixedHeight(pixels);
}

void GridView::rememberColumnWidths(app::SettingsFile file, const QString& key)
{
    m_widthsKey = key;
    m_userTwips = parseWidths(file.read(kColumnsSection, key, QString()), m_columnTwips.size());
    m_widthsFile = std::move(file);
    applySizes();
}

void GridView::columnDragged(int viewColumn, int pixels)
{
    if (m_applyingSizes)
        return;
    const std::size_t column = std::size_t(viewColumn) + 1;
    if (column >= m_userTwips.size())
        return;
    m_userTwips[column] = std::max(1, pixelsToTwips(int(pixels / fontScaleX() + 0.5), dpiX()));
    fitHeaderRow();
    updateGeometry();
    if (m_widthsFile)
        m_saveWidths->start();
}

void GridView::saveColumnWidths() const
{
    QStringList figures;
    for (const int twips : m_userTwips)
        figures.append(QString::number(twips));
    m_widthsFile->write(kColumnsSection, m_widthsKey, figures.join(u','));
}

void GridView::setShowsAllColumns(bool all)
{
    m_showsAllColumns = all;
    updateGeometry();
}

int GridView::columnsWidth() const
{
    int width = verticalHeader()->width();
    for (int column = 1; column < columnCount(); ++column)
        width += columnWidth(column - 1);
    return width;
}

QSize GridView::minimumSizeHint() const
{
    QSize hint = QTableView::minimumSizeHint();
    if (m_showsAllColumns) {
        const int frame = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
        hint.setWidth(columnsWidth() + frame + 2);
    }
    return hint;
}

void GridView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
        applySizes();
    }
}

void GridView::showEvent(QShowEvent* event)
{
    // The labels and the read-only columns' texts are in by now, and the font is final.
    applySizes();
    QTableView::showEvent(event);
}

int GridView::dpiX() const
{
    return m_dpiX > 0 ? m_dpiX : logicalDpiX();
}

int GridView::dpiY() const
{
    return m_dpiY > 0 ? m_dpiY : logicalDpiY();
}

void GridView::paintCorner(QAbstractButton& corner) const
{
    QStyleOptionHeader option;
    option.initFrom(&corner);
    option.state |= QStyle::State_Enabled;   // the button is disabled only so that it selects nothing
    option.rect = corner.rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = m_model->contains(0, 0) ? m_model->text(0, 0) : QString();
    option.textAlignment = Qt::AlignCenter;
    QPainter painter(&corner);
    corner.style()->drawControl(QStyle::CE_Header, &option, &painter, &corner);
}

} // namespace grid
