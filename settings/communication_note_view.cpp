// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/communication_note_view.h"

#include "grid/grid_view.h"
#include "settings/contact_book.h"
#include "settings/contact_fields.h"

#include <QLabel>
#include <QVBoxLayout>

namespace settings {

namespace {

using grid::SelectionDisplay;

constexpr int kGridRows = contact::kCount + 1;  // the header row, then one row per contact
constexpr int kGridColumns = int(contact::kColumnTwips.size());

QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

int rowOf(int contact) { return contact + 1; }

} // namespace

CContactView::CContactView(forms::EditorEnv env, QWidget* parent)
    : CBaseFormView(env, parent), m_grid(new grid::GridView(this)) {
    setObjectName(QStringLiteral("contactView"));
    auto* hint = new QLabel(contact::texts::tr(contact::texts::kFieldsHint), this);
    hint->setObjectName(QStringLiteral("fieldsHint"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_grid, 1);
    setUpGrid();
    setFocusProxy(m_grid);
}

// The grid outlives this object's own members during destruction; its hooks use them.
CContactView::~CContactView() { m_grid->setHooks({}); }

int CContactView::helpContext() const { return contact::kHelpContext; }

void CContactView::setUpGrid() {
    m_grid->setObjectName(QStringLiteral("contactGrid"));
    m_grid->setAccessibleName(contact::texts::tr(contact::texts::kListName));
    m_grid->setRowCount(kGridRows);
    m_grid->setColumnCount(kGridColumns);
    for (int column = 0; column < kGridColumns; ++column) {
        m_grid->setText(0, column, contact::texts::tr(contact::texts::kHeaders[std::size_t(column)]));
        m_grid->setColumnWidthTwips(column, contact::kColumnTwips[std::size_t(column)]);
        m_grid->setColumnAlignment(column, Qt::AlignCenter);
    }
    for (int k = 0; k < contact::kCount; ++k) m_grid->setText(rowOf(k), contact::kColNumber, QString::number(k));
    // Typed and pasted text alike keeps only what the records can hold.
    m_grid->setColumnEditor(contact::kColCallId,
                            grid::LineEditorSetup{latin1(contact::kCallIdCharacters), contact::kCallIdLength, false});
    m_grid->setColumnEditor(contact::kColName,
                            grid::LineEditorSetup{latin1(contact::kNameCharacters), contact::kNameLength, true});

    grid::GridHooks hooks;
    hooks.beforeEdit = [this](int, int) {
        m_grid->setSelectionDisplay(SelectionDisplay::CellOnly);
        return true;
    };
    hooks.cellEntered = [this](int row, int column) { cellEntered(row, column); };
    m_grid->setHooks(std::move(hooks));
}

// Entering a cell shows the selection, unless a row label shows its row selected or a data
// cell is being edited.
void CContactView::cellEntered(int, int column) {
    const SelectionDisplay shown = m_grid->selectionDisplay();
    if (column == contact::kColNumber && shown == SelectionDisplay::WithFocus) return;
    if (column != contact::kColNumber && shown == SelectionDisplay::CellOnly) return;
    m_grid->setSelectionDisplay(SelectionDisplay::Always);
}

// ---- image ---------------------------------------------------------------------------
// Both start by committing an open in-cell edit: a name typed just before a toolbar Save
// reaches the image, and an edit left open over a reload cannot write old text afterwards.

void CContactView::LoadFromImage() {
    m_grid->commitEdit();
    const image::RadioImage& image = img();
    for (int k = 0; k < contact::kCount; ++k) {
        m_grid->setText(rowOf(k), contact::kColCallId, contact::callId(image, k));
        m_grid->setText(rowOf(k), contact::kColName, contact::name(image, k));
    }
}

void CContactView::StoreToImage() {
    m_grid->commitEdit();
    image::RadioImage& image = img();
    for (int k = 0; k < contact::kCount; ++k) {
        contact::setCallId(image, k, m_grid->text(rowOf(k), contact::kColCallId));
        contact::setName(image, k, m_grid->text(rowOf(k), contact::kColName));
    }
}

} // namespace settings
