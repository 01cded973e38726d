#include "compare/ExporterTableauFinal.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "workbook/DossierTemporaire.h"
#include "workbook/LectureXlrd.h"

namespace velmora {
namespace {

using test::DossierTemporaire;
using test::LireAvecXlrd;
using test::LireFichier;

// Records what the export asks of the window.
struct Fenetre {
    std::vector<std::string> evenements;
    std::vector<int> positions;
    std::vector<std::string> messages;

    CrochetsExport crochets() {
        CrochetsExport c;
        c.curseurOccupe = [this] { evenements.push_back("occupe"); };
        c.curseurNormal = [this] { evenements.push_back("normal"); };
        c.debutProgression = [this](int maximum) {
            evenements.push_back("maximum " + std::to_string(maximum));
        };
        c.progression = [this](int position) { positions.push_back(position); };
        c.message = [this](const std::string& texte) {
            evenements.push_back("message");
            messages.push_back(texte);
        };
        return c;
    }
};

TableauFinal Tableau(int colonnes, int lignes) {
    TableauFinal t;
    t.resize(colonnes, lignes);
    return t;
}

TEST(ExporterTableauFinal, WritesTextsAndTintsToTempResult) {
    DossierTemporaire dossier;
    TableauFinal t = Tableau(4, 3);
    const std::string long_texte(20000, 'L');
    t.setTexte(0, 0, "Référence");
    t.setTexte(1, 0, "表格");
    t.setTexte(2, 0, "25/12/2007 14:05");
    t.setTexte(3, 0, long_texte);
    t.setTexte(0, 1, "ajoutée");
    t.setCouleur(0, 1, CouleurCellule::Ajoutee);
    t.setTexte(1, 1, "modifiée");
    t.setCouleur(1, 1, CouleurCellule::Modifiee);
    t.setCouleur(2, 1, CouleurCellule::Effacee);  // erased and left blank
    t.setTexte(3, 1, "inchangée");
    t.setCouleur(3, 1, CouleurCellule::Inchangee);
    t.setTexte(0, 2, "31/02/2007");

    Fenetre fenetre;
    EXPECT_EQ(ExporterTableauFinal(t, dossier.chemin(), "francais", fenetre.crochets()),
              IssueExport::Terminee);
    EXPECT_EQ(fenetre.evenements,
              (std::vector<std::string>{"occupe", "maximum 3", "normal", "message"}));
    EXPECT_EQ(fenetre.positions, (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(fenetre.messages, std::vector<std::string>{"EXPORTATION TERMINEE"});
    EXPECT_EQ(dossier.contenu(), std::set<std::string>{"Temp_Result.xls"});

    const auto feuilles = LireAvecXlrd(dossier / "Temp_Result.xls");
    ASSERT_EQ(feuilles.size(), 1u);
    const auto& f = feuilles[0];
    EXPECT_EQ(f.nom, "Résultat Compare");
    EXPECT_EQ(f.cellule(0, 0).texte, "Référence");
    EXPECT_EQ(f.cellule(0, 1).texte, "表格");
    EXPECT_EQ(f.cellule(0, 2).texte, "25/12/2007 14:05");
    EXPECT_TRUE(f.cellule(0, 3).texte == long_texte);
    EXPECT_EQ(f.cellule(1, 0).remplissage, "008080");
    EXPECT_EQ(f.cellule(1, 1).remplissage, "808080");
    EXPECT_EQ(f.cellule(1, 2).remplissage, "800000");
    EXPECT_EQ(f.cellule(1, 2).texte, "");
    EXPECT_EQ(f.cellule(1, 3).remplissage, "-");
    EXPECT_EQ(f.cellule(1, 3).texte, "inchangée");
    EXPECT_EQ(f.cellule(0, 0).remplissage, "-");
    EXPECT_EQ(f.cellule(2, 0).texte, "31/02/2007");
    for (const auto& [place, cellule] : f.cellules) {
        EXPECT_EQ(cellule.type == 1 || cellule.type == 6, true);  // texts and filled blanks only
    }
}

TEST(ExporterTableauFinal, EmptyFirstCellGetsASingleBlank) {
    struct Cas {
        const char* nom;
        TableauFinal tableau;
    };
    TableauFinal premiereVide = Tableau(2, 2);
    premiereVide.setTexte(1, 1, "x");
    for (const Cas& cas : {Cas{"sans_ligne", Tableau(3, 0)}, Cas{"sans_colonne", Tableau(0, 4)},
                           Cas{"premiere_cellule_vide", premiereVide}}) {
        SCOPED_TRACE(cas.nom);
        DossierTemporaire dossier;
        Fenetre fenetre;
        ExporterTableauFinal(cas.tableau, dossier.chemin(), "anglais", fenetre.crochets());
        EXPECT_EQ(fenetre.messages, std::vector<std::string>{"EXPORT COMPLETED"});
        const auto f = LireAvecXlrd(dossier / "Temp_Result.xls").at(0);
        EXPECT_EQ(f.nom, "Résultat Compare");
        EXPECT_EQ(f.cellule(0, 0).texte, " ");
    }
}

TEST(ExporterTableauFinal, ExportingAgainReplacesTheFile) {
    DossierTemporaire dossier;
    TableauFinal grand = Tableau(3, 3);
    grand.setTexte(2, 2, "premier");
    grand.setCouleur(2, 2, CouleurCellule::Modifiee);
    ExporterTableauFinal(grand, dossier.chemin(), "francais");
    TableauFinal petit = Tableau(1, 1);
    petit.setTexte(0, 0, "second");
    ExporterTableauFinal(petit, dossier.chemin(), "francais");

    EXPECT_EQ(dossier.contenu(), std::set<std::string>{"Temp_Result.xls"});
    const auto f = LireAvecXlrd(dossier / "Temp_Result.xls").at(0);
    EXPECT_EQ(f.cellules.size(), 1u);
    EXPECT_EQ(f.cellule(0, 0).texte, "second");
}

TEST(ExporterTableauFinal, AccessMessageNamesTheFullPath) {
    const std::filesystem::path cible = "/dossier/absent/Temp_Result.xls";
    EXPECT_EQ(MessageAccesFichier(cible, "francais"),
              "Problème d'accès au fichier/dossier/absent/Temp_Result.xls\r\n"
              "Vérifiez qu'il ne soit pas ouvert par une autre application.");
    EXPECT_EQ(MessageAccesFichier(cible, "anglais"),
              "Problem file access/dossier/absent/Temp_Result.xls\r\n"
              "Make sure it is not open by another application.");
    EXPECT_EQ(MessageAccesFichier(cible, "Anglais").rfind("Problème", 0), 0u);
}

// The target cannot be replaced: the access message, nothing written, and
// any previous file left as it was.
TEST(ExporterTableauFinal, UnwritableTargetGivesTheAccessMessage) {
    struct Cas {
        const char* nom;
        bool lectureSeule;     // the folder loses its write permission
        bool cibleRepertoire;  // Temp_Result.xls is a folder
        bool dossierAbsent;
    };
    for (const Cas& cas :
         {Cas{"dossier_absent", false, false, true}, Cas{"cible_repertoire", false, true, false},
          Cas{"dossier_lecture_seule", true, false, false}}) {
        SCOPED_TRACE(cas.nom);
        if (cas.lectureSeule && ::geteuid() == 0) {
            continue;  // root writes into read-only folders
        }
        DossierTemporaire dossier;
        const auto ici = cas.dossierAbsent ? dossier / "absent" : dossier.chemin();
        const auto cible = ici / "Temp_Result.xls";
        std::string ancien;
        if (cas.cibleRepertoire) {
            std::filesystem::create_directory(cible);
        } else if (!cas.dossierAbsent) {
            TableauFinal t = Tableau(1, 1);
            t.setTexte(0, 0, "ancien");
            ExporterTableauFinal(t, ici, "francais");
            ancien = LireFichier(cible);
        }
        const auto avant = dossier.contenu();
        if (cas.lectureSeule) {
            std::filesystem::permissions(ici, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::remove);
        }
        Fenetre fenetre;
        TableauFinal nouveau = Tableau(1, 1);
        nouveau.setTexte(0, 0, "nouveau");
        EXPECT_EQ(ExporterTableauFinal(nouveau, ici, "anglais", fenetre.crochets()),
                  IssueExport::AccesRefuse);
        if (cas.lectureSeule) {
            std::filesystem::permissions(ici, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add);
        }
        EXPECT_EQ(fenetre.messages,
                  std::vector<std::string>{MessageAccesFichier(cible, "anglais")});
        EXPECT_EQ(fenetre.evenements, (std::vector<std::string>{"occupe", "normal", "message"}));
        EXPECT_TRUE(fenetre.positions.empty());
        EXPECT_EQ(dossier.contenu(), avant);
        if (!ancien.empty()) {
            EXPECT_EQ(LireFichier(cible), ancien);
        }
    }
}

// A write that fails part-way (the file-size limit) is not reported as done:
// the error names the file, the cursor comes back and the previous workbook
// stays in place.
TEST(ExporterTableauFinal, FailedWriteKeepsThePreviousWorkbook) {
    DossierTemporaire dossier;
    const auto cible = dossier / "Temp_Result.xls";
    TableauFinal petit = Tableau(1, 1);
    petit.setTexte(0, 0, "ancien");
    ExporterTableauFinal(petit, dossier.chemin(), "francais");
    const std::string ancien = LireFichier(cible);

    TableauFinal grand = Tableau(10, 3000);
    for (int r = 0; r < 3000; ++r) {
        for (int c = 0; c < 10; ++c) {
            grand.setTexte(c, r, "cellule " + std::to_string(r) + "," + std::to_string(c));
        }
    }
    Fenetre fenetre;
    rlimit avant{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &avant), 0);
    const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = avant;
    limite.rlim_cur = 32 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    std::string erreur;
    try {
        ExporterTableauFinal(grand, dossier.chemin(), "francais", fenetre.crochets());
    } catch (const std::runtime_error& e) {
        erreur = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, ancienSignal);

    EXPECT_NE(erreur.find(cible.string()), std::string::npos) << erreur;
    EXPECT_EQ(fenetre.evenements, (std::vector<std::string>{"occupe", "maximum 3000", "normal"}));
    EXPECT_TRUE(fenetre.messages.empty());
    EXPECT_EQ(LireFichier(cible), ancien);
    EXPECT_EQ(dossier.contenu(), std::set<std::string>{"Temp_Result.xls"});
}

// What the format cannot hold is written as far as it goes and said in the
// completion message instead of being dropped silently.
TEST(ExporterTableauFinal, LossesAreReportedInTheCompletionMessage) {
    DossierTemporaire dossier;
    TableauFinal t = Tableau(1, 65537);
    t.setTexte(0, 0, std::string(40000, 'x'));
    t.setTexte(0, 65535, "dernière");
    t.setTexte(0, 65536, "de trop");
    Fenetre fenetre;
    ExporterTableauFinal(t, dossier.chemin(), "anglais", fenetre.crochets());
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0],
              "EXPORT COMPLETED\r\nRows beyond 65536 not exported: 1\r\n"
              "Texts truncated to 32767 characters: 1");
    EXPECT_EQ(fenetre.positions.size(), 65538u);
    const auto f =
        LireAvecXlrd(dossier / "Temp_Result.xls", "--resume --cellule 0 0 0 --cellule 0 65535 0")
            .at(0);
    EXPECT_EQ(f.lignes, 65536);
    EXPECT_EQ(f.cellule(65535, 0).texte, "dernière");
    EXPECT_EQ(f.cellule(0, 0).texte.size(), 32767u);

    BilanExport bilan;
    bilan.cellulesEnEchec = 2;
    bilan.remplissageInterrompu = "panne";
    EXPECT_EQ(MessageExportTermine(bilan, "francais"),
              "EXPORTATION TERMINEE\r\nCellules non écrites : 2\r\nRemplissage interrompu : panne");
}

TEST(EcrireTableauFinal, WritesToTheGivenPathWithoutHooks) {
    DossierTemporaire dossier;
    TableauFinal t = Tableau(2, 1);
    t.setTexte(0, 0, "a");
    t.setTexte(1, 0, "b");
    t.setCouleur(1, 0, CouleurCellule::Effacee);
    const BilanExport bilan = EcrireTableauFinal(t, dossier / "result.xls");
    EXPECT_TRUE(bilan.complet());
    const auto f = LireAvecXlrd(dossier / "result.xls").at(0);
    EXPECT_EQ(f.cellule(0, 1).texte, "b");
    EXPECT_EQ(f.cellule(0, 1).remplissage, "800000");
}

}  // namespace
}  // namespace velmora
