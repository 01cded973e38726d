// What the final-table window does: the comparison it runs when shown, its
// completion notice, closing, and the export of the result.
#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTableView>
#include <QTimer>

#include "app/Fenetres.h"
#include "app/Parametres.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormShowMessageInterne.h"
#include "compare/ExporterTableauFinal.h"
#include "compare/ModeleTableauFinal.h"
#include "compare/PiloteComparaison.h"
#include "compare/TFormTableauFinal.h"

namespace velmora {

namespace {

const char* const kTermineeFrancais =
    "\r\nComparaison terminée.\r\nLe tableau final est prêt à être enregistrer";
const char* const kTermineeAnglais =
    "\r\nComparison completed.\r\nThe final table is ready for record";

}  // namespace

void TFormTableauFinal::FormShow() {
    LangueCourante = QString::fromStdString(LireParametre("Parametrage", "Langue", "0"));
    AppliquerLangue();
    // Background 0xA9C8DA, bar 0x8CB5CF.
    ProgressBar->setStyleSheet(
        "QProgressBar { background-color: rgb(218, 200, 169); border: 1px solid rgb(160, 160, "
        "160); }"
        "QProgressBar::chunk { background-color: rgb(207, 181, 140); }");
    QCoreApplication::processEvents();
    TimerDepart->start();
}

void TFormTableauFinal::TimerDepartTimer() {
    TimerDepart->stop();
    if (etat_ != Etat::Attente || fermetureDemandee_) {
        return;
    }
    if (!mode_) {
        // No mode selected: the design grid stays, and nothing is announced.
        etat_ = Etat::Terminee;
        return;
    }
    etat_ = Etat::Comparaison;
    ProgressBar->setRange(0, grille1_.rowCount() + grille2_.rowCount());
    ProgressBar->setValue(0);

    BarreProgression barre;
    // The grid shows the rows written so far; redrawing it at every step of
    // the bar would cost more than the comparison itself, so its view is
    // brought up to date at most every 100 ms while the bar moves every 31
    // rows.
    QElapsedTimer depuisActualisation;
    depuisActualisation.start();
    barre.rafraichir = [this, &depuisActualisation](const BarreProgression& b) {
        if (depuisActualisation.hasExpired(100)) {
            Modele->Actualiser();
            depuisActualisation.restart();
        }
        ProgressBar->setMaximum(b.Max);
        ProgressBar->setValue(b.Position);
        QCoreApplication::processEvents();
        // The window was closed from these events: leave the comparison now,
        // while the window still exists (exec() returns only after this
        // handler has unwound).
        if (fermetureDemandee_) {
            throw ComparaisonInterrompue();
        }
    };
    try {
        // Errors of the comparison and of the filter are dropped inside: the
        // table keeps what was written and completion is still announced.
        ExecuterComparaison(*mode_, grille1_, grille2_, typeTri_, AfficheSupprime, tableau_, barre);
    } catch (const ComparaisonInterrompue&) {
        etat_ = Etat::Interrompue;
        return;
    } catch (const std::exception&) {
        // Only an interruption leaves ExecuterComparaison; anything else is
        // dropped as the comparison's own errors are.
    }
    Modele->Actualiser();
    etat_ = Etat::Terminee;
    if (fermetureDemandee_) {
        return;
    }

    if (TFormShowMessageInterne* boite = FenetresProgramme().FormShowMessageInterne) {
        boite->AfficherNotice(
            this,
            QString::fromUtf8(LangueCourante == "anglais" ? kTermineeAnglais : kTermineeFrancais),
            DureeNotice);
    }
}

void TFormTableauFinal::done(int resultat) {
    // An export is finished first: its messages need this window.
    if (exportEnCours_) {
        return;
    }
    if (etat_ == Etat::Attente || etat_ == Etat::Comparaison) {
        fermetureDemandee_ = true;
    }
    QDialog::done(resultat);
}

void TFormTableauFinal::AfficherMessage(const QString& texte) {
    TFormShowMessageInterne* boite = FenetresProgramme().FormShowMessageInterne;
    if (boite == nullptr) {
        return;
    }
    TFormGrisTransparent* voiles = FenetresProgramme().FormGrisTransparent;
    PlacerFenetre(this, boite);
    if (voiles != nullptr) {
        voiles->AfficherVoile(this, 1);
    }
    boite->LbAlert->setText(texte);
    boite->exec();
    if (voiles != nullptr) {
        voiles->MasquerVoile(1);
    }
}

void TFormTableauFinal::ImageEnregistrerClick() {
    // A half-filled table is never exported, and one export at a time.
    if (etat_ != Etat::Terminee || exportEnCours_) {
        return;
    }
    exportEnCours_ = true;
    bool curseurOccupe = false;

    CrochetsExport crochets;
    crochets.curseurOccupe = [&curseurOccupe] {
        if (!curseurOccupe) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            curseurOccupe = true;
        }
    };
    crochets.curseurNormal = [&curseurOccupe] {
        if (curseurOccupe) {
            QApplication::restoreOverrideCursor();
            curseurOccupe = false;
        }
    };
    crochets.debutProgression = [this](int maximum) {
        // A maximum of 0 would turn the bar into a busy indicator.
        ProgressBar->setRange(0, std::max(1, maximum));
        ProgressBar->setValue(0);
    };
    crochets.progression = [this](int position) {
        ProgressBar->setValue(position);
        QCoreApplication::processEvents();
    };
    crochets.message = [this](const std::string& texte) {
        AfficherMessage(QString::fromStdString(texte));
    };

    // A failed save reaches the general error report, the cursor restored.
    Proteger([&] {
        ExporterTableauFinal(tableau_, DossierExecutable(), LangueCourante.toStdString(), crochets);
    });
    crochets.curseurNormal();
    exportEnCours_ = false;
}

}  // namespace velmora
