#include "update/MiseAJourFenetre.h"

#include <QProcess>
#include <system_error>

#include "app/Fenetres.h"
#include "app/TFormMessageDialogInterne.h"
#include "modes/MessagesInternes.h"
#include "modes/TDataModule1.h"

namespace velmora {

namespace {

QString Texte(bool anglais, const char* francais, const char* english) {
    return QString::fromUtf8(anglais ? english : francais);
}

QString MessageErreur(bool anglais) {
    return Texte(anglais,
                 "Une erreur (TelMaj01) est survenue lors de la mise à jour.\r\nContactez le "
                 "service technique afin de remédier à ce problème",
                 "An error (TelMaj01) occurred during the update.\r\nCall for service in order "
                 "to remedy this problem");
}

// Closes the database so the update program can replace it, starts the
// update program and ends this one. Whether the start succeeded is not known
// here: this program ends in any case.
void DemarrerEtTerminer(const std::filesystem::path& programme) {
    const ReglagesMiseAJour& reglages = ReglagesMiseAJourProgramme();
    if (TDataModule1* module = FenetresProgramme().DataModule1) {
        module->ADOConnection1.SetConnected(false);
    }
    // A downloaded file is not executable; a failure shows as a start that
    // does nothing, which is not detected either way.
    std::error_code ignoree;
    std::filesystem::permissions(
        programme,
        std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
            std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
            std::filesystem::perms::others_exec,
        ignoree);
    const QString chemin = QString::fromStdString(programme.string());
    if (reglages.Demarrer) {
        reglages.Demarrer(chemin);
    } else {
        QProcess::startDetached(chemin, {});
    }
    if (reglages.Terminer) {
        reglages.Terminer();
    } else {
        TerminerApplication();
    }
}

}  // namespace

ReglagesMiseAJour& ReglagesMiseAJourProgramme() {
    static ReglagesMiseAJour reglages;
    return reglages;
}

void LancerMiseAJour(QWidget* fenetre, const QString& langueCourante) {
    const bool anglais = langueCourante == "anglais";
    const std::filesystem::path fichier = FichierMiseAJour();
    std::error_code erreur;
    if (std::filesystem::exists(fichier, erreur)) {
        DemarrerEtTerminer(fichier);
        return;
    }
    if (!PoserQuestionInterne(
            fenetre, Texte(anglais,
                           "Vous devez télécharger le fichier MAJ_Compare.exe !\r\nVoulez-vous "
                           "continuer la mise à jour ?",
                           "You must download the file MAJ_Compare.exe !\r\nDo you want to "
                           "continue updating ?"))) {
        return;
    }

    const ReglagesMiseAJour& reglages = ReglagesMiseAJourProgramme();
    ReglagesTelechargement telechargement = reglages.Telechargement;
    // The retry question comes without placement or overlay: the download
    // has the window to itself.
    telechargement.DemanderNouvelEssai = [anglais] {
        TFormMessageDialogInterne* question = FenetresProgramme().FormMessageDialogInterne;
        if (question == nullptr) {
            return false;
        }
        question->ReponseOui = false;
        question->LbAlert->setText(Texte(anglais,
                                         "Le téléchargement à échoué, voulez vous réessayer ?",
                                         "The download failed, you want to retry ?"));
        question->exec();
        return question->ReponseOui;
    };

    if (TelechargerFichier(reglages.Url, fichier, telechargement)) {
        if (std::filesystem::exists(fichier, erreur)) {
            DemarrerEtTerminer(fichier);
        } else {
            AfficherMessageInterne(fenetre, MessageErreur(anglais));
        }
        return;
    }
    AfficherMessageInterne(fenetre, MessageErreur(anglais));
    std::filesystem::remove(fichier, erreur);
}

}  // namespace velmora
