#include <gtest/gtest.h>

#include <array>

#include "TablesDeTest.h"
#include "compare/PiloteComparaison.h"

namespace velmora {
namespace {

using test::Couleurs;
using test::Essai;
using test::Lignes;
using test::Textes;

struct CasReference {
    const char* nom;
    Lignes t1;
    Lignes t2;
    std::array<const char*, 5> refs;
    bool afficheSupprime;
    std::string ancienNumLigne;
    Lignes textes;
    std::vector<std::string> couleurs;
};

class ComparerParReferences : public ::testing::TestWithParam<CasReference> {};

TEST_P(ComparerParReferences, FinalTable) {
    const auto& p = GetParam();
    Essai e(p.t1, p.t2);
    e.afficheSupprime = p.afficheSupprime;
    e.comparateur().ComparerParReferences(p.ancienNumLigne, p.refs[0], p.refs[1], p.refs[2],
                                          p.refs[3], p.refs[4]);
    EXPECT_EQ(Textes(e.final), p.textes);
    EXPECT_EQ(Couleurs(e.final), p.couleurs);
}

constexpr std::array<const char*, 5> kColonneA = {"0", "NULL", "NULL", "NULL", "NULL"};
constexpr std::array<const char*, 5> kAucune = {"NULL", "NULL", "NULL", "NULL", "NULL"};

INSTANTIATE_TEST_SUITE_P(
    Cas, ComparerParReferences,
    ::testing::Values(
        CasReference{"ReorderedRowsAreUnchangedInTable2Order",
                     {{"1", "a"}, {"2", "b"}, {"3", "c"}},
                     {{"3", "c"}, {"1", "a"}, {"2", "b"}},
                     kColonneA,
                     false,
                     "Non",
                     {{"3", "c"}, {"1", "a"}, {"2", "b"}},
                     {"UU", "UU", "UU"}},
        CasReference{"KeysPairWithoutRegardToCaseButCellsDiffer",
                     {{"ABC", "x"}, {"Été", "y"}},
                     {{"abc", "x"}, {"éTÉ", "z"}},
                     kColonneA,
                     false,
                     "Non",
                     {{"abc", "x"}, {"éTÉ", "z"}},
                     {"GU", "GG"}},
        CasReference{"EqualJoinedTextsCountAsUnchanged",
                     {{"k", "ab", "c"}},
                     {{"k", "a", "bc"}},
                     kColonneA,
                     false,
                     "Non",
                     {{"k", "a", "bc"}},
                     {"UUU"}},
        CasReference{"AnyCharacterFormsAKey",
                     {{"a=b", "1"}},
                     {{"a=b", "2"}},
                     kColonneA,
                     false,
                     "Non",
                     {{"a=b", "2"}},
                     {"UG"}},
        CasReference{"NewKeyIsAddedAcrossTable2Width",
                     {{"1", "a"}},
                     {{"1", "a"}, {"9", ""}},
                     kColonneA,
                     false,
                     "Non",
                     {{"1", "a"}, {"9", ""}},
                     {"UU", "TT"}},
        CasReference{"VanishedKeyIsDroppedWhenErasedCellsAreBlank",
                     {{"1", "a"}, {"2", "b"}},
                     {{"1", "a"}},
                     kColonneA,
                     false,
                     "Non",
                     {{"1", "a"}},
                     {"UU"}},
        CasReference{"VanishedKeyIsAppendedWhenErasedCellsAreShown",
                     {{"1", "a"}, {"2", "b"}},
                     {{"1", "a"}},
                     kColonneA,
                     true,
                     "Non",
                     {{"1", "a"}, {"2", "b"}},
                     {"UU", "MM"}},
        CasReference{"KeyIsColumnCThenColumnA",
                     {{"x", "1", "y"}, {"y", "2", "x"}},
                     {{"y", "3", "x"}},
                     {"2", "0", "NULL", "NULL", "NULL"},
                     false,
                     "Non",
                     {{"y", "3", "x"}},
                     {"UGU"}},
        CasReference{"LastTable1RowOfAKeyIsThePartner",
                     {{"k", "first"}, {"k", "last"}},
                     {{"k", "last"}, {"K", "other"}},
                     kColonneA,
                     true,
                     "Non",
                     {{"k", "last"}, {"K", "other"}},
                     {"UU", "GG"}},
        CasReference{"DuplicateVanishedKeysAreAllAppendedInOrder",
                     {{"k", "1"}, {"z", "0"}, {"k", "2"}},
                     {{"z", "0"}},
                     kColonneA,
                     true,
                     "Non",
                     {{"z", "0"}, {"k", "1"}, {"k", "2"}},
                     {"UU", "MM", "MM"}},
        CasReference{"AllReferencesNullCompareWithLastRowAndAppendNothing",
                     {{"a", "1"}, {"b", "2"}},
                     {{"b", "2"}, {"a", "1"}},
                     kAucune,
                     true,
                     "Non",
                     {{"b", "2"}, {"a", "1"}},
                     {"UU", "GG"}},
        CasReference{"RowNumbersWithAnAppendedRow",
                     {{"1"}, {"2"}, {"3"}, {"4"}},
                     {{"3"}, {"1"}, {"2"}},
                     kColonneA,
                     true,
                     "Oui",
                     {{"1", "1", "3"}, {"2", "2", "1"}, {"3", "3", "2"}, {"4", "", "4"}},
                     {"UUU", "UUU", "UUU", "MMM"}},
        // Table 1 wider: modified rows erase the surplus; added and unchanged
        // rows leave it without a verdict.
        CasReference{"SurplusColumnsOfTable1",
                     {{"1", "a", ""}, {"2", "b", "y"}, {"3", "c", "z"}},
                     {{"1", "a"}, {"2", "B"}, {"4", "d"}},
                     kColonneA,
                     true,
                     "Non",
                     {{"1", "a", ""}, {"2", "B", "y"}, {"4", "d", ""}, {"3", "c", "z"}},
                     {"UU.", "UGM", "TT.", "MMM"}},
        CasReference{"Table2WiderAddsItsExtraColumns",
                     {{"1", "a"}, {"2", "b"}},
                     {{"1", "a", "n"}, {"2", "B", "m"}},
                     kColonneA,
                     true,
                     "Non",
                     {{"1", "a", "n"}, {"2", "B", "m"}},
                     {"UUT", "UGT"}},
        CasReference{"EmptyTable1RowCountsAsAdded",
                     {{"", ""}},
                     {{"", ""}},
                     kAucune,
                     false,
                     "Non",
                     {{"", ""}},
                     {"TT"}}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(ComparerParReferencesScope, ReferenceColumnOutsideTheScopeStillFormsTheKey) {
    Essai e({{"k1", "a"}, {"k2", "b"}}, {{"k2", "b"}, {"k1", "a"}});
    e.typeTri = 1;
    e.t1.setSelection({1, 0, 1, 1});
    e.t2.setSelection({1, 0, 1, 1});
    e.comparateur().ComparerParReferences("Non", "0", "NULL", "NULL", "NULL", "NULL");
    EXPECT_EQ(Textes(e.final), (Lignes{{"b"}, {"a"}}));
    EXPECT_EQ(Couleurs(e.final), (std::vector<std::string>{"U", "U"}));
}

TEST(ComparerParReferencesGrowth, ManyAppendedRowsGrowTheTableInSteps) {
    Lignes t1;
    for (int i = 0; i < 250; ++i) {
        t1.push_back({std::to_string(i), "v"});
    }
    Essai e(t1, {{"0", "v"}});
    e.afficheSupprime = true;
    e.comparateur().ComparerParReferences("Non", "0", "NULL", "NULL", "NULL", "NULL");
    ASSERT_EQ(e.final.rowCount(), 250);
    EXPECT_EQ(e.final.texte(0, 249), "249");
    EXPECT_EQ(e.final.couleur(1, 249), CouleurCellule::Effacee);
    EXPECT_EQ(e.final.couleur(0, 0), CouleurCellule::Inchangee);
}

TEST(ComparerParReferencesErrors, InvalidReferenceWritesNoRow) {
    for (const char* ref : {"x", "", "1.5", "2a", "null"}) {
        Essai e({{"a"}}, {{"a"}});
        EXPECT_THROW(
            e.comparateur().ComparerParReferences("Non", ref, "NULL", "NULL", "NULL", "NULL"),
            ErreurReference)
            << ref;
        EXPECT_EQ(e.final.rowCount(), 0) << ref;
    }
}

TEST(ComparerParReferencesErrors, FarAndNegativeColumnsContributeEmptyText) {
    Essai e({{"a", "1"}}, {{"b", "1"}});
    e.comparateur().ComparerParReferences("Non", "25", "-3", "+1", "NULL", "NULL");
    EXPECT_EQ(Couleurs(e.final), (std::vector<std::string>{"GU"}));
}

}  // namespace
}  // namespace velmora
