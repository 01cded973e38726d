#include <gtest/gtest.h>

#include <string>

#include "compare/CouleurCellule.h"
#include "compare/Majuscules.h"
#include "compare/Table.h"
#include "compare/TableauFinal.h"

namespace velmora {
namespace {

TEST(Table, CellsOutsideReadEmptyAndIgnoreWrites) {
    Table t(2, 2);
    t.setCell(1, 1, "x");
    t.setCell(2, 0, "outside");
    t.setCell(-1, 0, "outside");
    EXPECT_EQ(t.cell(1, 1), "x");
    EXPECT_EQ(t.cell(2, 0), "");
    EXPECT_EQ(t.cell(0, -1), "");
    EXPECT_EQ(t.cell(5, 5), "");
}

TEST(Table, ShortAndLongTextsSurviveOverwriteAndResize) {
    Table t(2, 2);
    const std::string longText(1000, 'z');
    t.setCell(0, 0, "twelve bytes");  // exactly the inline limit
    t.setCell(1, 0, "thirteen byte");
    t.setCell(0, 1, longText);
    t.setCell(1, 1, "é€漢字 and more than twelve");
    t.setCell(1, 0, "replaced");
    t.resize(3, 3);
    EXPECT_EQ(t.cell(0, 0), "twelve bytes");
    EXPECT_EQ(t.cell(1, 0), "replaced");
    EXPECT_EQ(t.cell(0, 1), longText);
    EXPECT_EQ(t.cell(1, 1), "é€漢字 and more than twelve");
    EXPECT_EQ(t.cell(2, 2), "");
    t.resize(1, 1);
    EXPECT_EQ(t.columnCount(), 1);
    EXPECT_EQ(t.cell(0, 0), "twelve bytes");
    EXPECT_EQ(t.cell(0, 1), "");
}

TEST(Table, EmbeddedNulBytesAreKept) {
    Table t(1, 1);
    const std::string withNul("a\0b", 3);
    t.setCell(0, 0, withNul);
    EXPECT_EQ(t.cell(0, 0), withNul);
}

TEST(TableauFinal, ResizeKeepsVerdictsAndKeepRowsFilters) {
    TableauFinal f;
    f.resize(2, 3);
    f.setTexte(1, 2, "c");
    f.setCouleur(1, 2, CouleurCellule::Modifiee);
    f.setCouleur(0, 0, CouleurCellule::Ajoutee);
    f.resize(3, 3);
    EXPECT_EQ(f.couleur(1, 2), CouleurCellule::Modifiee);
    EXPECT_EQ(f.texte(1, 2), "c");
    EXPECT_EQ(f.couleur(2, 2), CouleurCellule::Aucune);
    f.keepRows({false, false, true});
    ASSERT_EQ(f.rowCount(), 1);
    EXPECT_EQ(f.columnCount(), 3);
    EXPECT_EQ(f.texte(1, 0), "c");
    EXPECT_EQ(f.couleur(1, 0), CouleurCellule::Modifiee);
}

TEST(CouleurCellule, NamesAndValuesRoundTrip) {
    struct Cas {
        CouleurCellule couleur;
        const char* nom;
        std::optional<std::uint32_t> valeur;
    };
    const Cas cas[] = {
        {CouleurCellule::Ajoutee, "clTeal", 0x808000},
        {CouleurCellule::Modifiee, "clGray", 0x808080},
        {CouleurCellule::Effacee, "clMaroon", 0x000080},
        {CouleurCellule::Inchangee, "$00DBDBDB", 0xDBDBDB},
        {CouleurCellule::Aucune, "", std::nullopt},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(NomCouleur(c.couleur), c.nom);
        EXPECT_EQ(ValeurCouleur(c.couleur), c.valeur);
        EXPECT_EQ(CouleurDepuisNom(c.nom), c.couleur);
    }
    EXPECT_EQ(CouleurDepuisNom("clteal"), std::nullopt);
}

TEST(Majuscules, FoldsLettersOfManyScriptsAndKeepsTheRest) {
    const std::pair<const char*, const char*> cas[] = {
        {"abc xyz 123 =", "ABC XYZ 123 ="},
        {"éèàçùœÿ", "ÉÈÀÇÙŒŸ"},
        {"žšłőı", "ŽŠŁŐI"},
        {"straße", "STRAßE"},
        {"αβγσς", "ΑΒΓΣΣ"},
        {"привет ёж", "ПРИВЕТ ЁЖ"},
        {"漢字", "漢字"},
        {"÷×", "÷×"},
        {"\xff\xc3", "\xff\xc3"},  // invalid UTF-8 passes through
    };
    for (const auto& [in, out] : cas) {
        EXPECT_EQ(Majuscules(in), out) << in;
    }
}

}  // namespace
}  // namespace velmora

#include "compare/IndexReferences.h"

namespace velmora {
namespace {

TEST(IndexReferences, LastRowWinsAndGrowsPastTheAnnouncedCount) {
    IndexReferences index(2);
    std::vector<int> entrees;
    for (int i = 0; i < 1000; ++i) {
        entrees.push_back(index.inserer("K" + std::to_string(i % 300), i));
    }
    for (int i = 0; i < 300; ++i) {
        const int e = index.trouver("K" + std::to_string(i));
        ASSERT_GE(e, 0);
        EXPECT_EQ(e, entrees[static_cast<std::size_t>(i)]);
        EXPECT_EQ(index.ligne(e), i + 900 < 1000 ? i + 900 : i + 600);
    }
    EXPECT_EQ(index.trouver("K300"), -1);
    EXPECT_EQ(index.trouver(""), -1);
    EXPECT_EQ(index.inserer("", 7), 300);
    EXPECT_EQ(index.trouver(""), 300);
    EXPECT_FALSE(index.vue(300));
    index.marquerVue(300);
    EXPECT_TRUE(index.vue(300));
}

}  // namespace
}  // namespace velmora
