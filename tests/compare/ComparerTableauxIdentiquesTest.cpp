#include <gtest/gtest.h>

#include "TablesDeTest.h"

namespace velmora {
namespace {

using test::Couleurs;
using test::Essai;
using test::Lignes;
using test::Textes;

TEST(ClasserCellule, VerdictAndTextShown) {
    struct Cas {
        const char* ancien;
        const char* nouveau;
        bool afficheSupprime;
        CouleurCellule couleur;
        const char* texte;
    };
    const Cas cas[] = {
        {"abc", "abc", false, CouleurCellule::Inchangee, "abc"},
        {"", "", false, CouleurCellule::Inchangee, ""},
        {"", "x", false, CouleurCellule::Ajoutee, "x"},
        {"x", "", false, CouleurCellule::Effacee, ""},
        {"x", "", true, CouleurCellule::Effacee, "x"},
        {"abc", "ABC", true, CouleurCellule::Modifiee, "ABC"},
        {"abc", "abc ", false, CouleurCellule::Modifiee, "abc "},
    };
    for (const auto& c : cas) {
        Essai e({{"a"}}, {{"b"}});
        e.afficheSupprime = c.afficheSupprime;
        e.final.resize(1, 1);
        e.comparateur().ClasserCellule(c.ancien, c.nouveau, 0, 0);
        EXPECT_EQ(e.final.couleur(0, 0), c.couleur) << c.ancien << " -> " << c.nouveau;
        EXPECT_EQ(e.final.texte(0, 0), c.texte) << c.ancien << " -> " << c.nouveau;
    }
}

struct CasIdentique {
    const char* nom;
    Lignes t1;
    Lignes t2;
    bool afficheSupprime;
    std::string ancienNumLigne;
    Lignes textes;
    std::vector<std::string> couleurs;
};

class ComparerTableauxIdentiques : public ::testing::TestWithParam<CasIdentique> {};

TEST_P(ComparerTableauxIdentiques, FinalTable) {
    const auto& p = GetParam();
    Essai e(p.t1, p.t2);
    e.afficheSupprime = p.afficheSupprime;
    e.comparateur().ComparerTableauxIdentiques(p.ancienNumLigne);
    EXPECT_EQ(Textes(e.final), p.textes);
    EXPECT_EQ(Couleurs(e.final), p.couleurs);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ComparerTableauxIdentiques,
    ::testing::Values(
        CasIdentique{"IdenticalTables",
                     {{"a", "b"}, {"c", ""}},
                     {{"a", "b"}, {"c", ""}},
                     false,
                     "Non",
                     {{"a", "b"}, {"c", ""}},
                     {"UU", "UU"}},
        CasIdentique{"CaseAndTrailingBlankAreModifications",
                     {{"abc", "abc"}},
                     {{"ABC", "abc "}},
                     false,
                     "Non",
                     {{"ABC", "abc "}},
                     {"GG"}},
        CasIdentique{"FilledAndEmptiedCellsBlank",
                     {{"", "old"}},
                     {{"new", ""}},
                     false,
                     "Non",
                     {{"new", ""}},
                     {"TM"}},
        CasIdentique{"ErasedCellKeepsOldText",
                     {{"", "old"}},
                     {{"new", ""}},
                     true,
                     "Non",
                     {{"new", "old"}},
                     {"TM"}},
        CasIdentique{"Table2TallerAddsRowsEmptyCellsIncluded",
                     {{"a", "b"}},
                     {{"a", "b"}, {"c", ""}, {"", ""}},
                     false,
                     "Non",
                     {{"a", "b"}, {"c", ""}, {"", ""}},
                     {"UU", "TT", "TT"}},
        CasIdentique{"Table1TallerErasesRowsBlank",
                     {{"a"}, {"b"}, {"c"}},
                     {{"a"}},
                     false,
                     "Non",
                     {{"a"}, {""}, {""}},
                     {"U", "M", "M"}},
        CasIdentique{"Table1TallerErasedRowsShowOldTexts",
                     {{"a"}, {"b"}, {"c"}},
                     {{"a"}},
                     true,
                     "Non",
                     {{"a"}, {"b"}, {"c"}},
                     {"U", "M", "M"}},
        CasIdentique{"Table1WiderErasesLastColumn",
                     {{"a", "x"}, {"b", "y"}},
                     {{"a"}, {"b"}},
                     false,
                     "Non",
                     {{"a", ""}, {"b", ""}},
                     {"UM", "UM"}},
        CasIdentique{"Table1WiderLastColumnShowsOldTexts",
                     {{"a", "x"}, {"b", "y"}},
                     {{"a"}, {"b"}},
                     true,
                     "Non",
                     {{"a", "x"}, {"b", "y"}},
                     {"UM", "UM"}},
        // One table wider, the other taller: the corner neither covers is erased.
        CasIdentique{"UncoveredCornerIsErasedAndEmpty",
                     {{"a"}, {"b"}},
                     {{"a", "n"}},
                     true,
                     "Non",
                     {{"a", "n"}, {"b", ""}},
                     {"UT", "MM"}},
        CasIdentique{"RowNumbersWholeGrids",
                     {{"a"}, {"b"}, {"c"}},
                     {{"a"}, {"b"}, {"c"}},
                     false,
                     "Oui",
                     {{"1", "1", "a"}, {"2", "2", "b"}, {"3", "3", "c"}},
                     {"UUU", "UUU", "UUU"}},
        CasIdentique{"RowNumbersOfRowOnlyTable1Has",
                     {{"a"}, {"b"}, {"c"}, {"d"}},
                     {{"a"}, {"b"}, {"c"}},
                     false,
                     "Oui",
                     {{"1", "1", "a"}, {"2", "2", "b"}, {"3", "3", "c"}, {"4", "", ""}},
                     {"UUU", "UUU", "UUU", "MMM"}},
        CasIdentique{
            "OuiInOtherCaseInsertsNothing", {{"a"}}, {{"a"}}, false, "OUI", {{"a"}}, {"U"}},
        CasIdentique{"LowerCaseOuiInsertsNothing", {{"a"}}, {{"a"}}, false, "oui", {{"a"}}, {"U"}}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(ComparerTableauxIdentiquesSelections, SizesAndRowNumbersFollowTheScopes) {
    Lignes grand(13, std::vector<std::string>(4, "v"));
    Essai e(grand, Lignes(5, std::vector<std::string>(3, "v")));
    e.typeTri = 1;
    e.t1.setSelection({0, 10, 3, 12});  // rows 10..12, 4 columns
    e.t2.setSelection({1, 0, 2, 4});    // rows 0..4, 2 columns
    e.comparateur().ComparerTableauxIdentiques("Oui");
    ASSERT_EQ(e.final.rowCount(), 5);
    ASSERT_EQ(e.final.columnCount(), 4 + 2);
    const Lignes numeros = {{"11", "1"}, {"12", "2"}, {"13", "3"}, {"14", "4"}, {"15", "5"}};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(e.final.texte(0, r), numeros[static_cast<std::size_t>(r)][0]);
        EXPECT_EQ(e.final.texte(1, r), numeros[static_cast<std::size_t>(r)][1]);
    }
    // Rows past table 1's scope are added; columns past table 2's are erased.
    EXPECT_EQ(Couleurs(e.final),
              (std::vector<std::string>{"UUUUMM", "UUUUMM", "UUUUMM", "UUTTMM", "UUTTMM"}));
}

TEST(ComparerTableauxIdentiquesSelections, ScopeMayReachPastTheGrid) {
    Essai e({{"a", "b"}}, {{"a", "b"}});
    e.typeTri = 1;
    e.t1.setSelection({1, 0, 2, 1});
    e.t2.setSelection({1, 0, 2, 1});
    e.comparateur().ComparerTableauxIdentiques("Non");
    EXPECT_EQ(Textes(e.final), (Lignes{{"b", ""}, {"", ""}}));
    EXPECT_EQ(Couleurs(e.final), (std::vector<std::string>{"UU", "UU"}));
}

TEST(AvancerProgression, MovesEvery31RowsThenToTheMaximum) {
    struct Cas {
        int lignes1;
        int lignes2;
        std::vector<int> positions;
    };
    const Cas cas[] = {
        {10, 10, {20}},
        {35, 35, {31, 62, 70}},
        // The rows only table 1 has count too, and may carry the bar past
        // its maximum before the last step.
        {31, 1, {31, 62, 32}},
    };
    for (const auto& c : cas) {
        Essai e(Lignes(static_cast<std::size_t>(c.lignes1), {"x"}),
                Lignes(static_cast<std::size_t>(c.lignes2), {"x"}));
        e.comparateur().ComparerTableauxIdentiques("Non");
        EXPECT_EQ(e.positions, c.positions) << c.lignes1 << "+" << c.lignes2;
    }
}

}  // namespace
}  // namespace velmora
