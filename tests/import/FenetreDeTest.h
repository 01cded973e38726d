#pragma once

// The main window with the single instances it talks to, over a private
// program folder; modal dialogs are answered by a script instead of exec().

#include <QDialog>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>

#include "../app/OutilsFenetres.h"
#include "app/Fenetres.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormImagesLib.h"
#include "app/TFormMessageDialogInterne.h"
#include "compare/Table.h"
#include "import/GrilleSaisie.h"
#include "import/ModeleGrille.h"
#include "import/TFormChoixFeuilleExcel.h"
#include "import/TFormMain.h"
#include "modes/TDataModule1.h"

namespace velmora::test {

// A table of `colonnes` × `lignes` cells, each holding `prefixe` followed by
// its spreadsheet address, such as "a:C7".
inline Table TableNommee(int colonnes, int lignes, const std::string& prefixe = "") {
    Table table(colonnes, lignes);
    for (int r = 0; r < lignes; ++r) {
        for (int c = 0; c < colonnes; ++c) {
            std::string nom = prefixe;
            if (c >= 26) {
                nom += 'A';
            }
            nom += static_cast<char>('A' + c % 26);
            table.setCell(c, r, nom + std::to_string(r + 1));
        }
    }
    return table;
}

class FenetreDeTest {
public:
    // `langue` goes into Param.ini before the window is first shown.
    explicit FenetreDeTest(
        const QByteArray& langue = "francais",
        const std::function<void(const std::filesystem::path&)>& avantBase = {}) {
        dossier.EcrireParamIni("[Parametrage]\r\nLangue=" + langue + "\r\n");
        if (avantBase) {
            avantBase(dossier.chemin());
        }
        module = std::make_unique<TDataModule1>(dossier.chemin());
        Fenetres& f = FenetresProgramme();
        f = Fenetres{};
        f.DataModule1 = module.get();
        f.FormGrisTransparent = &voiles;
        f.FormImagesLib = &bibliotheque;
        f.FormMessageDialogInterne = &question;
        f.FormChoixFeuilleExcel = &choix;
        principale = std::make_unique<TFormMain>();
        f.FormMain = principale.get();
        principale->ExecuterDialogue = [this](QDialog* dialogue) {
            ++dialoguesMontres;
            if (reponses.empty()) {
                QTest::qFail("unexpected dialog", __FILE__, __LINE__);
                dialogue->reject();
                return;
            }
            auto reponse = std::move(reponses.front());
            reponses.pop_front();
            reponse(dialogue);
        };
        DefinirAfficheurErreur([this](const QString& texte) { erreurs.append(texte); });
        principale->show();
        if (!QTest::qWaitForWindowExposed(principale.get())) {
            QTest::qFail("main window not exposed", __FILE__, __LINE__);
        }
    }
    ~FenetreDeTest() {
        DefinirAfficheurErreur({});
        principale.reset();
        FenetresProgramme() = Fenetres{};
    }

    TFormMain& fenetre() { return *principale; }
    GrilleSaisie& grille1() { return *principale->StringGridExcel1; }
    GrilleSaisie& grille2() { return *principale->StringGridExcel2; }

    DossierProgramme dossier;
    std::unique_ptr<TDataModule1> module;
    TFormImagesLib bibliotheque;
    TFormGrisTransparent voiles;
    TFormMessageDialogInterne question;
    TFormChoixFeuilleExcel choix;
    std::unique_ptr<TFormMain> principale;

    // The answers to the next modal dialogs, in order.
    std::deque<std::function<void(QDialog*)>> reponses;
    int dialoguesMontres = 0;
    QStringList erreurs;
};

}  // namespace velmora::test
