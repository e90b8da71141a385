// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace grid {

// The cell texts of a grid in the list editors' coordinates: row 0 is the header row and
// column 0 the label column. The view shows row 0 in its horizontal header and column 0 in its
// vertical header, so model index (r, c) is grid cell (r + 1, c + 1).
class GridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    // Counts include the header row and the label column; texts inside both counts are kept.
    void resize(int rows, int columns);
    int gridRowCount() const { return m_rows; }
    int gridColumnCount() const { return m_columns; }

    bool contains(int row, int column) const;
    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);

    // Columns 1 .. count-1 are fixed: shown like headers, never current, never edited.
    void setFixedColumnCount(int count);
    int fixedColumnCount() const { return m_fixedColumns; }
    bool isFixedColumn(int column) const { return column < m_fixedColumns; }

    void setColumnEditable(int column, bool editable);
    bool isColumnEditable(int column) const;
    void setColumnAlignment(int column, Qt::Alignment alignment);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::size_t cellAt(int row, int column) const;
    QString spokenPlace(int row, int column) const;
    QString spokenText(int row, int column) const;

    int m_rows = 0;
    int m_columns = 0;
    int m_fixedColumns = 1;
    std::vector<QString> m_cells;   // row-major, header row and label column included
    std::vector<bool> m_editable;
    std::vector<Qt::Alignment> m_alignment;
};

} // namespace grid
