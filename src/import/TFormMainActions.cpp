// What the main window does: its preparation, the language switch, the
// drag, the skin operations and the buttons of the shell.
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QShowEvent>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <charconv>

#include "app/Fenetres.h"
#include "app/Habillage.h"
#include "app/Parametres.h"
#include "app/TFormAide.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormImagesLib.h"
#include "app/TFrmApropos.h"
#include "app/TFrmSplash.h"
#include "import/TFormMain.h"

namespace velmora {

namespace {

// A stored coordinate: a decimal integer, blanks around it allowed. Anything
// else (a hand-edited "abc", an overflow) is read as 0, so a damaged file
// still opens the window on the screen with the rest of its preparation.
int Coordonnee(const std::string& texte) {
    const auto debut = texte.find_first_not_of(" \t");
    const auto fin = texte.find_last_not_of(" \t");
    if (debut == std::string::npos) {
        return 0;
    }
    const char* premier = texte.data() + debut;
    const char* dernier = texte.data() + fin + 1;
    if (*premier == '+') {
        ++premier;
    }
    int valeur = 0;
    const auto [fini, erreur] = std::from_chars(premier, dernier, valeur);
    if (erreur != std::errc() || fini != dernier) {
        return 0;
    }
    return valeur;
}

// The pictures with words of the main window, by control name.
const char* const kImagesTraduites[] = {
    "ImageApropos",       "ImageClicApropos",       "ImageMaj",           "ImageClicMaj",
    "ImageTableauExcel1", "ImageClicTableauExcel1", "ImageTableauExcel2", "ImageClicTableauExcel2",
    "ImageOptions",       "ImageClicOptions",       "ImageComparerExcel", "ImageClicComparerExcel",
};

}  // namespace

void TFormMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && !prepare_) {
        prepare_ = true;
        FormShow();
    }
}

void TFormMain::FormShow() {
    ConstruireLettresColonnes();
    ShiftVerifie = "non";
    StringGridExcel1TopLeftChanged();
    StringGridExcel2TopLeftChanged();

    const int normalTop = Coordonnee(LireParametre("PositionFenetre", "NormalTop", "0"));
    const int normalLeft = Coordonnee(LireParametre("PositionFenetre", "NormalLeft", "0"));
    const std::string langue = LireParametre("Parametrage", "Langue", "0");
    // No clamping: a window stored partly off the screen opens there.
    move(x(), normalTop);
    move(normalLeft, y());

    // A failed write of the language is reported; the modes still load, so
    // the window stays usable in its design language.
    if (langue == "anglais") {
        LogoAnglaisClick();
    } else {
        LogoFrancaisClick();
    }
    // A store lost since the start-up check is reported; the window keeps
    // its design-time mode item.
    Proteger([this] { ChargerModesComparaison(); });
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (importEnCours_) {
        // The window stays until the import has unwound; then the program ends.
        event->ignore();
    } else {
        event->accept();
    }
    FormClose();
}

void TFormMain::FormClose() {
    DemanderFin();
}

void TFormMain::DemanderFin() {
    if (importEnCours_) {
        finDemandee_ = true;
        return;
    }
    TerminerApplication();
}

void TFormMain::TimerFermerTimer() {
    if (!isVisible()) {
        return;
    }
    TimerFermer->stop();
    if (auto* splash = FenetresProgramme().FrmSplash) {
        splash->hide();
    }
}

void TFormMain::ImageReduireClick() {
    showMinimized();
}

void TFormMain::ImageFermerClick() {
    DemanderFin();
}

void TFormMain::AfficherDialogue(QDialog* dialogue, int slot) {
    PlacerFenetre(this, dialogue);
    TFormGrisTransparent* voiles = FenetresProgramme().FormGrisTransparent;
    if (voiles != nullptr) {
        voiles->AfficherVoile(this, slot);
    }
    if (ExecuterDialogue) {
        ExecuterDialogue(dialogue);
    } else {
        dialogue->exec();
    }
    if (voiles != nullptr) {
        voiles->MasquerVoile(slot);
    }
}

void TFormMain::ImageAproposClick() {
    if (TFrmApropos* apropos = FenetresProgramme().FrmApropos) {
        AfficherDialogue(apropos, 2);
    }
}

void TFormMain::ImageAideClick() {
    if (TFormAide* aide = FenetresProgramme().FormAide) {
        AfficherDialogue(aide, 2);
    }
}

void TFormMain::LogoFrancaisClick() {
    Proteger([this] { BasculerLangue("francais"); });
}

void TFormMain::LogoAnglaisClick() {
    Proteger([this] { BasculerLangue("anglais"); });
}

void TFormMain::BasculerLangue(const QString& langue) {
    LangueCourante = langue;
    EcrireParametre("Parametrage", "Langue", langue.toStdString());
    const bool anglais = langue == "anglais";
    AppliquerTextes(anglais);
    if (const TFormImagesLib* bibliotheque = FenetresProgramme().FormImagesLib) {
        const QString suffixe = anglais ? "Anglais" : "";
        for (const char* nom : kImagesTraduites) {
            if (auto* controle = findChild<ControleImage*>(nom)) {
                bibliotheque->CopierImage(nom + suffixe, controle);
            }
        }
    }
}

void TFormMain::AppliquerTextes(bool anglais) {
    if (anglais) {
        LbTitre1->DefinirTexte(
            "Click the button 'TABLE 1'\r\nto search and view your first Excel table (Master "
            "File).");
        LbTitre2->DefinirTexte(
            "Click the button 'TABLE 2'\r\nto search and view your second Excel table "
            "(Amendment File)..");
        LbEdCoorTab1->setText("Table 1 :");
        LbEdCoorTab2->setText("Table 2 :");
        LbDetailComparaison->setText("<= Set options");
        EdCoorTab1->setToolTip("Make a selection on your table 1 with the mouse");
        EdCoorTab2->setToolTip("Make a selection on your table 2 with the mouse");
        CbTypeTri->setItemText(0, "Compare two sheets full.");
        CbTypeTri->setItemText(1, "Make a selection for comparison.");
    } else {
        LbTitre1->DefinirTexte(
            "Cliquez sur le bouton 'TABLEAU 1'\r\npour chercher et afficher votre premier "
            "tableau Excel (Master File).");
        LbTitre2->DefinirTexte(
            "Cliquez sur le bouton 'TABLEAU 2'\r\npour chercher et afficher votre second "
            "tableau Excel (Amendment File)..");
        LbEdCoorTab1->setText("Tableau 1 :");
        LbEdCoorTab2->setText("Tableau 2 :");
        LbDetailComparaison->setText("<= Paramétrez les options");
        EdCoorTab1->setToolTip("Effectuez une sélection sur votre Tableau 1 à l'aide de la souris");
        EdCoorTab2->setToolTip("Effectuez une sélection sur votre Tableau 2 à l'aide de la souris");
        CbTypeTri->setItemText(0, "Comparer les deux feuilles complètes.");
        CbTypeTri->setItemText(1, "Effectuer une sélection pour la comparaison.");
    }
}

void TFormMain::DebuterDeplacement(int x, int y) {
    PointDepartX = x;
    PointDepartY = y;
    DeplacementEnCours = true;
}

void TFormMain::DeplacerFenetre(int x, int y) {
    if (!DeplacementEnCours) {
        return;
    }
    move(this->x() + x - PointDepartX, this->y());
    move(this->x(), this->y() + y - PointDepartY);
}

void TFormMain::TerminerDeplacement() {
    // The button is up whatever happens to the write: the drag ends here.
    DeplacementEnCours = false;
    EcrireParametre("PositionFenetre", "NormalTop", std::to_string(y()));
    EcrireParametre("PositionFenetre", "NormalLeft", std::to_string(x()));
}

void TFormMain::PlacerFenetre(const QWidget* reference, QWidget* dialogue) {
    velmora::PlacerFenetre(reference, dialogue);
}

void TFormMain::AjusterLargeurListe(QComboBox* liste) {
    velmora::AjusterLargeurListe(liste);
}

void TFormMain::DessinerElementListe(const QComboBox* liste, QPainter* peintre, int index,
                                     bool selectionne, const QRect& zone) {
    velmora::DessinerElementListe(liste, peintre, index, selectionne, zone);
}

void TFormMain::LbDetailComparaisonMouseMove(const QPoint& positionEcran) {
    QToolTip::showText(positionEcran, LbDetailComparaison->toolTip(), LbDetailComparaison);
}

bool TFormMain::eventFilter(QObject* objet, QEvent* event) {
    if (objet == LbDetailComparaison && event->type() == QEvent::MouseMove) {
        LbDetailComparaisonMouseMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* souris = static_cast<QMouseEvent*>(event);
        auto* label = qobject_cast<QLabel*>(objet);
        if (label != nullptr && souris->button() == Qt::LeftButton) {
            // The key's state carried by the click itself: down at the
            // moment of the click, whatever was pressed before.
            const bool shift = souris->modifiers().testFlag(Qt::ShiftModifier);
            const auto dans = [label](const auto& famille) {
                return std::find(famille.begin(), famille.end(), label) != famille.end();
            };
            if (dans(LbLettreExcel1)) {
                LbLettreExcel1_1Click(label, shift);
                return true;
            }
            if (dans(LbCptExcel1)) {
                LbCptExcel1_1Click(label, shift);
                return true;
            }
            if (dans(LbLettreExcel2)) {
                LbLettreExcel2_1Click(label, shift);
                return true;
            }
            if (dans(LbCptExcel2)) {
                LbCptExcel2_1Click(label, shift);
                return true;
            }
        }
    }
    return QWidget::eventFilter(objet, event);
}

}  // namespace velmora
