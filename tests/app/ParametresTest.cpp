#include "app/Parametres.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::string Lire(const fs::path& fichier) {
    std::ifstream in(fichier, std::ios::binary);
    std::ostringstream texte;
    texte << in.rdbuf();
    return texte.str();
}

void Ecrire(const fs::path& fichier, const std::string& contenu) {
    std::ofstream out(fichier, std::ios::binary);
    out << contenu;
}

std::vector<std::string> Lignes(const fs::path& fichier) {
    std::vector<std::string> lignes;
    std::istringstream in(Lire(fichier));
    for (std::string ligne; std::getline(in, ligne);) {
        lignes.push_back(ligne);
    }
    return lignes;
}

// A fresh folder standing for the executable's folder.
class ParametresTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string modele = (fs::temp_directory_path() / "velmora-param-XXXXXX").string();
        dossier_ = ::mkdtemp(modele.data());
        DefinirDossierExecutable(dossier_);
    }
    void TearDown() override {
        DefinirDossierExecutable({});
        fs::remove_all(dossier_);
    }
    fs::path Ini() const { return dossier_ / "Param.ini"; }

    fs::path dossier_;
};

TEST_F(ParametresTest, CheminEstDansLeDossierDeLExecutable) {
    EXPECT_EQ(CheminParametres(), dossier_ / "Param.ini");
    DefinirDossierExecutable({});
    char lien[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", lien, sizeof lien - 1), 0);
    EXPECT_EQ(DossierExecutable(), fs::path(lien).parent_path());
    EXPECT_NE(DossierExecutable(), fs::current_path());
}

TEST_F(ParametresTest, FichierAbsentDonneLesValeursParDefaut) {
    EXPECT_EQ(LireParametre("Parametrage", "Langue", "0"), "0");
    EXPECT_EQ(LireParametre("PositionFenetre", "NormalTop", "0"), "0");
    EXPECT_FALSE(fs::exists(Ini()));  // reading never creates the file
}

// First start in French, one drag to (300, 120), one comparison with the
// default display option: the writes in the order the program makes them.
TEST_F(ParametresTest, ExempleDUnPremierDemarrage) {
    EcrireParametre("Parametrage", "Langue", "francais");
    EXPECT_EQ(Lignes(Ini()), (std::vector<std::string>{"[Parametrage]", "Langue=francais"}));

    EcrireParametre("PositionFenetre", "NormalTop", "120");
    EcrireParametre("PositionFenetre", "NormalLeft", "300");
    EcrireParametre("Affichage", "CelluleSup", "FALSE");
    EXPECT_EQ(Lignes(Ini()),
              (std::vector<std::string>{"[Parametrage]", "Langue=francais", "[PositionFenetre]",
                                        "NormalTop=120", "NormalLeft=300", "[Affichage]",
                                        "CelluleSup=FALSE"}));
    EXPECT_EQ(LireParametre("PositionFenetre", "NormalTop", "0"), "120");
    EXPECT_EQ(LireParametre("PositionFenetre", "NormalLeft", "0"), "300");
    EXPECT_EQ(LireParametre("Affichage", "CelluleSup", "0"), "FALSE");
    EXPECT_EQ(LireParametre("Version", "versionexe", "0"), "0");
}

TEST_F(ParametresTest, RemplaceSurPlaceEtGardeLOrdreDesSections) {
    EcrireParametre("Parametrage", "Langue", "francais");
    EcrireParametre("PositionFenetre", "NormalTop", "120");
    EcrireParametre("PositionFenetre", "NormalLeft", "300");
    EcrireParametre("Parametrage", "Langue", "anglais");
    EcrireParametre("PositionFenetre", "NormalTop", "-50");
    EXPECT_EQ(Lignes(Ini()),
              (std::vector<std::string>{"[Parametrage]", "Langue=anglais", "[PositionFenetre]",
                                        "NormalTop=-50", "NormalLeft=300"}));
    EXPECT_EQ(LireParametre("PositionFenetre", "NormalTop", "0"), "-50");
}

TEST_F(ParametresTest, NomsSansEgardALaCasseValeursExactes) {
    Ecrire(Ini(),
           "; edited by hand\n[PARAMETRAGE]\nLANGUE=Anglais\n\n[affichage]\ncellulesup=true\n");
    EXPECT_EQ(LireParametre("Parametrage", "Langue", "0"), "Anglais");
    EXPECT_EQ(LireParametre("Affichage", "CelluleSup", "0"), "true");

    // The language switch rewrites the value in the hand-written section and
    // leaves the comment, the blank line and the names' spelling alone.
    EcrireParametre("Parametrage", "Langue", "francais");
    EXPECT_EQ(Lire(Ini()),
              "; edited by hand\n[PARAMETRAGE]\nLANGUE=francais\n\n[affichage]\ncellulesup=true\n");
}

TEST_F(ParametresTest, NouvelleCleVaALaFinDeSaSectionAvantLesLignesVides) {
    Ecrire(Ini(), "[PositionFenetre]\r\nNormalTop=1\r\n\r\n[Parametrage]\r\nLangue=anglais\r\n");
    EcrireParametre("PositionFenetre", "NormalLeft", "2");
    EXPECT_EQ(Lire(Ini()),
              "[PositionFenetre]\r\nNormalTop=1\r\nNormalLeft=2\r\n\r\n[Parametrage]\r\n"
              "Langue=anglais\r\n");
    EXPECT_EQ(LireParametre("Parametrage", "Langue", "0"), "anglais");
}

TEST_F(ParametresTest, ValeursGardeesOctetPourOctet) {
    const std::string version = "2.1 b\xe9ta \xc3\xa9t\xc3\xa9 = ok";  // Latin-1 and UTF-8 mixed
    EcrireParametre("Version", "versionexe", version);
    EXPECT_EQ(LireParametre("Version", "versionexe", "0"), version);
    EcrireParametre("Version", "versionexe", "");
    EXPECT_EQ(LireParametre("Version", "versionexe", "0"), "");
}

TEST_F(ParametresTest, MarqueDOrdreDesOctetsEnTeteIgnoree) {
    Ecrire(Ini(), "\xEF\xBB\xBF[Parametrage]\r\nLangue=anglais\r\n");
    EXPECT_EQ(LireParametre("Parametrage", "Langue", "0"), "anglais");
    EcrireParametre("Parametrage", "Langue", "francais");
    EXPECT_EQ(Lire(Ini()), "\xEF\xBB\xBF[Parametrage]\r\nLangue=francais\r\n");
}

TEST_F(ParametresTest, CleOuSectionAbsenteDonneLeDefaut) {
    Ecrire(Ini(), "[Parametrage]\nLangue=anglais\n[Autre]\nNormalTop=5\n");
    EXPECT_EQ(LireParametre("PositionFenetre", "NormalTop", "0"), "0");
    EXPECT_EQ(LireParametre("Parametrage", "NormalTop", "0"), "0");
    EXPECT_EQ(LireParametre("Parametrage", "Lang", "0"), "0");
}

TEST_F(ParametresTest, ValeurSurDeuxLignesRefusee) {
    EXPECT_THROW(EcrireParametre("Parametrage", "Langue", "a\nb"), std::invalid_argument);
    EXPECT_FALSE(fs::exists(Ini()));
}

// Tests run as root, where permission bits do not stop a write: the failures
// are made real by a Param.ini that is a folder, and by a program folder that
// is a regular file.
TEST_F(ParametresTest, EcritureImpossibleNommeLeFichierEtNeDetruitRien) {
    fs::create_directory(Ini());
    try {
        EcrireParametre("Parametrage", "Langue", "francais");
        FAIL() << "no error";
    } catch (const ErreurEcritureParametres& e) {
        EXPECT_EQ(std::string(e.what()), "Impossible d'écrire dans " + Ini().string());
    }
    EXPECT_TRUE(fs::is_directory(Ini()));
    EXPECT_EQ(LireParametre("Parametrage", "Langue", "0"), "0");

    fs::path fichierOrdinaire = dossier_ / "pas-un-dossier";
    Ecrire(fichierOrdinaire, "x");
    DefinirDossierExecutable(fichierOrdinaire);
    EXPECT_THROW(EcrireParametre("Parametrage", "Langue", "francais"), ErreurEcritureParametres);
    EXPECT_EQ(Lire(fichierOrdinaire), "x");
}

// A write that dies half-way (here: the file-size limit is hit in a child
// process) leaves the previous Param.ini whole and no temporary file behind.
TEST_F(ParametresTest, EcritureInterrompueLaisseLAncienFichierIntact) {
    const std::string ancien = "[Parametrage]\nLangue=anglais\n";
    Ecrire(Ini(), ancien);
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limite{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limite);
        try {
            EcrireParametre("Version", "versionexe", std::string(4096, 'v'));
        } catch (const ErreurEcritureParametres&) {
            ::_exit(0);
        }
        ::_exit(1);
    }
    int statut = 0;
    ASSERT_EQ(::waitpid(pid, &statut, 0), pid);
    ASSERT_TRUE(WIFEXITED(statut));
    EXPECT_EQ(WEXITSTATUS(statut), 0) << "the failed write raised no error";
    EXPECT_EQ(Lire(Ini()), ancien);
    std::vector<fs::path> contenu(fs::directory_iterator(dossier_), {});
    EXPECT_EQ(contenu, std::vector<fs::path>{Ini()});
}

TEST_F(ParametresTest, LienSymboliqueResteUnLien) {
    fs::path vrai = dossier_ / "vrai.ini";
    Ecrire(vrai, "[Parametrage]\nLangue=anglais\n");
    fs::create_symlink(vrai, Ini());
    EcrireParametre("Parametrage", "Langue", "francais");
    EXPECT_TRUE(fs::is_symlink(Ini()));
    EXPECT_EQ(Lire(vrai), "[Parametrage]\nLangue=francais\n");
}

}  // namespace
}  // namespace velmora
