// The options dialog and the title dialog, on a program whose store holds
// the modes each test gives it.

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "../app/OutilsFenetres.h"
#include "app/Fenetres.h"
#include "app/Programme.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormImagesLib.h"
#include "app/TFormMessageDialogInterne.h"
#include "app/TFormShowMessageInterne.h"
#include "import/TFormMain.h"
#include "modes/CreationBaseModes.h"
#include "modes/MagasinModes.h"
#include "modes/TDataModule1.h"
#include "modes/TFormEnregistre.h"
#include "modes/TFormOptions.h"

using namespace velmora;

namespace {

ModeComparaison Reference(const std::string& ref1, const std::string& ref2,
                          const std::string& sortie, const std::string& ancien) {
    ModeComparaison m;
    m.EntreeTableau = "Reference";
    m.Ref1 = ref1;
    m.Ref2 = ref2;
    m.SortieTableau = sortie;
    m.AncienNumLigne = ancien;
    return m;
}

ModeComparaison Identique(const std::string& sortie) {
    ModeComparaison m;
    m.SortieTableau = sortie;
    return m;
}

// Three stored modes, sorted by title: Alpha, Bravo, Charlie.
std::vector<ModeInitial> TroisModes() {
    return {
        {"Bravo", Reference("1", "2", "Lignes", "Oui")},
        {"Alpha", Identique("Ajoutees")},
        {"Charlie", Reference("0", "NULL", "Doublons", "Non")},
    };
}

QStringList Titres(const std::vector<ModeComparaison>& modes) {
    QStringList titres;
    for (const ModeComparaison& m : modes) {
        titres << QString::fromStdString(m.Intitule);
    }
    return titres;
}

// What the message and question boxes were asked, and how a test answers
// them: questions take the next answer of `reponses` ("oui", "non",
// "escape"); the title dialog gets the next text of `titres` and is
// validated, or cancelled when the text is null.
struct Dialogues {
    QStringList messages;
    QStringList questions;
    QStringList reponses;
    QStringList titres;
    int dialoguesTitre = 0;
    // Overlay slots found up while each box or dialog was shown.
    QList<QList<int>> voiles;

    void operator()(QWidget* modal) {
        voiles << test::VoilesAffiches();
        if (auto* message = qobject_cast<TFormShowMessageInterne*>(modal)) {
            messages << message->LbAlert->text();
            message->ImageFermerClick();
        } else if (auto* question = qobject_cast<TFormMessageDialogInterne*>(modal)) {
            questions << question->LbAlert->text();
            test::RepondreQuestion(question, reponses.isEmpty() ? "non" : reponses.takeFirst());
        } else if (auto* titre = qobject_cast<TFormEnregistre*>(modal)) {
            ++dialoguesTitre;
            const QString texte = titres.isEmpty() ? QString() : titres.takeFirst();
            if (texte.isNull()) {
                titre->ImageAnnulerClick();
            } else {
                titre->EdIntitule->setText(texte);
                titre->ImageValiderClick();
            }
        } else {
            modal->close();
        }
    }
};

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DossierProgramme> dossier_;
    std::unique_ptr<Programme> programme_;
    Dialogues dialogues_;
    std::unique_ptr<test::RepondeurModal> repondeur_;

    // A program on a store holding `modes`, its main list loaded.
    void Demarrer(const std::vector<ModeInitial>& modes, const QByteArray& langue = "francais") {
        dossier_ = std::make_unique<test::DossierProgramme>(false);
        CreerBaseModes(dossier_->chemin() / "Comp.qnr", modes);
        dossier_->EcrireParamIni("[Parametrage]\nLangue=" + langue + "\n");
        programme_ = std::make_unique<Programme>();
        Principale().LangueCourante = QString::fromUtf8(langue);
        Principale().ChargerModesComparaison();
        dialogues_ = Dialogues{};
        repondeur_ = std::make_unique<test::RepondeurModal>([this](QWidget* m) { dialogues_(m); });
    }

    TFormMain& Principale() { return programme_->FormMain(); }
    TFormOptions& Options() { return programme_->FormOptions(); }
    std::vector<ModeComparaison> Stockes() { return ChargerModes(programme_->DataModule1()); }

    // The dialog as its button would show it, without a modal loop of its
    // own: the tests press its buttons themselves.
    void OuvrirOptions() {
        // Shown without modality: the answering of modal boxes would take
        // the dialog itself for one.
        Options().setModal(false);
        Options().show();
        QVERIFY(Options().isVisible());
    }
    void Choisir(int item) {
        Options().CbModeCompare->setCurrentIndex(item);
        Options().CbModeCompareChange();
    }

private slots:
    void initTestCase() {
        DefinirAfficheurErreur([](const QString& texte) { QFAIL(qPrintable(texte)); });
    }
    void cleanup() {
        repondeur_.reset();
        programme_.reset();
        dossier_.reset();
    }

    void boutonOptionsOuvreLeModeDeLaFenetrePrincipaleSousLeVoile() {
        Demarrer(TroisModes());
        Principale().CbModeCompare->setCurrentIndex(2);
        Principale().CbModeCompareChange();
        QList<int> voiles;
        QString montre;
        repondeur_ = std::make_unique<test::RepondeurModal>([&](QWidget* modal) {
            QCOMPARE(modal, static_cast<QWidget*>(&Options()));
            voiles << test::VoilesAffiches();
            montre = Options().CbModeCompare->currentText();
            // A pick in the dialog's list moves nothing in the main window.
            Options().CbModeCompare->setCurrentIndex(0);
            Options().CbModeCompareChange();
            QTest::keyRelease(Options().RbSortLignesAjoutees, Qt::Key_Escape);
        });
        Principale().ImageOptionsClick();
        QCOMPARE(montre, QString("Charlie"));
        QCOMPARE(voiles, QList<int>{2});
        QVERIFY(!Options().isVisible());
        QTRY_COMPARE(FenetresProgramme().FormGrisTransparent->Voile(2), nullptr);
        QCOMPARE(Principale().CbModeCompare->currentIndex(), 2);
        QCOMPARE(Stockes().size(), std::size_t{3});
    }

    void textesSelonLaLangue_data() {
        QTest::addColumn<QByteArray>("langue");
        QTest::addColumn<QString>("titre1");
        QTest::addColumn<QString>("doublons");
        QTest::addColumn<QString>("colonne");
        QTest::addColumn<QString>("suffixe");
        QTest::newRow("francais") << QByteArray("francais")
                                  << "Sélectionnez le mode de comparaison désiré."
                                  << "Sortir uniquement les doublons de références"
                                  << "Colonne"
                                  << "";
        QTest::newRow("anglais") << QByteArray("anglais")
                                 << "Select the desired mode of comparison."
                                 << "Show only duplicate references"
                                 << "Column"
                                 << "Anglais";
    }
    void textesSelonLaLangue() {
        QFETCH(QByteArray, langue);
        QFETCH(QString, titre1);
        QFETCH(QString, doublons);
        QFETCH(QString, colonne);
        QFETCH(QString, suffixe);
        Demarrer(TroisModes(), langue);
        OuvrirOptions();
        QCOMPARE(Options().LbTitre->text(), QString("OPTIONS"));
        QCOMPARE(Options().LbTitre1->text(), titre1);
        QCOMPARE(Options().RbSortLignesDoublons->text(), doublons);
        QCOMPARE(Options().LbColonne[4]->text(), colonne);
        const TFormImagesLib& bibliotheque = programme_->FormImagesLib();
        QVERIFY(test::MemeImage(Options().ImageEnregistrerSous->pixmap(),
                                bibliotheque.Image("ImageEnregistrerSous" + suffixe)));
        QVERIFY(test::MemeImage(Options().ImageClicSupprimer->pixmap(),
                                bibliotheque.Image("ImageClicSupprimer" + suffixe)));
        QCOMPARE(Options().CbRef[2]->count(), 27);
        QCOMPARE(Options().CbRef[2]->itemText(0), QString("NULL"));
        QCOMPARE(Options().CbRef[2]->itemText(26), QString("Z"));
    }

    void lesChoixSuiventLeModeChoisi() {
        Demarrer(TroisModes());
        OuvrirOptions();
        TFormOptions& o = Options();
        Choisir(1);  // Bravo: reference B + C, changed rows, old row numbers
        QVERIFY(o.RbTableauReference->isChecked());
        QVERIFY(!o.PanelVide->isVisible());
        QCOMPARE(o.CbRef[0]->currentText(), QString("B"));
        QCOMPARE(o.CbRef[1]->currentText(), QString("C"));
        QCOMPARE(o.CbRef[2]->currentText(), QString("NULL"));
        QVERIFY(o.RbSortLignesModifiees->isChecked());
        QVERIFY(o.CbInsereNumLigne->isChecked());

        Choisir(0);  // Alpha: row numbers, added rows; the selectors stay as they were
        QVERIFY(o.RbTableauIdentique->isChecked());
        QVERIFY(o.PanelVide->isVisible());
        QVERIFY(test::Devant(o.PanelVide, o.Panel3));
        QVERIFY(!o.Panel3->isEnabled());
        QCOMPARE(o.CbRef[0]->currentText(), QString("B"));
        QVERIFY(o.RbSortLignesAjoutees->isChecked());
        QVERIFY(!o.CbInsereNumLigne->isChecked());

        o.RbTableauReference->click();
        QVERIFY(!o.PanelVide->isVisible());
        QVERIFY(o.Panel3->isEnabled());
        QCOMPARE(o.CbRef[1]->currentText(), QString("C"));
        o.RbTableauIdentique->click();
        QVERIFY(o.PanelVide->isVisible());
    }

    void enregistrerLeModeParDefautOuvreLeDialogueDeTitre() {
        Demarrer({});
        QCOMPARE(Principale().ModesComparaison.front().RefComparaison, std::string("-1"));
        OuvrirOptions();
        QVERIFY(Options().PanelVide->isVisible());
        Options().RbSortLignesModifiees->setChecked(true);
        dialogues_.titres << "Mon mode";
        Options().ImageEnregistrerClick();
        QCOMPARE(dialogues_.dialoguesTitre, 1);
        QCOMPARE(dialogues_.voiles.front(), QList<int>{3});
        const std::vector<ModeComparaison> stockes = Stockes();
        QCOMPARE(stockes.size(), std::size_t{1});
        QCOMPARE(stockes[0].Intitule, std::string("Mon mode"));
        QCOMPARE(stockes[0].SortieTableau, std::string("Lignes"));
        QCOMPARE(Principale().CbModeCompare->currentText(), QString("Mon mode"));
        QCOMPARE(Options().CbModeCompare->itemText(0), QString("Mon mode"));
        QVERIFY(!Options().isVisible());
    }

    void enregistrerSousSelonLeTitre_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QStringList>("titresStockes");
        QTest::addColumn<int>("selectionPrincipale");
        QTest::newRow("blanks around")
            << "  \tDelta  " << QStringList{"Alpha", "Bravo", "Charlie", "Delta"} << 3;
        QTest::newRow("apostrophe")
            << "L'écart" << QStringList{"Alpha", "Bravo", "Charlie", "L'écart"} << 3;
        // Stored with an apostrophe in its place: no item equals the typed
        // title, so the main list stays on its first item.
        QTest::newRow("double quote")
            << "Le \"bon\"" << QStringList{"Alpha", "Bravo", "Charlie", "Le 'bon'"} << 0;
        // A second mode of that title; the first of them in list order is
        // selected, whichever it is.
        QTest::newRow("existing title")
            << "Bravo" << QStringList{"Alpha", "Bravo", "Bravo", "Charlie"} << 1;
    }
    void enregistrerSousSelonLeTitre() {
        QFETCH(QString, tape);
        QFETCH(QStringList, titresStockes);
        QFETCH(int, selectionPrincipale);
        Demarrer(TroisModes());
        OuvrirOptions();
        Choisir(2);  // Charlie: reference column A, duplicated references
        dialogues_.titres << tape;
        Options().ImageEnregistrerSousClick();
        QVERIFY(dialogues_.messages.isEmpty());
        const std::vector<ModeComparaison> stockes = Stockes();
        QCOMPARE(Titres(stockes), titresStockes);
        QCOMPARE(Principale().CbModeCompare->currentIndex(), selectionPrincipale);
        QVERIFY(!Options().isVisible());
        int nouveaux = 0;
        for (const ModeComparaison& m : stockes) {
            if (m.Intitule != "Bravo" && m.Intitule != "Alpha" && m.Intitule != "Charlie") {
                ++nouveaux;
                QCOMPARE(m.EntreeTableau, std::string("Reference"));
                QCOMPARE(m.Ref1, std::string("0"));
                QCOMPARE(m.SortieTableau, std::string("Doublons"));
            }
        }
        QCOMPARE(nouveaux, tape == "Bravo" ? 0 : 1);
    }

    void enregistrerSousAnnuleGardeLeDialogueEtLeTexte() {
        Demarrer(TroisModes());
        OuvrirOptions();
        TFormEnregistre& titre = programme_->FormEnregistre();
        repondeur_ = std::make_unique<test::RepondeurModal>([&](QWidget*) {
            titre.EdIntitule->setText("brouillon");
            QTest::keyRelease(titre.EdIntitule, Qt::Key_Escape);
        });
        Options().ImageEnregistrerSousClick();
        QVERIFY(Options().IntituleSaisi.isEmpty());
        QCOMPARE(Stockes().size(), std::size_t{3});
        QVERIFY(Options().isVisible());
        QString texteAuRetour;
        repondeur_ = std::make_unique<test::RepondeurModal>([&](QWidget*) {
            texteAuRetour = titre.EdIntitule->text();
            titre.ImageAnnulerClick();
        });
        Options().ImageEnregistrerSousClick();
        QCOMPARE(texteAuRetour, QString("brouillon"));
    }

    void titreVideRefuseEntreeValide() {
        Demarrer(TroisModes(), "anglais");
        TFormEnregistre& titre = programme_->FormEnregistre();
        titre.setModal(false);
        titre.show();
        QCOMPARE(titre.LbTitre->text(), QString("SAVE"));
        QCOMPARE(titre.LbIntit->text(), QString("Title of the comparison :"));
        titre.EdIntitule->setText(" \t ");
        QTest::keyRelease(titre.EdIntitule, Qt::Key_Return);
        QCOMPARE(dialogues_.messages, QStringList{"You must enter the title"});
        QCOMPARE(dialogues_.voiles.front(), QList<int>{1});
        QVERIFY(titre.isVisible());
        QVERIFY(Options().IntituleSaisi.isEmpty());
        titre.EdIntitule->setText(" Echo ");
        QTest::keyRelease(titre.EdIntitule, Qt::Key_Enter);
        QCOMPARE(Options().IntituleSaisi, QString("Echo"));
        QVERIFY(!titre.isVisible());
        QVERIFY(titre.EdIntitule->text().isEmpty());
    }

    void referenceSansColonneRefusee() {
        Demarrer(TroisModes());
        OuvrirOptions();
        Choisir(1);
        for (ListeDessinee* selecteur : Options().CbRef) {
            selecteur->setCurrentIndex(0);
        }
        Options().ImageEnregistrerClick();
        Options().ImageEnregistrerSousClick();
        const QString attendu("Vous devez sélectionner une colonne de référence.");
        QCOMPARE(dialogues_.messages, QStringList({attendu, attendu}));
        QCOMPARE(dialogues_.dialoguesTitre, 0);
        QVERIFY(Options().isVisible());
        QCOMPARE(Stockes()[1], Principale().ModesComparaison[1]);
    }

    void enregistrerReecritLeModeDuDialogue() {
        Demarrer(TroisModes());
        OuvrirOptions();
        TFormOptions& o = Options();
        // Reference kind with only the fourth selector on D.
        Choisir(2);
        o.CbRef[0]->setCurrentIndex(0);
        o.CbRef[3]->setCurrentIndex(4);
        o.RbSortLignesInchangees->setChecked(true);
        o.ImageEnregistrerClick();
        QVERIFY(!o.isVisible());
        std::vector<ModeComparaison> stockes = Stockes();
        QCOMPARE(stockes[2].Intitule, std::string("Charlie"));
        QCOMPARE(stockes[2].EntreeTableau, std::string("Reference"));
        for (const std::string* ref :
             {&stockes[2].Ref1, &stockes[2].Ref2, &stockes[2].Ref3, &stockes[2].Ref5}) {
            QCOMPARE(*ref, std::string("NULL"));
        }
        QCOMPARE(stockes[2].Ref4, std::string("3"));
        QCOMPARE(stockes[2].SortieTableau, std::string("Inchangees"));
        QCOMPARE(Principale().CbModeCompare->currentIndex(), 2);
        QCOMPARE(Principale().ModesComparaison[2], stockes[2]);
    }

    void selecteursCachesStockesAvecLeModeParNumeros() {
        Demarrer(TroisModes());
        OuvrirOptions();
        TFormOptions& o = Options();
        Choisir(1);  // Bravo shows B and C
        o.RbTableauIdentique->click();
        o.CbInsereNumLigne->setChecked(false);
        o.ImageEnregistrerClick();
        const ModeComparaison bravo = Stockes()[1];
        QCOMPARE(bravo.EntreeTableau, std::string("Identique"));
        QCOMPARE(bravo.Ref1, std::string("1"));
        QCOMPARE(bravo.Ref2, std::string("2"));
        QCOMPARE(bravo.Ref3, std::string("NULL"));
        QCOMPARE(bravo.AncienNumLigne, std::string("Non"));
        QCOMPARE(Principale().CbModeCompare->currentIndex(), 1);
    }

    void supprimer() {
        Demarrer({TroisModes()[0], TroisModes()[1]});
        OuvrirOptions();
        Choisir(1);  // Bravo
        dialogues_.reponses << "escape"
                            << "non"
                            << "oui";
        Options().ImageSupprimerClick();
        Options().ImageSupprimerClick();
        QCOMPARE(Titres(Stockes()), QStringList({"Alpha", "Bravo"}));
        Options().ImageSupprimerClick();
        const QString question("Etes vous sûr de vouloir supprimer ce mode de comparaison ?");
        QCOMPARE(dialogues_.questions, QStringList({question, question, question}));
        QCOMPARE(Titres(Stockes()), QStringList{"Alpha"});
        QVERIFY(Options().isVisible());
        QCOMPARE(Options().CbModeCompare->count(), 1);
        QCOMPARE(Options().CbModeCompare->currentIndex(), 0);
        QVERIFY(Options().RbSortLignesAjoutees->isChecked());
        QCOMPARE(Principale().CbModeCompare->currentText(), QString("Alpha"));

        // The last mode stays.
        Options().ImageSupprimerClick();
        QCOMPARE(dialogues_.questions.size(), 3);
        QCOMPARE(dialogues_.messages,
                 QStringList{"Vous ne pouvez pas supprimer tous les modes de comparaison."});
        QCOMPARE(dialogues_.voiles.back(), QList<int>{1});
        QCOMPARE(Titres(Stockes()), QStringList{"Alpha"});
    }

    void instructionEnEchecLaisseLeDialogueOuvert() {
        Demarrer(TroisModes());
        OuvrirOptions();
        Choisir(1);
        Options().RbSortTableauComplet->setChecked(true);
        Principale().CbModeCompare->setCurrentIndex(2);
        programme_->DataModule1().ADOConnection1.SetConnected(false);
        bool echec = false;
        try {
            Options().ImageEnregistrerClick();
        } catch (const std::exception&) {
            echec = true;
        }
        QVERIFY(echec);
        QVERIFY(Options().isVisible());
        QCOMPARE(Principale().CbModeCompare->currentIndex(), 2);
        QCOMPARE(Options().CbModeCompare->currentIndex(), 1);
    }

    void echapSurLeDialogueAnnule() {
        Demarrer(TroisModes());
        OuvrirOptions();
        Choisir(1);
        Options().RbSortTableauComplet->setChecked(true);
        QTest::keyPress(&Options(), Qt::Key_Escape);
        QVERIFY(Options().isVisible());
        QTest::keyRelease(&Options(), Qt::Key_Escape);
        QVERIFY(!Options().isVisible());
        QCOMPARE(Stockes()[1].SortieTableau, std::string("Lignes"));
    }
};

QTEST_MAIN(OptionsTest)
#include "OptionsTest.moc"
