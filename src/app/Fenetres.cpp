#include "app/Fenetres.h"

#include <QApplication>
#include <QMessageBox>

namespace velmora {

namespace {

std::function<void(const QString&)>& Afficheur() {
    static std::function<void(const QString&)> afficheur;
    return afficheur;
}

}  // namespace

Fenetres& FenetresProgramme() {
    static Fenetres fenetres;
    return fenetres;
}

void TerminerApplication() {
    QCoreApplication::quit();
}

void SignalerErreur(const std::exception& erreur) {
    const QString texte = QString::fromUtf8(erreur.what());
    if (Afficheur()) {
        Afficheur()(texte);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                          texte);
}

void DefinirAfficheurErreur(std::function<void(const QString&)> afficheur) {
    Afficheur() = std::move(afficheur);
}

bool Proteger(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& erreur) {
        SignalerErreur(erreur);
        return false;
    }
}

}  // namespace velmora
