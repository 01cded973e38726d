// The command line on workbooks and on stored modes.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/Parametres.h"
#include "cli/VelmoraCompare.h"
#include "modes/CreationBaseModes.h"
#include "modes/TDataModule1.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class Sources : public ::testing::Test {
protected:
    void SetUp() override {
        dossier_ = fs::temp_directory_path() /
                   ("velmora-cli-src-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
        DefinirDossierExecutable(dossier_);
    }
    void TearDown() override {
        DefinirDossierExecutable({});
        fs::remove_all(dossier_);
    }
    std::string Fichier(const std::string& nom, const std::string& contenu) {
        std::ofstream(dossier_ / nom, std::ios::binary) << contenu;
        return (dossier_ / nom).string();
    }
    int Executer(const std::vector<std::string>& arguments) {
        out_.str("");
        err_.str("");
        return ExecuterLigneCommande(arguments, out_, err_);
    }
    void CreerModes() {
        ModeComparaison parCle;
        parCle.EntreeTableau = "Reference";
        parCle.Ref1 = "0";
        parCle.SortieTableau = "Lignes";
        parCle.AncienNumLigne = "Oui";
        ModeComparaison complet;
        CreerBaseModes(
            dossier_ / "Comp.qnr",
            {{"Zèbre complet", complet}, {"écarts par clé", parCle}, {"Autre", complet}});
    }

    fs::path dossier_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(Sources, WorkbookWrittenByTheExportReadsBackIdentically) {
    const std::string a = Fichier("a.csv", "k,v\n1,été\n2,\"x,y\"\n");
    const std::string b = Fichier("b.csv", "k,v\n2,\"x,y\"\n3,new\n");
    const std::string xls = (dossier_ / "r.xls").string();
    EXPECT_EQ(Executer({"--keys", "A", "--keep-erased", "-o", xls, a, b}), 1);
    EXPECT_EQ(err_.str(), "");
    EXPECT_EQ(Executer({"--keys", "A", xls, xls}), 0);
    EXPECT_EQ(out_.str(), "final table: 4 rows x 2 columns; 0 added, 0 modified, 0 erased\n");
    // The exported sheet holds the final table's texts, in its order.
    const std::string json = (dossier_ / "r.json").string();
    EXPECT_EQ(Executer({"-o", json, xls, xls}), 0);
    std::ifstream in(json);
    const std::string texte{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(texte.find("[\"k\", \"v\"],\n  [\"2\", \"x,y\"],\n  [\"3\", \"new\"],\n  [\"1\", "
                         "\"été\"]"),
              std::string::npos)
        << texte;
}

TEST_F(Sources, WorkbookErrorsNameTheFile) {
    const std::string a = Fichier("a.csv", "1\n");
    const std::string faux = Fichier("faux.xls", "not a workbook at all");
    const std::string xls = (dossier_ / "r.xls").string();
    ASSERT_EQ(Executer({"-o", xls, a, a}), 0);
    EXPECT_EQ(Executer({faux, a}), 2);
    EXPECT_EQ(err_.str().rfind("velmora-compare: " + faux + ": ", 0), 0u) << err_.str();
    EXPECT_EQ(Executer({"--sheet2", "2", a, xls}), 2);
    EXPECT_EQ(err_.str().rfind("velmora-compare: " + xls + ": ", 0), 0u) << err_.str();
}

TEST_F(Sources, ListsStoredModesInTheListOrder) {
    CreerModes();
    EXPECT_EQ(Executer({"--list-modes"}), 0);
    EXPECT_EQ(out_.str(), "Autre\nécarts par clé\nZèbre complet\n");
}

TEST_F(Sources, StoredModeDrivesTheComparison) {
    CreerModes();
    const std::string a = Fichier("a.csv", "1,a\n2,b\n");
    const std::string b = Fichier("b.csv", "2,b\n1,x\n");
    const std::string json = (dossier_ / "r.json").string();
    EXPECT_EQ(Executer({"--mode", "écarts par clé", "-o", json, a, b}), 1);
    std::ifstream in(json);
    const std::string texte{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(texte.find("\"cells\": [\n  [\"2\", \"2\", \"1\", \"x\"]]"), std::string::npos)
        << texte;
    EXPECT_EQ(Executer({"--mode", "Inconnu", a, b}), 2);
    EXPECT_EQ(err_.str(), "velmora-compare: --mode: no stored mode is titled 'Inconnu'\n");
}

TEST_F(Sources, MissingOrHeldStoreIsAnErrorNamingTheFile) {
    const std::string base = (dossier_ / "Comp.qnr").string();
    EXPECT_EQ(Executer({"--list-modes"}), 2);
    EXPECT_EQ(err_.str().rfind("velmora-compare: " + base + ": cannot open the mode store", 0), 0u)
        << err_.str();
    CreerModes();
    TDataModule1 autre(dossier_);
    ASSERT_TRUE(autre.ADOConnection1.Connected());
    EXPECT_EQ(Executer({"--mode", "Autre", "a.csv", "b.csv"}), 2);
    EXPECT_EQ(err_.str().rfind("velmora-compare: " + base + ": cannot open the mode store", 0), 0u)
        << err_.str();
}

}  // namespace
}  // namespace velmora
