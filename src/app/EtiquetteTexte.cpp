#include "app/EtiquetteTexte.h"

#include <QPainter>
#include <algorithm>

#include "app/Habillage.h"

namespace velmora {

EtiquetteTexte::EtiquetteTexte(QWidget* parent, const QString& nom) : QLabel(parent) {
    setObjectName(nom);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void EtiquetteTexte::DefinirTexte(const QString& texte) {
    setText(texte);
    const QStringList lignes = TexteAffiche(texte).split('\n');
    const QFontMetrics mesure(font());
    int plusLarge = 0;
    for (const QString& ligne : lignes) {
        plusLarge = std::max(plusLarge, mesure.horizontalAdvance(ligne));
    }
    resize(plusLarge, static_cast<int>(lignes.size()) * mesure.height());
}

void EtiquetteTexte::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.setFont(font());
    peintre.setPen(palette().color(QPalette::WindowText));
    peintre.drawText(rect(), static_cast<int>(alignment()), TexteAffiche(text()));
}

}  // namespace velmora
