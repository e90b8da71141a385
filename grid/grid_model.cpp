// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_model.h"

#include <algorithm>
#include <cassert>

namespace grid {

namespace {
constexpr Qt::Alignment kDefaultAlignment = Qt::AlignCenter;
}

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent)
{
}

void GridModel::resize(int rows, int columns)
{
    rows = std::max(rows, 0);
    columns = std::max(columns, 0);
    if (rows == m_rows && columns == m_columns)
        return;

    beginResetModel();
    std::vector<QString> cells(std::size_t(rows) * std::size_t(columns));
    for (int r = 0; r < std::min(rows, m_rows); ++r)
        for (int c = 0; c < std::min(columns, m_columns); ++c)
            cells[std::size_t(r) * std::size_t(columns) + std::size_t(c)] = std::move(m_cells[cellAt(r, c)]);
    m_cells = std::move(cells);
    m_rows = rows;
    m_columns = columns;
    m_editable.resize(std::size_t(columns), false);
    m_alignment.resize(std::size_t(columns), kDefaultAlignment);
    endResetModel();
}

bool GridModel::contains(int row, int column) const
{
    return row >= 0 && row < m_rows && column >= 0 && column < m_columns;
}

std::size_t GridModel::cellAt(int row, int column) const
{
    assert(contains(row, column));
    return std::size_t(row) * std::size_t(m_columns) + std::size_t(column);
}

QString GridModel::text(int row, int column) const
{
    if (!contains(row, column)) {
        assert(!"grid cell out of range");
        return {};
    }
    return m_cells[cellAt(row, column)];
}

void GridModel::setText(int row, int column, const QString& text)
{
    if (!contains(row, column)) {
        assert(!"grid cell out of range");
        return;
    }
    QString& cell = m_cells[cellAt(row, column)];
    if (cell == text)   // loading a list rewrites every cell; unchanged ones cost nothing
        return;
    cell = text;
    if (row == 0 && column == 0)
        return;   // the corner belongs to neither header; the view repaints it
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
    else if (column == 0)
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    else {
        const QModelIndex changed = index(row - 1, column - 1);
        emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::AccessibleTextRole});
    }
}

void GridModel::setFixedColumnCount(int count)
{
    const int fixed = std::max(count, 1);   // the label column is always fixed
    if (fixed == m_fixedColumns)
        return;
    beginResetModel();
    m_fixedColumns = fixed;
    endResetModel();
}

void GridModel::setColumnEditable(int column, bool editable)
{
    if (column < 0 || column >= m_columns) {
        assert(!"grid column out of range");
        return;
    }
    m_editable[std::size_t(column)] = editable;
}

bool GridModel::isColumnEditable(int column) const
{
    return column >= m_fixedColumns && column < m_columns && m_editable[std::size_t(column)];
}

void GridModel::setColumnAlignment(int column, Qt::Alignment alignment)
{
    if (column < 0 || column >= m_columns) {
        assert(!"grid column out of range");
        return;
    }
    m_alignment[std::size_t(column)] = alignment;
    if (column > 0 && m_rows > 1)
        emit dataChanged(index(0, column - 1), index(m_rows - 2, column - 1), {Qt::TextAlignmentRole});
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(m_rows - 1, 0);
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(m_columns - 1, 0);
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_cells[cellAt(row, column)];
    case Qt::TextAlignmentRole:
        return int(m_alignment[std::size_t(column)]);
    case Qt::AccessibleTextRole:
        return spokenText(row, column);
    case Qt::AccessibleDescriptionRole:
        return spokenPlace(row, column);
    default:
        return {};
    }
}

// A screen reader moving from cell to cell says where it is, "RX Frequency, CH 5" (the column
// header, the label column's header and the entry's label), and what the cell holds:
// "RX Frequency, CH 5: 145.00000". Header texts may wrap onto two lines.
QString GridModel::spokenPlace(int row, int column) const
{
    const QString header = m_cells[cellAt(0, column)].simplified();
    const QString entry = (m_cells[cellAt(0, 0)] + u' ' + m_cells[cellAt(row, 0)]).simplified();
    return header.isEmpty() ? entry : header + QStringLiteral(", ") + entry;
}

QString GridModel::spokenText(int row, int column) const
{
    const QString& text = m_cells[cellAt(row, column)];
    return text.isEmpty() ? spokenPlace(row, column) : spokenPlace(row, column) + QStringLiteral(": ") + text;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool horizontal = orientation == Qt::Horizontal;
    const int row = horizontal ? 0 : section + 1;
    const int column = horizontal ? section + 1 : 0;
    if (!contains(row, column))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_cells[cellAt(row, column)];
    case Qt::TextAlignmentRole:
        // Header texts such as "Time of Encode Tone(ms)" need two lines in a 600-twip row.
        return horizontal ? int(Qt::AlignCenter | Qt::TextWordWrap) : int(m_alignment[0]);
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const int column = index.column() + 1;
    if (isFixedColumn(column))
        return Qt::ItemIsEnabled;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isColumnEditable(column))
        result |= Qt::ItemIsEditable;
    return result;
}

} // namespace grid
