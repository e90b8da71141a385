// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/five_tone_encode_list.h"

#include "app/prompts.h"
#include "grid/grid_view.h"
#include "forms/form_widgets.h"
#include "signalling/five_tone_texts.h"

#include <algorithm>

namespace signalling {

namespace {

namespace ft = five_tone;

constexpr int kColLabel = 0;
constexpr int kColKind = 1;
constexpr int kColId = 2;
constexpr int kColStandard = 3;
constexpr int kColToneLength = 4;
constexpr int kColName = 5;
constexpr int kColumns = 6;
constexpr int kHeaderRowTwips = 600;

int rowOf(int entry) { return entry + 1; }

} // namespace

FiveToneEncodeList::FiveToneEncodeList(grid::GridView& grid, app::Prompts& prompts,
                                       std::function<void(int)> standardChosen)
    : m_grid(grid), m_prompts(prompts), m_standardChosen(std::move(standardChosen)) {
    setUpGrid();
}

FiveToneEncodeList::~FiveToneEncodeList() { m_grid.setHooks({}); }

void FiveToneEncodeList::setUpGrid() {
    m_grid.setObjectName(QStringLiteral("encodeList"));
    m_grid.setRowCount(ft::kEncodeEntries + 1);
    m_grid.setColumnCount(kColumns);
    m_grid.setFixedColumnCount(2);
    m_grid.setRowHeightTwips(0, kHeaderRowTwips);
    for (int column = 0; column < kColumns; ++column) {
        m_grid.setText(0, column, ft::texts::tr(ft::texts::kListHeaders[column]));
        m_grid.setColumnWidthTwips(column, ft::texts::kListWidthsTwips[column]);
        m_grid.setColumnAlignment(column, Qt::AlignCenter);
    }
    for (int entry = 0; entry < ft::kEncodeEntries; ++entry)
        m_grid.setText(rowOf(entry), kColLabel, QString::number(entry));
    m_grid.setColumnEditor(kColId, grid::LineEditorSetup{QString::fromLatin1(forms::kHexDigits), ft::kEntryCodeDigits, true});
    m_grid.setColumnEditor(kColStandard, grid::ListEditorSetup{ft::standardNames(), {}});
    m_grid.setColumnEditor(kColToneLength, grid::ListEditorSetup{ft::numberList(30, 100, 10), {}});
    m_grid.setColumnEditor(kColName, grid::LineEditorSetup{forms::printableAscii(), ft::kEntryNameLength, true});

    grid::GridHooks hooks;
    hooks.beforeEdit = [this](int row, int column) { return beforeEdit(row, column); };
    hooks.commit = [this](int row, int column, const QString& text) { commitCell(row, column, text); };
    hooks.doubleClick = [this](int row, int) { doubleClicked(row); };
    hooks.mousePress = [this](Qt::MouseButton button, Qt::KeyboardModifiers, int, int column) {
        if (button != Qt::LeftButton) return;
        m_grid.setSelectionDisplay(column == kColLabel ? grid::SelectionDisplay::WithFocus
                                                       : grid::SelectionDisplay::CellOnly);
    };
    m_grid.setHooks(std::move(hooks));
    m_grid.setSelectionDisplay(grid::SelectionDisplay::CellOnly);
}

// ---- image ---------------------------------------------------------------------------

void FiveToneEncodeList::load(const image::RadioImage& img, const QString& selfId) {
    m_grid.commitEdit();
    const std::uint8_t interval = img.u8(ft::kIntervalCharacter);
    for (int entry = 0; entry < ft::kEncodeEntries; ++entry) {
        m_inImage[std::size_t(entry)] = ft::loadEncodeEntry(img, entry, selfId, interval);
        showCells(entry, m_inImage[std::size_t(entry)]);
    }
    m_inImageSelfId = selfId;
}

// Storing the same cells with the same self ID again would write the same bytes, so a row
// that still shows what its bytes stand for is left alone, but for a length byte past its
// field.
void FiveToneEncodeList::store(image::RadioImage& img, const QString& selfId) {
    m_grid.commitEdit();
    for (int entry = 0; entry < ft::kEncodeEntries; ++entry) {
        const ft::EncodeEntryCells now = cells(entry);
        ft::EncodeEntryCells& inImage = m_inImage[std::size_t(entry)];
        if (ft::storeListedEntry(img, entry, now, inImage, selfId, m_inImageSelfId)) inImage = now;
    }
    m_inImageSelfId = selfId;
    ft::storeEncodeOccupancy(img);
}

ft::EncodeEntryCells FiveToneEncodeList::cells(int entry) const {
    const int row = rowOf(entry);
    return {m_grid.text(row, kColKind), m_grid.text(row, kColId), m_grid.text(row, kColStandard),
            m_grid.text(row, kColToneLength), m_grid.text(row, kColName)};
}

void FiveToneEncodeList::showCells(int entry, const ft::EncodeEntryCells& cells) {
    const int row = rowOf(entry);
    m_grid.setText(row, kColKind, cells.kind);
    m_grid.setText(row, kColId, cells.id);
    m_grid.setText(row, kColStandard, cells.standard);
    m_grid.setText(row, kColToneLength, cells.toneLength);
    m_grid.setText(row, kColName, cells.name);
}

int FiveToneEncodeList::currentEntry() const { return std::max(m_grid.currentRow(), 1) - 1; }

void FiveToneEncodeList::applySpecialCall(const ft::SpecialCall& call) {
    m_grid.commitEdit();
    const int entry = std::clamp(call.entry, 0, ft::kEncodeEntries - 1);
    showCells(entry, ft::specialCallCells(call, cells(entry).name));
}

// ---- in-cell editing -----------------------------------------------------------------

bool FiveToneEncodeList::beforeEdit(int row, int column) {
    const ft::EncodeEntryCells entry = cells(row - 1);
    // A new entry starts with its ID; a special call's ID is not edited directly.
    if (!entry.inUse()) {
        m_grid.setCurrentColumn(kColId);
        column = kColId;
    }
    if (!entry.kind.isEmpty() && column == kColId) return false;
    m_grid.setSelectionDisplay(grid::SelectionDisplay::CellOnly);
    return true;
}

void FiveToneEncodeList::commitCell(int row, int column, const QString& text) {
    const int entry = row - 1;
    ft::EncodeEntryCells now = cells(entry);
    if (column == kColId) {
        if (text.isEmpty()) {
            now = {};
        } else if (!now.inUse()) {
            now = {QString(), ft::applyRepeatRule(text), QString::fromLatin1(ft::kToneStandards[0].name.data()),
                   QString::number(ft::defaultToneLengthMs(0)), QString()};
        } else {
            now.id = text;
        }
        showCells(entry, now);
        return;
    }
    if (!now.inUse()) {  // options of an empty row stay empty
        m_grid.setText(row, column, QString());
        return;
    }
    if (column == kColStandard) {
        const auto standard = ft::standardIndex(text);
        if (standard && text != now.standard) {
            m_grid.setText(row, kColToneLength, QString::number(ft::defaultToneLengthMs(*standard)));
            m_standardChosen(*standard);
        }
        m_grid.setText(row, column, text);
    } else if (column == kColName) {
        QString name = text;
        while (name.endsWith(u' ')) name.chop(1);
        m_grid.setText(row, column, name);
    } else {
        m_grid.setText(row, column, text);
    }
}

void FiveToneEncodeList::doubleClicked(int row) {
    if (row < 1 || m_grid.text(row, kColKind).isEmpty()) return;
    if (!m_prompts.askOkCancel(ft::texts::tr(ft::texts::kResetCallId), ft::texts::tr(ft::texts::kPromptCaption)))
        return;
    m_grid.setText(row, kColKind, QString());
    m_grid.setText(row, kColId, QString());
    m_grid.setCurrentCell(row, kColId);
    m_grid.setFocus();
    m_grid.beginEdit();
}

} // namespace signalling
