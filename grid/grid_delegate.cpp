// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_delegate.h"

#include "grid/char_filter_validator.h"
#include "grid/grid_model.h"
#include "grid/grid_view.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace grid {

namespace {

constexpr int kCurrentFrameWidth = 2;
constexpr int kVisibleListEntries = 16;

QWidget* makeEditor(const LineEditorSetup& setup, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("gridLineEditor"));
    // A thin frame in the highlight colour, so an editor on an empty cell still shows where
    // the typing goes.
    edit->setFrame(false);
    edit->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(highlight); }"));
    edit->setAlignment(Qt::AlignCenter);
    edit->setMaxLength(setup.maxLength);
    if (!setup.allowedChars.isEmpty() || setup.upperCase)
        edit->setValidator(new CharFilterValidator(setup.allowedChars, setup.upperCase, edit));
    return edit;
}

QWidget* makeEditor(const ListEditorSetup& setup, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("gridListEditor"));
    // A list that drops below the cell and scrolls, rather than one laid over the cell that
    // fills the screen (the tone list holds over a thousand entries).
    combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    combo->setMaxVisibleItems(kVisibleListEntries);
    combo->addItems(setup.provider ? setup.provider() : setup.entries);
    return combo;
}

// Whether the widget is the editor or lies within it, popup windows included (a popup's
// parent is the widget that opened it).
bool isInside(const QWidget* widget, const QWidget* editor)
{
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (widget == editor)
            return true;
    }
    return false;
}

} // namespace

GridDelegate::GridDelegate(GridView& view) : QStyledItemDelegate(&view), m_view(view)
{
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const
{
    const EditorSetup* setup = m_view.columnEditor(index.column() + 1);
    if (setup == nullptr)
        return nullptr;
    QWidget* editor = std::visit([parent](const auto& s) { return makeEditor(s, parent); }, *setup);
    // The cell's place names the editor typed into: "RX Frequency, CH 5".
    editor->setAccessibleName(index.data(Qt::AccessibleDescriptionRole).toString());
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const int found = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        combo->setCurrentIndex(found);
        if (found < 0)   // a text outside the list still shows, and is kept unless one is chosen
            combo->setPlaceholderText(text);
    }
}

void GridDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const
{
}

void GridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~QStyle::State_HasFocus;   // the current cell gets a plainer frame in paint()
    if (m_view.showsSelection())
        option->state |= QStyle::State_Active;
    else
        option->state &= ~QStyle::State_Selected;
    if (m_view.m_model->isFixedColumn(index.column() + 1))
        option->backgroundBrush = option->palette.button();
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    // The table has already filled a selected cell with the highlight; the plain background
    // covers that, so that the selection display alone decides what shows.
    const bool fixed = m_view.m_model->isFixedColumn(index.column() + 1);
    painter->fillRect(option.rect, fixed ? option.palette.button() : option.palette.base());
    QStyledItemDelegate::paint(painter, option, index);
    if (index != m_view.currentIndex())
        return;
    // A spreadsheet keeps its current cell visible even when the selection is not shown.
    const QPalette::ColorGroup group = m_view.hasFocus() ? QPalette::Active : QPalette::Inactive;
    QPen pen(option.palette.color(group, QPalette::Highlight), kCurrentFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->save();
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const int inset = kCurrentFrameWidth / 2;
    painter->drawRect(option.rect.adjusted(inset, inset, -inset, -inset));
    painter->restore();
}

bool GridDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        switch (static_cast<const QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            m_view.endEdit(GridView::EditEnd::Enter);
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            m_view.endEdit(GridView::EditEnd::Tab);
            return true;
        case Qt::Key_Escape:
            m_view.endEdit(GridView::EditEnd::Cancel);
            return true;
        default:
            return false;
        }
    case QEvent::FocusOut: {
        // The drop-down's list is a popup window owned by the editor: opening it (arrow, F4,
        // Alt+Down) moves the focus into it, and closing it gives the focus back. A window
        // that loses activation (another program, or the window closing) also gives it back
        // later. None of these ends the edit. Committing while the window is torn down would
        // also call the owner's hooks from inside its destruction.
        const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
        const bool staysInEditor = isInside(QApplication::focusWidget(), static_cast<QWidget*>(watched));
        if (!staysInEditor && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            m_view.endEdit(GridView::EditEnd::FocusLost);
        return false;
    }
    default:
        return false;
    }
}

} // namespace grid
