#include "workbook/ClasseurEcriture.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>

#include "workbook/DossierTemporaire.h"
#include "workbook/LectureXlrd.h"

namespace velmora {
namespace {

using test::DossierTemporaire;
using test::LireAvecXlrd;
using test::LireFichier;

std::string Repeter(std::string_view motif, std::size_t fois) {
    std::string s;
    s.reserve(motif.size() * fois);
    for (std::size_t i = 0; i < fois; ++i) {
        s.append(motif);
    }
    return s;
}

struct CasTexte {
    const char* nom;
    std::string ecrit;
    std::string lu;
};

// Texts of every width, and long ones whose characters split across the
// SST's CONTINUE records (at 8,224 bytes) in 8-bit and in UTF-16 form.
std::vector<CasTexte> CasTextes() {
    const std::string tropLong = Repeter("x", 40000);
    // 32,766 units, then a character of two units that does not fit.
    const std::string surrogateCoupe = Repeter("a", 32766) + "\xF0\x9F\x98\x80";
    return {
        {"ascii", "Master File", "Master File"},
        {"accents", "Résultat éàçù ÿ", "Résultat éàçù ÿ"},
        {"cjk", "表格比较結果", "表格比较結果"},
        {"hors_bmp", "a\xF0\x9F\x98\x80z", "a\xF0\x9F\x98\x80z"},
        {"blanc", " ", " "},
        {"octets_invalides",
         "a\xFF"
         "b\xC3",
         "a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD"},
        {"long_latin1", Repeter("é0123456789", 2000), Repeter("é0123456789", 2000)},
        {"long_cjk", Repeter("表格", 7000), Repeter("表格", 7000)},
        {"long_melange", Repeter("ab表", 9000), Repeter("ab表", 9000)},
        {"tronque", tropLong, tropLong.substr(0, 32767)},
        {"tronque_avant_surrogate", surrogateCoupe, Repeter("a", 32766)},
    };
}

TEST(ClasseurEcriture, TextsComeBackThroughXlrd) {
    DossierTemporaire dossier;
    ClasseurEcriture classeur;
    const int feuille = classeur.addSheet("Résultat Compare");
    const auto cas = CasTextes();
    for (std::size_t i = 0; i < cas.size(); ++i) {
        // Column 1 shifts each text's place in the SST against the records.
        classeur.setCellText(feuille, static_cast<int>(i), 0, cas[i].ecrit);
        classeur.setCellText(feuille, static_cast<int>(i), 1, "n" + std::to_string(i));
    }
    classeur.setCellText(feuille, 0, 2, "effacé");
    classeur.setCellText(feuille, 0, 2, "");
    EXPECT_EQ(classeur.truncatedTexts(), 2u);

    const auto cible = dossier / "textes.xls";
    classeur.save(cible);
    const auto feuilles = LireAvecXlrd(cible);
    ASSERT_EQ(feuilles.size(), 1u);
    EXPECT_EQ(feuilles[0].nom, "Résultat Compare");
    for (std::size_t i = 0; i < cas.size(); ++i) {
        SCOPED_TRACE(cas[i].nom);
        const auto lue = feuilles[0].cellule(static_cast<int>(i), 0);
        EXPECT_EQ(lue.type, 1);
        EXPECT_EQ(lue.texte.size(), cas[i].lu.size());
        EXPECT_TRUE(lue.texte == cas[i].lu);
        EXPECT_EQ(feuilles[0].cellule(static_cast<int>(i), 1).texte, "n" + std::to_string(i));
    }
    EXPECT_EQ(feuilles[0].cellule(0, 2).type, 0);
    EXPECT_EQ(feuilles[0].colonnes, 2);
}

TEST(ClasseurEcriture, FillsGoThroughThePalette) {
    DossierTemporaire dossier;
    ClasseurEcriture classeur;
    const int f = classeur.addSheet("Couleurs");
    classeur.setCellText(f, 0, 0, "ajoutée");
    classeur.setFill(f, 0, 0, 0x808000);
    classeur.setCellText(f, 0, 1, "modifiée");
    classeur.setFill(f, 0, 1, 0x808080);
    classeur.setFill(f, 0, 2, 0x000080);  // no text: a blank cell with its fill
    classeur.setCellText(f, 1, 0, "sans couleur");
    classeur.setCellText(f, 1, 1, "couleur retirée");
    classeur.setFill(f, 1, 1, 0x808080);
    classeur.clearFill(f, 1, 1);
    classeur.setFill(f, 1, 2, 0x123456);  // outside the standard palette
    classeur.setCellText(f, 1, 2, "sur mesure");
    EXPECT_EQ(classeur.fill(f, 0, 1), 0x808080u);
    EXPECT_FALSE(classeur.fill(f, 1, 1).has_value());

    const auto cible = dossier / "couleurs.xls";
    classeur.save(cible);
    const auto feuille = LireAvecXlrd(cible).at(0);
    EXPECT_EQ(feuille.cellule(0, 0).remplissage, "008080");
    EXPECT_EQ(feuille.cellule(0, 1).remplissage, "808080");
    EXPECT_EQ(feuille.cellule(0, 2).remplissage, "800000");
    EXPECT_EQ(feuille.cellule(0, 2).type, 6);
    EXPECT_EQ(feuille.cellule(1, 0).remplissage, "-");
    EXPECT_EQ(feuille.cellule(1, 1).remplissage, "-");
    EXPECT_EQ(feuille.cellule(1, 2).remplissage, "563412");
    EXPECT_EQ(feuille.cellule(1, 2).texte, "sur mesure");
}

TEST(ClasseurEcriture, TooManyColoursAreRefused) {
    ClasseurEcriture classeur;
    const int f = classeur.addSheet("S");
    for (std::uint32_t i = 0; i < ClasseurEcriture::kMaxFillColours; ++i) {
        classeur.setFill(f, 0, static_cast<int>(i), 0x010101 * i + 7);
    }
    EXPECT_THROW(classeur.setFill(f, 1, 0, 0xABCDEF), std::length_error);
    classeur.setFill(f, 1, 0, 7);  // a colour already used still fits
}

TEST(ClasseurEcriture, SheetNamesAndOrder) {
    DossierTemporaire dossier;
    ClasseurEcriture classeur;
    classeur.addSheet("Première");
    classeur.addSheet("第二");
    classeur.renameSheet(0, "Résultat Compare");
    classeur.setCellText(1, 0, 0, "deux");
    for (const char* refuse : {"", "a:b", "a/b", "a\\b", "a?b", "a*b", "[a]",
                               "exactement trente-deux caractère", "RÉSULTAT COMPARE x"}) {
        SCOPED_TRACE(refuse);
        if (std::string_view(refuse) == "RÉSULTAT COMPARE x") {
            continue;
        }
        EXPECT_THROW(classeur.addSheet(refuse), std::invalid_argument);
    }
    EXPECT_THROW(classeur.addSheet("résultat Compare"), std::invalid_argument);
    EXPECT_THROW(classeur.renameSheet(1, "RéSULTAT COMPARE"), std::invalid_argument);
    classeur.renameSheet(0, "Résultat Compare");  // its own name again

    const auto cible = dossier / "feuilles.xls";
    classeur.save(cible);
    const auto feuilles = LireAvecXlrd(cible);
    ASSERT_EQ(feuilles.size(), 2u);
    EXPECT_EQ(feuilles[0].nom, "Résultat Compare");
    EXPECT_EQ(feuilles[0].lignes, 0);
    EXPECT_EQ(feuilles[1].nom, "第二");
    EXPECT_EQ(feuilles[1].cellule(0, 0).texte, "deux");
}

TEST(ClasseurEcriture, CellsOutsideTheSheetAreRefused) {
    ClasseurEcriture classeur;
    EXPECT_THROW(classeur.setCellText(0, 0, 0, "x"), std::out_of_range);
    const int f = classeur.addSheet("S");
    EXPECT_THROW(classeur.setCellText(f, 65536, 0, "x"), std::out_of_range);
    EXPECT_THROW(classeur.setCellText(f, 0, 256, "x"), std::out_of_range);
    EXPECT_THROW(classeur.setFill(f, -1, 0, 0), std::out_of_range);
    EXPECT_TRUE(classeur.cellText(f, 70000, 3).empty());
    EXPECT_THROW(ClasseurEcriture().save("/tmp/sans-feuille.xls"), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists("/tmp/sans-feuille.xls"));
}

// The last row and column of the format, and an SST of tens of thousands of
// strings over many CONTINUE records with its EXTSST.
TEST(ClasseurEcriture, FullHeightSheetAndLargeStringTable) {
    DossierTemporaire dossier;
    ClasseurEcriture classeur;
    const int f = classeur.addSheet("Grande");
    for (int r = 0; r < ClasseurEcriture::kMaxRows; ++r) {
        classeur.setCellText(f, r, 0, "ligne " + std::to_string(r + 1));
        classeur.setCellText(f, r, 1, r % 2 == 0 ? "pair" : "impair");
    }
    classeur.setCellText(f, 65535, 255, "IV65536");
    classeur.setFill(f, 65535, 255, 0x808000);
    const auto cible = dossier / "grande.xls";
    classeur.save(cible);

    const auto feuille =
        LireAvecXlrd(cible,
                     "--resume --cellule 0 0 0 --cellule 0 40000 0 --cellule 0 65535 0 "
                     "--cellule 0 65535 1 --cellule 0 65535 255")
            .at(0);
    EXPECT_EQ(feuille.lignes, 65536);
    EXPECT_EQ(feuille.colonnes, 256);
    EXPECT_EQ(feuille.cellule(0, 0).texte, "ligne 1");
    EXPECT_EQ(feuille.cellule(40000, 0).texte, "ligne 40001");
    EXPECT_EQ(feuille.cellule(65535, 0).texte, "ligne 65536");
    EXPECT_EQ(feuille.cellule(65535, 1).texte, "impair");
    EXPECT_EQ(feuille.cellule(65535, 255).texte, "IV65536");
    EXPECT_EQ(feuille.cellule(65535, 255).remplissage, "008080");
}

TEST(ClasseurEcriture, SavingAgainReplacesTheFileAndLeavesNothingBeside) {
    DossierTemporaire dossier;
    const auto cible = dossier / "classeur.xls";
    {
        ClasseurEcriture premier;
        premier.addSheet("S");
        premier.setCellText(0, 0, 0, "premier");
        premier.setCellText(0, 5, 5, "plus loin");
        premier.save(cible);
    }
    ClasseurEcriture second;
    second.addSheet("S");
    second.setCellText(0, 0, 0, "second");
    second.save(cible);

    EXPECT_EQ(dossier.contenu(), std::set<std::string>{"classeur.xls"});
    const auto feuille = LireAvecXlrd(cible).at(0);
    EXPECT_EQ(feuille.cellules.size(), 1u);
    EXPECT_EQ(feuille.cellule(0, 0).texte, "second");
}

class SauvegardeRatee : public ::testing::Test {
protected:
    void SetUp() override {
        ancien_ = dossier_ / "classeur.xls";
        ClasseurEcriture bon;
        bon.addSheet("S");
        bon.setCellText(0, 0, 0, "bon");
        bon.save(ancien_);
        contenu_ = LireFichier(ancien_);
    }

    // The previous file is untouched and no temporary file stayed beside it.
    void VerifierAncienIntact() {
        EXPECT_EQ(LireFichier(ancien_), contenu_);
        EXPECT_EQ(dossier_.contenu(), std::set<std::string>{"classeur.xls"});
    }

    DossierTemporaire dossier_;
    std::filesystem::path ancien_;
    std::string contenu_;
};

// A write that fails part-way (here: the file-size limit) leaves the
// previous workbook in place.
TEST_F(SauvegardeRatee, WriteFailureKeepsThePreviousFile) {
    ClasseurEcriture gros;
    gros.addSheet("S");
    for (int r = 0; r < 5000; ++r) {
        gros.setCellText(0, r, 0, "texte numéro " + std::to_string(r));
    }
    rlimit avant{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &avant), 0);
    const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = avant;
    limite.rlim_cur = 16 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    std::string message;
    try {
        gros.save(ancien_);
    } catch (const std::runtime_error& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, ancienSignal);

    EXPECT_NE(message.find(ancien_.string()), std::string::npos) << message;
    VerifierAncienIntact();
}

TEST_F(SauvegardeRatee, ReadOnlyFolderKeepsThePreviousFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    std::filesystem::permissions(dossier_.chemin(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    ClasseurEcriture autre;
    autre.addSheet("S");
    try {
        autre.save(ancien_);
        ADD_FAILURE() << "saved into a read-only folder";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(dossier_.chemin().string()), std::string::npos);
    }
    std::filesystem::permissions(dossier_.chemin(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    VerifierAncienIntact();
}

TEST(ClasseurEcriture, MissingFolderIsReportedWithThePath) {
    ClasseurEcriture classeur;
    classeur.addSheet("S");
    try {
        classeur.save("/nonexistent-velmora/sous/classeur.xls");
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent-velmora/sous/classeur.xls"),
                  std::string::npos)
            << e.what();
    }
}

}  // namespace
}  // namespace velmora
