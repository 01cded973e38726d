#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "app/BoutonImage.h"
#include "app/ControleImage.h"
#include "app/ListeDessinee.h"
#include "modes/ModeComparaison.h"

class QCheckBox;
class QFrame;
class QLabel;
class QRadioButton;

namespace velmora {

class EtiquetteTexte;

// The options dialog: shows one stored mode at a time as choices and saves,
// saves as, or deletes it. A single instance, hidden between uses; each
// showing starts again from the main window's selected mode.
class TFormOptions : public QDialog {
    Q_OBJECT

public:
    TFormOptions();

    // Language read from Param.ini at each showing: "anglais" or anything
    // else for French.
    QString LangueCourante;
    // Title typed in the title dialog for a new mode; empty when that dialog
    // was cancelled.
    QString IntituleSaisi;

    QLabel* LbTitre = nullptr;
    ControleImage* ImageCroixFermer = nullptr;
    ControleImage* ImageClicCroixFermer = nullptr;
    QFrame* Panel4 = nullptr;
    // Items filled by the main window's ChargerModesComparaison, in step with
    // its own list; entry i of ModesComparaison belongs to item i.
    ListeDessinee* CbModeCompare = nullptr;
    ControleImage* ImageSupprimer = nullptr;
    ControleImage* ImageClicSupprimer = nullptr;

    QFrame* Panel2 = nullptr;
    QLabel* LbTitre1 = nullptr;
    QRadioButton* RbTableauIdentique = nullptr;
    QRadioButton* RbTableauReference = nullptr;

    QFrame* Panel3 = nullptr;
    EtiquetteTexte* LbTitre2 = nullptr;
    // LbColonne<n> and CbRef<n> at index n − 1.
    std::array<QLabel*, 5> LbColonne{};
    std::array<ListeDessinee*, 5> CbRef{};
    // Laid over Panel3 while the row-number kind is chosen.
    QFrame* PanelVide = nullptr;

    QFrame* Panel1 = nullptr;
    QLabel* LbTitre3 = nullptr;
    QRadioButton* RbSortTableauComplet = nullptr;
    QRadioButton* RbSortLignesModifiees = nullptr;
    QRadioButton* RbSortLignesAjoutees = nullptr;
    QRadioButton* RbSortLignesInchangees = nullptr;
    QRadioButton* RbSortLignesDoublons = nullptr;
    QLabel* LbTrait = nullptr;
    QCheckBox* CbInsereNumLigne = nullptr;

    ControleImage* ImageAnnuler = nullptr;
    ControleImage* ImageClicAnnuler = nullptr;
    ControleImage* ImageEnregistrerSous = nullptr;
    ControleImage* ImageClicEnregistrerSous = nullptr;
    ControleImage* ImageEnregistrer = nullptr;
    ControleImage* ImageClicEnregistrer = nullptr;

    void FormShow();
    // Shows the mode of the list's selection in the choices.
    void CbModeCompareChange();
    void RbTableauIdentiqueClick();
    void RbTableauReferenceClick();
    // Save, save as and delete: a statement that fails throws, leaving the
    // dialog open and the lists as they were.
    void ImageEnregistrerClick();
    void ImageEnregistrerSousClick();
    void ImageSupprimerClick();
    void ImageAnnulerClick();

    // The eight values of the choices (every field but the key and title).
    ModeComparaison ValeursChoix() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // The main window's record of this dialog's selected mode; null when
    // nothing is selected.
    const ModeComparaison* ModeSelectionne() const;
    void AppliquerLangue();
    void MontrerPanelVide(bool visible);
    // False, after its message, when the reference kind has no column.
    bool VerifierReference();
    QString Texte(const char* francais, const char* anglais) const;
};

}  // namespace velmora
