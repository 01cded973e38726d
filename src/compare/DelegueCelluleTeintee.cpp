#include "compare/DelegueCelluleTeintee.h"

#include <QPainter>

#include "compare/CouleurCellule.h"
#include "compare/ModeleTableauFinal.h"

namespace velmora {

QColor CouleurBgr(std::uint32_t valeur) {
    return QColor(static_cast<int>(valeur & 0xFFu), static_cast<int>((valeur >> 8) & 0xFFu),
                  static_cast<int>((valeur >> 16) & 0xFFu));
}

void DelegueCelluleTeintee::paint(QPainter* peintre, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    // A cell that fails to paint stays as it was: a paint event must not
    // throw into the event loop.
    try {
        const auto couleur =
            static_cast<CouleurCellule>(index.data(ModeleTableauFinal::RoleCouleur).toInt());
        const std::optional<std::uint32_t> valeur = ValeurCouleur(couleur);
        if (!valeur) {
            QStyledItemDelegate::paint(peintre, option, index);
            return;
        }
        peintre->save();
        peintre->fillRect(option.rect, CouleurBgr(*valeur));
        peintre->setFont(option.font);
        peintre->setPen(Qt::black);
        peintre->setClipRect(option.rect);
        peintre->drawText(option.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        peintre->restore();
    } catch (...) {
    }
}

}  // namespace velmora
