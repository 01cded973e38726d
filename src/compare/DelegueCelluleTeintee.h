#pragma once

#include <QColor>
#include <QStyledItemDelegate>
#include <cstdint>

namespace velmora {

// The colour of a 0xBBGGRR value.
QColor CouleurBgr(std::uint32_t valeur);

// Paints the cells of the final grid. A cell with a verdict is filled
// entirely with its tint and its text is written flush with the cell's
// top-left corner, in black, with no selection highlight or focus frame; a
// cell without one is painted as a plain grid cell.
class DelegueCelluleTeintee : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* peintre, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace velmora
