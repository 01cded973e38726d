#pragma once

#include <QAbstractTableModel>

#include "compare/Table.h"

namespace velmora {

// The model of an input grid of the main window: the grid's cells are the
// cells of a Table, shown as they are and never edited in place. Cells are
// read from the table when painted: no item or text is kept per cell.
class ModeleGrille : public QAbstractTableModel {
    Q_OBJECT

public:
    // A grid of `colonnes` × `lignes` empty cells: 10 × 7 until a sheet is
    // imported.
    explicit ModeleGrille(QObject* parent, int colonnes = 10, int lignes = 7);

    const Table& table() const { return table_; }

    // Replaces the whole table (an import); attached views are reset.
    void DefinirTable(Table table);
    // The grid's selection rectangle, kept in the table for the comparison.
    void DefinirSelection(Selection selection) { table_.setSelection(selection); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    Table table_;
};

}  // namespace velmora
