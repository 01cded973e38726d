// Review tool: opens the program's windows in French and in English and
// saves a picture of each (main window, message box, question box, about
// window, user guide, options and title dialogs, the main window after two
// imports with the worksheet chooser and the display-option dialog, and a
// message box over the dimmed main window).
//
// Usage: velmora_screenshots <output folder>
// Works on a copy of the program's folder, so Param.ini of the real program
// is left alone.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/Fenetres.h"
#include "app/Parametres.h"
#include "app/Programme.h"
#include "app/TFormAide.h"
#include "app/TFormMessageDialogInterne.h"
#include "app/TFormShowMessageInterne.h"
#include "app/TFrmApropos.h"
#include "app/TFrmSplash.h"
#include "compare/ModeleTableauFinal.h"
#include "compare/TFormTableauFinal.h"
#include "import/TFormChoixFeuilleExcel.h"
#include "import/TFormMain.h"
#include "modes/TFormEnregistre.h"
#include "modes/TFormOptionAffichage.h"
#include "modes/TFormOptions.h"
#include "workbook/ClasseurEcriture.h"

namespace {

using namespace velmora;

bool Attendre(const std::function<bool()>& condition) {
    QElapsedTimer chrono;
    chrono.start();
    while (!condition()) {
        if (chrono.elapsed() > 10000) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void Enregistrer(const QPixmap& image, const QString& dossier, const QString& nom) {
    const QString chemin = dossier + "/" + nom + ".png";
    if (!image.save(chemin)) {
        throw std::runtime_error("Impossible d'écrire " + chemin.toStdString());
    }
    std::printf("%s\n", qPrintable(chemin));
}

// The box as it stands over the main window: the window, the grey overlay
// at 130/255, then the box at its place.
QPixmap Composition(QWidget& principale, QWidget& boite) {
    QPixmap fond = principale.grab();
    QPainter peintre(&fond);
    QColor gris(128, 128, 128);
    gris.setAlpha(130);
    peintre.fillRect(fond.rect(), gris);
    peintre.drawPixmap(boite.pos() - principale.pos(), boite.grab());
    return fond;
}

// The main window after both tables were imported (a workbook of three
// worksheets for table 1, so the chooser comes up and is taken too), with a
// selection on each grid and the range boxes shown; then the display-option
// dialog over it.
void CapturerImport(TFormMain& principale, const QString& dossier, const QString& suffixe,
                    bool anglais) {
    const std::filesystem::path ici = DossierExecutable();
    const char* const entetes[] = {"Réf", "Client", "Ville", "Montant", "Échéance"};
    const char* const villes[] = {"Lyon", "Nantes", "Lille", "Brest", "Dijon", "Tours"};
    ClasseurEcriture maitre;
    ClasseurEcriture modifie;
    for (const char* nom : {"Clients", "Fournisseurs", "Stocks"}) {
        maitre.addSheet(nom);
    }
    modifie.addSheet("Clients");
    for (int c = 0; c < 5; ++c) {
        maitre.setCellText(0, 0, c, entetes[c]);
        modifie.setCellText(0, 0, c, entetes[c]);
    }
    for (int r = 1; r <= 14; ++r) {
        const std::string ligne[] = {"C" + std::to_string(1000 + r), "Client " + std::to_string(r),
                                     villes[r % 6], std::to_string(r * 137 % 900) + ",50",
                                     std::to_string(1 + r % 28) + "/03/2024"};
        for (int c = 0; c < 5; ++c) {
            maitre.setCellText(0, r, c, ligne[c]);
            modifie.setCellText(0, r, c, r % 4 == 0 && c == 3 ? "999,00" : ligne[c]);
        }
    }
    modifie.setCellText(0, 15, 0, "C1015");
    modifie.setCellText(0, 15, 1, "Client 15");
    maitre.save(ici / "Maitre.xls");
    modifie.save(ici / "Modifie.xls");

    auto* choix = FenetresProgramme().FormChoixFeuilleExcel;
    principale.ExecuterDialogue = [&](QDialog* dialogue) {
        if (dialogue == choix) {
            choix->show();
            QApplication::processEvents();
            choix->move(principale.x() + (principale.width() - choix->width()) / 2,
                        principale.y() + (principale.height() - choix->height()) / 2);
            Enregistrer(Composition(principale, *choix), dossier, "chooser" + suffixe);
            choix->hide();
            choix->ImageValiderClick();
        }
    };
    principale.ImporterFeuilleExcel("StringGridExcel1",
                                    QString::fromStdString((ici / "Maitre.xls").string()));
    principale.ImporterFeuilleExcel("StringGridExcel2",
                                    QString::fromStdString((ici / "Modifie.xls").string()));
    principale.ExecuterDialogue = nullptr;
    principale.CbTypeTri->setCurrentIndex(1);
    principale.CbTypeTriChange();
    principale.SelectionnerZone(principale.StringGridExcel1, 0, 1, 3, 9);
    principale.StringGridExcel1MouseUp();
    principale.LbLettreExcel2_1Click(principale.LbLettreExcel2[3], false);
    QApplication::processEvents();
    Enregistrer(principale.grab(), dossier, "main-imported" + suffixe);

    TFormOptionAffichage option;
    option.show();
    QApplication::processEvents();
    option.move(principale.x() + (principale.width() - option.width()) / 2,
                principale.y() + (principale.height() - option.height()) / 2);
    Enregistrer(Composition(principale, option), dossier, "display-option" + suffixe);
    option.hide();
    (void)anglais;
}

// The compare button on the two imported sheets, whole sheets with the
// first mode, erased cells kept: the final table over the dimmed main window.
void CapturerComparaison(TFormMain& principale, const QString& dossier, const QString& suffixe) {
    principale.CbTypeTri->setCurrentIndex(0);
    principale.CbTypeTriChange();
    principale.CbModeCompare->setCurrentIndex(0);
    bool capture = false;
    principale.ExecuterDialogue = [&](QDialog* dialogue) {
        if (auto* option = qobject_cast<TFormOptionAffichage*>(dialogue)) {
            option->show();
            option->RbAfficheSupprime->setChecked(true);
            option->ImageValiderClick();
        } else if (auto* fenetre = qobject_cast<TFormTableauFinal*>(dialogue)) {
            fenetre->show();
            Attendre(
                [&] { return fenetre->EtatComparaison() == TFormTableauFinal::Etat::Terminee; });
            fenetre->move(principale.x() + (principale.width() - fenetre->width()) / 2,
                          principale.y() + (principale.height() - fenetre->height()) / 2);
            fenetre->StringGridExcelFinal->setCurrentIndex(fenetre->Modele->index(4, 4));
            QApplication::processEvents();
            Enregistrer(Composition(principale, *fenetre), dossier, "final-table" + suffixe);
            capture = true;
            fenetre->ImageFermerClick();
        }
    };
    principale.ImageComparerExcelClick();
    principale.ExecuterDialogue = nullptr;
    if (!capture) {
        throw std::runtime_error("le tableau final ne s'est pas ouvert");
    }
}

void Capturer(const QString& dossier, const QString& langue, const std::filesystem::path& base) {
    QTemporaryDir copie;
    std::filesystem::copy_file(base / "Comp.qnr",
                               std::filesystem::path(copie.path().toStdString()) / "Comp.qnr");
    DefinirDossierExecutable(copie.path().toStdString());
    EcrireParametre("Parametrage", "Langue", langue.toStdString());
    EcrireParametre("Version", "versionexe", "1.0.0");

    const QString suffixe = langue == "anglais" ? "-en" : "-fr";
    const bool anglais = langue == "anglais";
    {
        Programme programme;
        programme.Lancer();
        if (!Attendre([&] { return programme.FormMain().isVisible(); })) {
            throw std::runtime_error("la fenêtre principale ne s'est pas ouverte");
        }
        TFormMain& principale = programme.FormMain();
        principale.move(0, 0);
        Enregistrer(principale.grab(), dossier, "main" + suffixe);

        TFormShowMessageInterne& message = programme.FormShowMessageInterne();
        message.LbAlert->setText(
            anglais ? "An error occurred while connecting to the database\r\nCall for service in "
                      "order to remedy this problem"
                    : "Une erreur est survenue lors de la connexion à la base de donnée\r\n"
                      "Contactez le service technique afin de remédier à ce problème");
        message.show();
        QApplication::processEvents();
        Enregistrer(message.grab(), dossier, "message" + suffixe);
        message.move(principale.x() + (principale.width() - message.width()) / 2,
                     principale.y() + (principale.height() - message.height()) / 2);
        Enregistrer(Composition(principale, message), dossier, "message-over-main" + suffixe);
        message.hide();

        TFormMessageDialogInterne& question = programme.FormMessageDialogInterne();
        question.LbAlert->setText(anglais ? "Does the worksheet contain merged cells ?"
                                          : "La feuille contient-elle des cellules fusionnées ?");
        question.show();
        QApplication::processEvents();
        Enregistrer(question.grab(), dossier, "question" + suffixe);
        question.hide();

        TFrmApropos& apropos = programme.FrmApropos();
        apropos.show();
        QApplication::processEvents();
        Enregistrer(apropos.grab(), dossier, "about" + suffixe);
        apropos.hide();

        TFormAide& aide = programme.FormAide();
        aide.show();
        QApplication::processEvents();
        Enregistrer(aide.grab(), dossier, "guide" + suffixe);
        aide.hide();

        // The options dialog on a mode with a reference column, then the
        // title dialog over it.
        TFormOptions& options = programme.FormOptions();
        principale.CbModeCompare->setCurrentIndex(
            std::min(1, principale.CbModeCompare->count() - 1));
        options.show();
        QApplication::processEvents();
        options.move(principale.x() + (principale.width() - options.width()) / 2,
                     principale.y() + (principale.height() - options.height()) / 2);
        Enregistrer(Composition(principale, options), dossier, "options" + suffixe);
        TFormEnregistre& titre = programme.FormEnregistre();
        titre.EdIntitule->setText(anglais ? "My comparison" : "Ma comparaison");
        titre.show();
        QApplication::processEvents();
        titre.move(options.x() + (options.width() - titre.width()) / 2,
                   options.y() + (options.height() - titre.height()) / 2);
        Enregistrer(Composition(options, titre), dossier, "title" + suffixe);
        titre.hide();
        options.hide();
        principale.CbModeCompare->setCurrentIndex(0);

        CapturerImport(principale, dossier, suffixe, anglais);
        CapturerComparaison(principale, dossier, suffixe);

        programme.FrmSplash().show();
        QApplication::processEvents();
        Enregistrer(programme.FrmSplash().grab(), dossier, "splash" + suffixe);
        programme.FrmSplash().hide();
    }
    DefinirDossierExecutable({});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    int argcQt = 1;
    QApplication application(argcQt, argv);
    ConfigurerApplication();
    // The screenshots never wait for a click: an unexpected error is printed.
    DefinirAfficheurErreur(
        [](const QString& texte) { std::fprintf(stderr, "erreur : %s\n", qPrintable(texte)); });
    try {
        QDir().mkpath(dossier);
        const std::filesystem::path base = DossierExecutable();
        Capturer(dossier, "francais", base);
        Capturer(dossier, "anglais", base);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmora_screenshots: %s\n", e.what());
        return 1;
    }
    return 0;
}
