#include "modes/MagasinModes.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "modes/CreationBaseModes.h"
#include "modes/ErreurBase.h"
#include "modes/TDataModule1.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// `texte` matches `forme`, where '9' stands for any digit.
bool AssortiA(const std::string& texte, const std::string& forme) {
    if (texte.size() != forme.size()) {
        return false;
    }
    for (std::size_t i = 0; i < texte.size(); ++i) {
        bool chiffre = texte[i] >= '0' && texte[i] <= '9';
        if (forme[i] == '9' ? !chiffre : texte[i] != forme[i]) {
            return false;
        }
    }
    return true;
}

ModeComparaison Mode(std::string entree, std::string ref1, std::string sortie, std::string ancien) {
    ModeComparaison mode;
    mode.EntreeTableau = std::move(entree);
    mode.Ref1 = std::move(ref1);
    mode.SortieTableau = std::move(sortie);
    mode.AncienNumLigne = std::move(ancien);
    return mode;
}

TEST(InstructionsModes, TextesExacts) {
    EXPECT_EQ(InstructionSelectModes(),
              "SELECT RefComparaison, Intitule, EntreeTableau, Ref1, Ref2, Ref3, Ref4, Ref5, "
              "SortieTableau, AncienNumLigne FROM Comparaison ORDER BY Intitule;");

    ModeComparaison mode = Mode("Reference", "3", "Doublons", "Oui");
    mode.RefComparaison = "17";
    mode.Ref2 = "25";
    EXPECT_EQ(InstructionUpdate(mode),
              "UPDATE Comparaison SET EntreeTableau = 'Reference', Ref1 = '3', Ref2 = '25', "
              "Ref3 = 'NULL', Ref4 = 'NULL', Ref5 = 'NULL', SortieTableau = 'Doublons', "
              "AncienNumLigne = 'Oui', DateModifServeur = Now() WHERE RefComparaison = 17;");
    EXPECT_EQ(InstructionInsert("  L'essai \"B\"\t", mode),
              "INSERT INTO Comparaison (Intitule, EntreeTableau, Ref1, Ref2, Ref3, Ref4, Ref5, "
              "SortieTableau, AncienNumLigne, DateModifServeur )VALUES( 'L''essai ''B''', "
              "'Reference', '3', '25', 'NULL', 'NULL', 'NULL', 'Doublons', 'Oui', Now() );");
    EXPECT_EQ(InstructionDelete("17"), "DELETE FROM Comparaison WHERE RefComparaison = 17;");
}

TEST(InstructionsModes, CleQuiNEstPasUnEntierRefusee) {
    for (const char* cle : {"", "-", "1 OR 1=1", "12;", "1.5", "x"}) {
        ModeComparaison mode;
        mode.RefComparaison = cle;
        EXPECT_THROW(InstructionUpdate(mode), std::invalid_argument) << cle;
        EXPECT_THROW(InstructionDelete(cle), std::invalid_argument) << cle;
    }
    EXPECT_NO_THROW(InstructionDelete("-1"));
}

TEST(InstructionsModes, DoublerApostrophes) {
    struct Cas {
        const char* entree;
        const char* attendu;
    };
    const Cas cas[] = {
        {"Simple", "Simple"},
        {"  blancs autour\t\r\n", "blancs autour"},
        {"\x01\x1f"
         "controles ",
         "controles"},
        {"garde  les   blancs internes", "garde  les   blancs internes"},
        {"l'apostrophe", "l''apostrophe"},
        {"le \"guillemet\"", "le ''guillemet''"},
        {"'\"", "''''"},
        {"   ", ""},
        {"\xc3\xa9t\xc3\xa9 ", "\xc3\xa9t\xc3\xa9"},  // UTF-8 bytes above 127 are kept
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(DoublerApostrophes(c.entree), c.attendu) << c.entree;
    }
}

TEST(ChaineConnexionModes, NommeLeFichierLAccesExclusifEtLeMotDePasse) {
    EXPECT_EQ(ChaineConnexionModes("/opt/velmora/bin"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/velmora/bin/Comp.qnr;"
              "Mode=Share Deny Read|Share Deny Write;Persist Security Info=False;"
              "Jet OLEDB:Database Password=m3xq7vwe2k");
    EXPECT_EQ(ChaineConnexionModes("/opt/velmora/bin/"), ChaineConnexionModes("/opt/velmora/bin"));
}

// A folder holding a fresh Comp.qnr.
class BaseModesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string modele = (fs::temp_directory_path() / "velmora-modes-XXXXXX").string();
        dossier_ = ::mkdtemp(modele.data());
        CreerBaseModes(Fichier(), {});
    }
    void TearDown() override { fs::remove_all(dossier_); }
    fs::path Fichier() const { return dossier_ / "Comp.qnr"; }

    // Runs one statement through the module's query and returns the first
    // column of every row.
    static std::vector<std::string> Colonne(TDataModule1& module, const std::string& sql) {
        module.ADOQuery1.Close();
        module.ADOQuery1.SQL.Clear();
        module.ADOQuery1.SQL.Add(sql);
        module.ADOQuery1.Open();
        std::vector<std::string> valeurs;
        for (; !module.ADOQuery1.Eof(); module.ADOQuery1.MoveNext()) {
            valeurs.push_back(module.ADOQuery1.Fields("v"));
        }
        return valeurs;
    }

    fs::path dossier_;
};

TEST_F(BaseModesTest, TableVideDonneAucunMode) {
    TDataModule1 module(dossier_);
    ASSERT_TRUE(module.ADOConnection1.Connected());
    EXPECT_TRUE(VerifierBase(module));
    EXPECT_TRUE(ChargerModes(module).empty());
    EXPECT_TRUE(module.ADOQuery1.Active());  // the result stays open
    EXPECT_EQ(module.ADOQuery1.RecordCount(), 0u);
    EXPECT_TRUE(module.ADOQuery1.Eof());
}

TEST_F(BaseModesTest, EnregistrerSousPuisRelire) {
    TDataModule1 module(dossier_);
    ModeComparaison reference = Mode("Reference", "0", "Lignes", "Oui");
    reference.Ref5 = "25";
    EnregistrerModeSous(module, " \tAvec blancs  ", Mode("Identique", "NULL", "Complet", "Non"));
    EnregistrerModeSous(module, "L'apostrophe", reference);
    EnregistrerModeSous(module, "Le \"guillemet\"", Mode("Identique", "NULL", "Inchangees", "Oui"));
    EXPECT_FALSE(module.ADOQuery1.Active());  // nothing open after a write

    std::vector<ModeComparaison> modes = ChargerModes(module);
    ASSERT_EQ(modes.size(), 3u);
    EXPECT_EQ(modes[0].Intitule, "Avec blancs");
    EXPECT_EQ(modes[1].Intitule, "L'apostrophe");
    EXPECT_EQ(modes[2].Intitule, "Le 'guillemet'");
    EXPECT_EQ(modes[0].SortieTableau, "Complet");
    ModeComparaison attendu = reference;
    attendu.RefComparaison = modes[1].RefComparaison;
    attendu.Intitule = "L'apostrophe";
    EXPECT_EQ(modes[1], attendu);
    EXPECT_EQ(module.ADOQuery1.RecordCount(), 3u);

    // Keys are the database's, distinct, as decimal text.
    EXPECT_NE(modes[0].RefComparaison, modes[1].RefComparaison);
    EXPECT_TRUE(
        AssortiA(modes[2].RefComparaison, std::string(modes[2].RefComparaison.size(), '9')));
}

TEST_F(BaseModesTest, SansReferenceEcritLeTexteNULL) {
    TDataModule1 module(dossier_);
    EnregistrerModeSous(module, "Sans référence", ModeComparaison{});
    EXPECT_EQ(Colonne(module,
                      "SELECT typeof(Ref1) || ' ' || Ref1 || Ref2 || Ref3 || Ref4 || Ref5 AS v "
                      "FROM Comparaison;"),
              std::vector<std::string>{"text NULLNULLNULLNULLNULL"});
}

TEST_F(BaseModesTest, EnregistrerSansChangementReecritLaDate) {
    TDataModule1 module(dossier_);
    EnregistrerModeSous(module, "Mode", ModeComparaison{});
    auto date = [&] { return Colonne(module, "SELECT DateModifServeur AS v FROM Comparaison;"); };
    EXPECT_TRUE(AssortiA(date().at(0), "9999-99-99 99:99:99")) << date().at(0);

    module.ADOQuery1.Close();
    module.ADOQuery1.SQL.Clear();
    module.ADOQuery1.SQL.Add("UPDATE Comparaison SET DateModifServeur = '2001-02-03 04:05:06';");
    module.ADOQuery1.ExecSQL();
    ModeComparaison mode = ChargerModes(module).at(0);
    EnregistrerMode(module, mode);
    EXPECT_NE(date().at(0), "2001-02-03 04:05:06");
    EXPECT_EQ(ChargerModes(module).at(0), mode);
}

TEST_F(BaseModesTest, EnregistrerNeRenommeJamais) {
    TDataModule1 module(dossier_);
    EnregistrerModeSous(module, "Titre", ModeComparaison{});
    ModeComparaison mode = ChargerModes(module).at(0);
    mode.Intitule = "Autre titre";
    mode.SortieTableau = "Ajoutees";
    EnregistrerMode(module, mode);
    ModeComparaison relu = ChargerModes(module).at(0);
    EXPECT_EQ(relu.Intitule, "Titre");
    EXPECT_EQ(relu.SortieTableau, "Ajoutees");
}

TEST_F(BaseModesTest, DeuxModesDeMemeTitreSeDistinguentParLeurCle) {
    TDataModule1 module(dossier_);
    EnregistrerModeSous(module, "Double", Mode("Identique", "NULL", "Complet", "Non"));
    EnregistrerModeSous(module, "Double", Mode("Reference", "4", "Doublons", "Oui"));
    std::vector<ModeComparaison> modes = ChargerModes(module);
    ASSERT_EQ(modes.size(), 2u);
    ASSERT_NE(modes[0].RefComparaison, modes[1].RefComparaison);

    const ModeComparaison garde = modes[0].Ref1 == "4" ? modes[0] : modes[1];
    const ModeComparaison supprime = modes[0].Ref1 == "4" ? modes[1] : modes[0];
    SupprimerMode(module, supprime.RefComparaison);
    EXPECT_EQ(ChargerModes(module), std::vector<ModeComparaison>{garde});

    // A deleted key is never handed out again.
    EnregistrerModeSous(module, "Nouveau", ModeComparaison{});
    for (const ModeComparaison& mode : ChargerModes(module)) {
        EXPECT_NE(mode.RefComparaison, supprime.RefComparaison);
    }
}

TEST_F(BaseModesTest, TriDesTitresSansEgardALaCasseNiAuxAccents) {
    TDataModule1 module(dossier_);
    for (const char* titre :
         {"zèbre", "Zoo", "Été", "etude", "abc", "Abc", "Œuvre", "oeuf", "École", "ecole", "b"}) {
        EnregistrerModeSous(module, titre, ModeComparaison{});
    }
    std::vector<std::string> titres;
    for (const ModeComparaison& mode : ChargerModes(module)) {
        titres.push_back(mode.Intitule);
    }
    EXPECT_EQ(titres, (std::vector<std::string>{"abc", "Abc", "b", "ecole", "École", "Été", "etude",
                                                "oeuf", "Œuvre", "zèbre", "Zoo"}));
}

TEST_F(BaseModesTest, ErreurDInstructionPorteLeMessageDuMoteur) {
    TDataModule1 module(dossier_);
    module.ADOQuery1.Close();
    module.ADOQuery1.SQL.Clear();
    module.ADOQuery1.SQL.Add("SELECT Inconnue FROM Comparaison;");
    try {
        module.ADOQuery1.Open();
        FAIL() << "no error";
    } catch (const ErreurBase& e) {
        EXPECT_NE(std::string(e.what()).find("no such column: Inconnue"), std::string::npos)
            << e.what();
    }
    EXPECT_FALSE(module.ADOQuery1.Active());

    // A second statement glued to the first is refused and nothing runs.
    module.ADOQuery1.SQL.Clear();
    module.ADOQuery1.SQL.Add("DELETE FROM Comparaison; DROP TABLE Comparaison;");
    EXPECT_THROW(module.ADOQuery1.ExecSQL(), ErreurBase);
    EXPECT_TRUE(VerifierBase(module));
}

TEST_F(BaseModesTest, ValeurNulleNommeLaColonne) {
    TDataModule1 module(dossier_);
    EnregistrerModeSous(module, "Mode", ModeComparaison{});
    module.ADOQuery1.SQL.Clear();
    module.ADOQuery1.SQL.Add("UPDATE Comparaison SET Ref3 = NULL;");
    module.ADOQuery1.ExecSQL();
    try {
        ChargerModes(module);
        FAIL() << "no error";
    } catch (const ErreurBase& e) {
        EXPECT_NE(std::string(e.what()).find("Ref3"), std::string::npos) << e.what();
    }
}

TEST_F(BaseModesTest, DeconnecterLibereLeFichier) {
    TDataModule1 premier(dossier_);
    ASSERT_TRUE(premier.ADOConnection1.Connected());
    {
        TDataModule1 second(dossier_);  // same process, own descriptor: refused
        EXPECT_FALSE(second.ADOConnection1.Connected());
        EXPECT_EQ(second.ADOConnection1.ConnectionString(), "");
        EXPECT_FALSE(VerifierBase(second));
    }
    premier.ADOConnection1.SetConnected(false);
    EXPECT_FALSE(VerifierBase(premier));
    TDataModule1 troisieme(dossier_);
    EXPECT_TRUE(VerifierBase(troisieme));
}

// What another process sees while this one holds the database: an opening
// that fails at once, through the module and through the bare engine (which
// ignores the flock and meets the engine's exclusive lock).
TEST_F(BaseModesTest, VerrouilleeParUnAutreProcessus) {
    TDataModule1 module(dossier_);
    ASSERT_TRUE(VerifierBase(module));

    auto dansUnAutreProcessus = [](auto&& corps) {
        pid_t pid = ::fork();
        if (pid == 0) {
            ::_exit(corps() ? 0 : 1);
        }
        int statut = -1;
        ::waitpid(pid, &statut, 0);
        return WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
    };
    const fs::path dossier = dossier_;
    EXPECT_TRUE(dansUnAutreProcessus([&] {
        TDataModule1 autre(dossier);
        return !autre.ADOConnection1.Connected() && !VerifierBase(autre);
    }));
    EXPECT_TRUE(dansUnAutreProcessus([&] {
        ConnexionBase sansVerrou;
        sansVerrou.SetConnectionString("Data Source=" + (dossier / "Comp.qnr").string() +
                                       ";Jet OLEDB:Database Password=m3xq7vwe2k");
        try {
            sansVerrou.SetConnected(true);
        } catch (const ErreurBase& e) {
            return std::string(e.what()).find("locked") != std::string::npos;
        }
        return false;
    }));
}

TEST_F(BaseModesTest, ConnexionImpossible) {
    struct Cas {
        const char* nom;
        std::function<void(const fs::path&)> preparer;
    };
    const Cas cas[] = {
        {"fichier absent", [](const fs::path& f) { fs::remove(f); }},
        {"pas une base",
         [](const fs::path& f) { std::ofstream(f, std::ios::trunc) << "[Parametrage]\n"; }},
        {"base non chiffree",
         [](const fs::path& f) {
             fs::remove(f);
             std::ofstream(f, std::ios::binary) << "SQLite format 3";
         }},
        {"dossier a la place du fichier",
         [](const fs::path& f) {
             fs::remove(f);
             fs::create_directory(f);
         }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        fs::remove_all(Fichier());
        CreerBaseModes(Fichier(), {});
        c.preparer(Fichier());
        const bool existait = fs::exists(Fichier());
        TDataModule1 module(dossier_);
        EXPECT_FALSE(module.ADOConnection1.Connected());
        EXPECT_EQ(module.ADOConnection1.ConnectionString(), "");
        EXPECT_FALSE(VerifierBase(module));
        EXPECT_THROW(ChargerModes(module), ErreurBase);
        EXPECT_THROW(EnregistrerModeSous(module, "x", ModeComparaison{}), ErreurBase);
        EXPECT_EQ(fs::exists(Fichier()), existait);  // never created
    }
}

TEST_F(BaseModesTest, MauvaisMotDePasse) {
    ConnexionBase connexion;
    connexion.SetConnectionString("Data Source=" + Fichier().string() +
                                  ";Mode=Share Deny Read|Share Deny Write;"
                                  "Jet OLEDB:Database Password=mauvais");
    EXPECT_THROW(connexion.SetConnected(true), ErreurBase);
    EXPECT_FALSE(connexion.Connected());
    // The failed attempt released the file.
    TDataModule1 module(dossier_);
    EXPECT_TRUE(VerifierBase(module));
}

TEST_F(BaseModesTest, TableAbsenteEchoueALaVerification) {
    fs::remove(Fichier());
    {
        // An encrypted database without the table.
        CreerBaseModes(Fichier(), {});
        TDataModule1 module(dossier_);
        module.ADOQuery1.SQL.Add("DROP TABLE Comparaison;");
        module.ADOQuery1.ExecSQL();
    }
    TDataModule1 module(dossier_);
    EXPECT_TRUE(module.ADOConnection1.Connected());
    EXPECT_FALSE(VerifierBase(module));
}

TEST_F(BaseModesTest, OutilDeConstructionNEcrasePasLaBaseExistante) {
    const std::string outil = VELMORA_MAKE_MODES_DB;
    fs::remove(Fichier());
    ASSERT_EQ(std::system((outil + " " + Fichier().string() + " --if-missing").c_str()), 0);
    {
        TDataModule1 module(dossier_);
        std::vector<ModeComparaison> modes = ChargerModes(module);
        ASSERT_EQ(modes.size(), ModesInitiaux().size());
        EnregistrerModeSous(module, "Mode de l'utilisateur", ModeComparaison{});
    }
    ASSERT_EQ(std::system((outil + " " + Fichier().string() + " --if-missing").c_str()), 0);
    TDataModule1 module(dossier_);
    EXPECT_EQ(ChargerModes(module).size(), ModesInitiaux().size() + 1);
    std::vector<fs::path> contenu(fs::directory_iterator(dossier_), {});
    EXPECT_EQ(contenu, std::vector<fs::path>{Fichier()});
}

}  // namespace
}  // namespace velmora
