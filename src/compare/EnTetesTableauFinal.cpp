#include "compare/EnTetesTableauFinal.h"

#include <QFontMetrics>
#include <QLabel>

#include "app/Habillage.h"
#include "import/LettresColonnes.h"

namespace velmora {

namespace {

// The grid's place in the panel and its cell pitch (cell plus grid line).
constexpr int kGaucheGrille = 32;
constexpr int kHautGrille = 80;
constexpr int kPasColonne = 71;
constexpr int kPasLigne = 21;
constexpr int kHautLettres = 64;
constexpr int kGaucheNumeros = 0;
// Row numbers stand between the panel's edge and the grid.
constexpr int kLargeurNumeros = kGaucheGrille - 1;
constexpr int kPoliceEtiquettes = 11;

QLabel* Etiquette(QWidget* panneau, const QString& nom, const QRect& place, const QString& texte,
                  Qt::Alignment alignement) {
    auto* etiquette = new QLabel(texte, panneau);
    etiquette->setObjectName(nom);
    etiquette->setGeometry(place);
    etiquette->setFont(PoliceSkin(kPoliceEtiquettes, true));
    etiquette->setAlignment(alignement);
    QPalette palette = etiquette->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    etiquette->setPalette(palette);
    return etiquette;
}

// Row numbers reach 65,536: a number too wide for the room beside the grid
// is drawn in smaller characters rather than over the grid.
void MontrerNumero(QLabel* etiquette, const QString& texte) {
    int pixels = kPoliceEtiquettes;
    QFont police = PoliceSkin(pixels, true);
    while (pixels > 7 && QFontMetrics(police).horizontalAdvance(texte) > etiquette->width()) {
        police = PoliceSkin(--pixels, true);
    }
    etiquette->setFont(police);
    etiquette->setText(texte);
}

}  // namespace

QString LettresColonneFinale(int colonne) {
    const auto& table = LettresColonnes();
    if (colonne >= 0 && static_cast<std::size_t>(colonne) + 1 < table.size()) {
        return QString::fromStdString(table[static_cast<std::size_t>(colonne) + 1]);
    }
    if (colonne < 0) {
        return {};
    }
    QString lettres;
    for (int n = colonne + 1; n > 0; n = (n - 1) / 26) {
        lettres.prepend(QChar('A' + (n - 1) % 26));
    }
    return lettres;
}

EnTetesTableauFinal EnTetesTableauFinal::Creer(QWidget* panneau) {
    EnTetesTableauFinal e;
    for (int n = 0; n < 10; ++n) {
        e.LbLettreExcel1[static_cast<std::size_t>(n)] =
            Etiquette(panneau, QString("LbLettreExcel1_%1").arg(n + 1),
                      QRect(kGaucheGrille + n * kPasColonne, kHautLettres, kPasColonne, 14),
                      QString(QChar('A' + n)), Qt::AlignCenter);
    }
    for (int n = 0; n < 18; ++n) {
        e.LbCptExcel1[static_cast<std::size_t>(n)] =
            Etiquette(panneau, QString("LbCptExcel1_%1").arg(n + 1),
                      QRect(kGaucheNumeros, kHautGrille + n * kPasLigne + 3, kLargeurNumeros, 14),
                      QString::number(n + 1), Qt::AlignRight | Qt::AlignVCenter);
    }
    return e;
}

void EnTetesTableauFinal::Renumeroter(int topRow, int leftCol) const {
    for (int n = 0; n < 18; ++n) {
        MontrerNumero(LbCptExcel1[static_cast<std::size_t>(n)], QString::number(topRow + n + 1));
    }
    for (int n = 0; n < 10; ++n) {
        LbLettreExcel1[static_cast<std::size_t>(n)]->setText(LettresColonneFinale(leftCol + n));
    }
}

}  // namespace velmora
