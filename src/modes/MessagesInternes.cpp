#include "modes/MessagesInternes.h"

#include <QDialog>

#include "app/Fenetres.h"
#include "app/Habillage.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormMessageDialogInterne.h"
#include "app/TFormShowMessageInterne.h"

namespace velmora {

namespace {

void MontrerSousVoile(QWidget* fenetre, BoiteMessage* boite, const QString& texte) {
    PlacerFenetre(fenetre, boite);
    TFormGrisTransparent* voiles = FenetresProgramme().FormGrisTransparent;
    if (voiles != nullptr) {
        voiles->AfficherVoile(fenetre, 1);
    }
    boite->LbAlert->setText(texte);
    boite->exec();
    if (voiles != nullptr) {
        voiles->MasquerVoile(1);
    }
}

}  // namespace

void AfficherMessageInterne(QWidget* fenetre, const QString& texte) {
    if (TFormShowMessageInterne* message = FenetresProgramme().FormShowMessageInterne) {
        MontrerSousVoile(fenetre, message, texte);
    }
}

bool PoserQuestionInterne(QWidget* fenetre, const QString& texte) {
    TFormMessageDialogInterne* question = FenetresProgramme().FormMessageDialogInterne;
    if (question == nullptr) {
        return false;
    }
    // A box closed without an answer must not hand back the previous Oui.
    question->ReponseOui = false;
    MontrerSousVoile(fenetre, question, texte);
    return question->ReponseOui;
}

}  // namespace velmora
