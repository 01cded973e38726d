#include <gtest/gtest.h>

#include "TablesDeTest.h"
#include "compare/FiltresSortie.h"
#include "compare/PiloteComparaison.h"

namespace velmora {
namespace {

using test::Couleurs;
using test::Essai;
using test::Lignes;
using test::Textes;

// A final table whose rows carry the verdicts given one letter a cell, and
// whose texts name their row, so that kept rows can be recognised.
TableauFinal Fabriquer(const std::vector<std::string>& lignes) {
    TableauFinal f;
    f.resize(static_cast<int>(lignes.front().size()), static_cast<int>(lignes.size()));
    for (int r = 0; r < f.rowCount(); ++r) {
        for (int c = 0; c < f.columnCount(); ++c) {
            const char l = lignes[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            f.setCouleur(c, r,
                         l == 'T'   ? CouleurCellule::Ajoutee
                         : l == 'G' ? CouleurCellule::Modifiee
                         : l == 'M' ? CouleurCellule::Effacee
                         : l == 'U' ? CouleurCellule::Inchangee
                                    : CouleurCellule::Aucune);
            f.setTexte(c, r, "r" + std::to_string(r));
        }
    }
    return f;
}

struct CasFiltre {
    const char* nom;
    std::string sortie;
    std::vector<std::string> gardees;
};

class Filtres : public ::testing::TestWithParam<CasFiltre> {};

// Rows: all unchanged, one modified cell, all added, all erased, added with
// an empty entry, unchanged with an empty entry, row numbers + added cells.
const std::vector<std::string> kLignes = {"UUU", "UGU", "TTT", "MMM", "TT.", "UU.", "UUT"};

TEST_P(Filtres, KeepRowsByTheirVerdictsOnly) {
    const auto& p = GetParam();
    TableauFinal f = Fabriquer(kLignes);
    AppliquerFiltre(p.sortie, f);
    EXPECT_EQ(Couleurs(f), p.gardees);
    EXPECT_EQ(f.columnCount(), 3);
    // Kept rows keep their texts unchanged.
    for (int r = 0; r < f.rowCount(); ++r) {
        const auto ligne = Couleurs(f)[static_cast<std::size_t>(r)];
        const auto origine = std::find(kLignes.begin(), kLignes.end(), ligne) - kLignes.begin();
        EXPECT_EQ(f.texte(2, r), "r" + std::to_string(origine));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Filtres,
    ::testing::Values(CasFiltre{"Lignes", "Lignes", {"UGU", "TTT", "MMM", "TT.", "UU.", "UUT"}},
                      CasFiltre{"Ajoutees", "Ajoutees", {"TTT"}},
                      CasFiltre{"Inchangees", "Inchangees", {"UUU"}},
                      CasFiltre{"Doublons", "Doublons", {"UUU", "UGU", "UU.", "UUT"}},
                      CasFiltre{"Complet", "Complet", kLignes},
                      CasFiltre{"UnknownWordKeepsAll", "lignes", kLignes}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(Filtres, NoKeptRowLeavesAnEmptyTableOfTheSameWidth) {
    TableauFinal f = Fabriquer({"UU", "UU"});
    SortirLignesModifiees(f);
    EXPECT_EQ(f.rowCount(), 0);
    EXPECT_EQ(f.columnCount(), 2);
}

TEST(Filtres, RowNumberColumnsMakeAjouteesKeepNothing) {
    Essai e({{"a"}}, {{"a"}, {"new"}});
    e.comparateur().ComparerTableauxIdentiques("Oui");
    SortirLignesAjoutees(e.final);
    EXPECT_EQ(e.final.rowCount(), 0);

    Essai e2({{"a"}}, {{"a"}, {"new"}});
    e2.comparateur().ComparerTableauxIdentiques("Non");
    SortirLignesAjoutees(e2.final);
    EXPECT_EQ(Textes(e2.final), (Lignes{{"new"}}));
}

TEST(Filtres, DoublonsDropsRowsOnlyTable1HasWithRowNumbers) {
    Essai e({{"a"}, {"b"}, {"gone"}}, {{"a"}, {"B"}});
    e.afficheSupprime = true;
    e.comparateur().ComparerTableauxIdentiques("Oui");
    SortirDoublonsReferences(e.final);
    EXPECT_EQ(Textes(e.final), (Lignes{{"1", "1", "a"}, {"2", "2", "B"}}));
}

struct CasPilote {
    const char* nom;
    ModeComparaison mode;
    Lignes textes;
    bool sansErreur;
};

class Pilote : public ::testing::TestWithParam<CasPilote> {};

ModeComparaison Mode(std::string entree, std::string ref1, std::string sortie) {
    ModeComparaison m;
    m.EntreeTableau = std::move(entree);
    m.Ref1 = std::move(ref1);
    m.SortieTableau = std::move(sortie);
    return m;
}

// Table 2 swaps the two rows of table 1 and changes one cell of the second.
TEST_P(Pilote, ChoosesComparisonAndFilterByExactWords) {
    const auto& p = GetParam();
    Essai e({{"1", "a"}, {"2", "b"}}, {{"2", "b"}, {"1", "x"}});
    const bool ok = ExecuterComparaison(p.mode, e.t1, e.t2, 0, false, e.final, e.barre);
    EXPECT_EQ(ok, p.sansErreur);
    EXPECT_EQ(Textes(e.final), p.textes);
    EXPECT_EQ(e.barre.Max, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Pilote,
    ::testing::Values(
        CasPilote{
            "ByPosition", Mode("Identique", "NULL", "Lignes"), {{"2", "b"}, {"1", "x"}}, true},
        CasPilote{"OtherCaseMeansReferences", Mode("identique", "0", "Lignes"), {{"1", "x"}}, true},
        CasPilote{"ByReferenceUnchanged", Mode("Reference", "0", "Inchangees"), {{"2", "b"}}, true},
        CasPilote{"UnknownOutputKeepsAll",
                  Mode("Reference", "0", "Tout"),
                  {{"2", "b"}, {"1", "x"}},
                  true},
        // A bad reference ends the comparison before any row: the filter
        // still runs on the empty table and the error is dropped.
        CasPilote{"BadReferenceIsDropped", Mode("Reference", "A", "Lignes"), {}, false}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(Pilote, InterruptionIsNotDropped) {
    Lignes grand(100, {"x"});
    Essai e(grand, grand);
    e.barre.rafraichir = [](const BarreProgression&) { throw ComparaisonInterrompue(); };
    EXPECT_THROW(ExecuterComparaison(ModeComparaison{}, e.t1, e.t2, 0, false, e.final, e.barre),
                 ComparaisonInterrompue);
}

}  // namespace
}  // namespace velmora
