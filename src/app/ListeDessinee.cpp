#include "app/ListeDessinee.h"

#include <QAbstractItemView>
#include <QPainter>

#include "app/Habillage.h"

namespace velmora {

ListeDessinee::ListeDessinee(QWidget* parent, const QString& nom, const QRect& place)
    : QComboBox(parent) {
    setObjectName(nom);
    setGeometry(place);
    setEditable(false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, kCouleurSaisie);
    palette.setColor(QPalette::Button, kCouleurSaisie);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    setPalette(palette);
    view()->setPalette(palette);
    setItemDelegate(new DelegueListe(this));
    dessin_ = DessinerElementListe;
}

void ListeDessinee::showPopup() {
    if (avantDeroulement_) {
        avantDeroulement_(this);
    }
    QComboBox::showPopup();
}

DelegueListe::DelegueListe(ListeDessinee* liste) : QStyledItemDelegate(liste), liste_(liste) {}

void DelegueListe::paint(QPainter* peintre, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const bool selectionne = option.state & QStyle::State_Selected;
    peintre->save();
    liste_->dessin()(liste_, peintre, index.row(), selectionne, option.rect);
    peintre->restore();
}

QSize DelegueListe::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize taille = QStyledItemDelegate::sizeHint(option, index);
    taille.setHeight(13);
    return taille;
}

}  // namespace velmora
