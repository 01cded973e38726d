// The spreadsheet headers of the input grids, their selections and the
// comparison scope.
#include <QLabel>
#include <QLineEdit>

#include "app/Habillage.h"
#include "import/GrilleSaisie.h"
#include "import/LettresColonnes.h"
#include "import/ModeleGrille.h"
#include "import/TFormMain.h"

namespace velmora {

namespace {

// Entry `n` of the column letters; the empty text past AZ.
QString Lettre(const QStringList& lettres, int n) {
    return n >= 0 && n < lettres.size() ? lettres[n] : QString();
}

// The number ending a label's name: "LbLettreExcel1_10" gives 10.
int NumeroLabel(const QLabel* label) {
    const QString nom = label->objectName();
    return nom.mid(nom.lastIndexOf('_') + 1).toInt();
}

}  // namespace

const TableSource& TFormMain::SourceGrille1() const {
    return ModeleExcel1->table();
}

const TableSource& TFormMain::SourceGrille2() const {
    return ModeleExcel2->table();
}

void TFormMain::ConstruireLettresColonnes() {
    LettresColonnes.clear();
    for (const std::string& lettre : velmora::LettresColonnes()) {
        LettresColonnes.append(QString::fromStdString(lettre));
    }
}

void TFormMain::StringGridExcel1TopLeftChanged() {
    RenumeroterEntetes(StringGridExcel1, LbLettreExcel1, LbCptExcel1);
}

void TFormMain::StringGridExcel2TopLeftChanged() {
    RenumeroterEntetes(StringGridExcel2, LbLettreExcel2, LbCptExcel2);
}

void TFormMain::RenumeroterEntetes(const GrilleSaisie* grille, std::array<QLabel*, 10>& lettres,
                                   std::array<QLabel*, 6>& numeros) {
    const int premiereLigne = grille->PremiereLigne();
    const int premiereColonne = grille->PremiereColonne();
    const bool francais = LangueCourante == "francais";
    const bool anglais = LangueCourante == "anglais";
    for (int k = 1; k <= 6; ++k) {
        QLabel* numero = numeros[static_cast<std::size_t>(k - 1)];
        const QString ligne = QString::number(premiereLigne + k);
        numero->setText(ligne);
        if (francais) {
            numero->setToolTip(TexteAffiche(
                "Sélectionnez la ligne " + ligne +
                "\r\nMaintenez la touche 'SHIFT' enfoncée pour sélectionner plusieurs lignes."));
        } else if (anglais) {
            numero->setToolTip(
                TexteAffiche("Sélect the line " + ligne +
                             "\r\nHold down the shift key 'SHIFT' to select multiple lines."));
        }
    }
    for (int k = 1; k <= 10; ++k) {
        QLabel* etiquette = lettres[static_cast<std::size_t>(k - 1)];
        const QString lettre = Lettre(LettresColonnes, premiereColonne + k);
        etiquette->setText(lettre);
        if (francais) {
            etiquette->setToolTip(TexteAffiche(
                "Sélectionnez la colonne " + lettre +
                "\r\nMaintenez la touche 'SHIFT' enfoncée pour sélectionner plusieurs colonnes."));
        } else if (anglais) {
            etiquette->setToolTip(
                TexteAffiche("Select the column " + lettre +
                             "\r\nHold down the shift key 'SHIFT' to select multiple columns."));
        }
    }
}

void TFormMain::StringGridExcel1SelectCell(int colonne, int ligne) {
    const std::string_view texte = ModeleExcel1->table().cell(colonne, ligne);
    StringGridExcel1->setToolTip(
        QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size())));
}

void TFormMain::StringGridExcel2SelectCell(int colonne, int ligne) {
    const std::string_view texte = ModeleExcel2->table().cell(colonne, ligne);
    StringGridExcel2->setToolTip(
        QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size())));
}

void TFormMain::StringGridExcel1MouseUp() {
    EdCoorTab1->setText(TexteZone(StringGridExcel1));
}

void TFormMain::StringGridExcel2MouseUp() {
    EdCoorTab2->setText(TexteZone(StringGridExcel2));
}

void TFormMain::LbLettreExcel1_1Click(QLabel* label, bool shift) {
    CliquerLettre(StringGridExcel1, EdCoorTab1, label, shift);
}

void TFormMain::LbCptExcel1_1Click(QLabel* label, bool shift) {
    CliquerNumero(StringGridExcel1, EdCoorTab1, label, shift);
}

void TFormMain::LbLettreExcel2_1Click(QLabel* label, bool shift) {
    CliquerLettre(StringGridExcel2, EdCoorTab2, label, shift);
}

void TFormMain::LbCptExcel2_1Click(QLabel* label, bool shift) {
    CliquerNumero(StringGridExcel2, EdCoorTab2, label, shift);
}

void TFormMain::CliquerLettre(GrilleSaisie* grille, QLineEdit* zone, const QLabel* label,
                              bool shift) {
    const int colonne = grille->PremiereColonne() + NumeroLabel(label) - 1;
    const int derniereLigne = grille->modele()->rowCount() - 1;
    if (shift) {
        const Selection ancienne = grille->SelectionCourante();
        SelectionnerZone(grille, colonne, derniereLigne, ancienne.Left, ancienne.Top);
    } else {
        SelectionnerZone(grille, colonne, derniereLigne, colonne, 0);
    }
    zone->setText(TexteZone(grille));
}

void TFormMain::CliquerNumero(GrilleSaisie* grille, QLineEdit* zone, const QLabel* label,
                              bool shift) {
    const int ligne = grille->PremiereLigne() + NumeroLabel(label) - 1;
    const int derniereColonne = grille->modele()->columnCount() - 1;
    if (shift) {
        const Selection ancienne = grille->SelectionCourante();
        SelectionnerZone(grille, derniereColonne, ligne, ancienne.Left, ancienne.Top);
    } else {
        SelectionnerZone(grille, derniereColonne, ligne, 0, ligne);
    }
    zone->setText(TexteZone(grille));
}

void TFormMain::SelectionnerZone(GrilleSaisie* grille, int gauche, int haut, int droite, int bas) {
    grille->DefinirSelection(gauche, haut, droite, bas);
}

QString TFormMain::TexteZone(const GrilleSaisie* grille) const {
    const Selection zone = grille->SelectionCourante();
    return Lettre(LettresColonnes, zone.Left + 1) + QString::number(zone.Top + 1) + " : " +
           Lettre(LettresColonnes, zone.Right + 1) + QString::number(zone.Bottom + 1);
}

void TFormMain::CbTypeTriChange() {
    const bool selection = CbTypeTri->currentIndex() != 0;
    for (QWidget* controle :
         std::initializer_list<QWidget*>{LbEdCoorTab1, EdCoorTab1, LbEdCoorTab2, EdCoorTab2}) {
        controle->setVisible(selection);
    }
}

}  // namespace velmora
