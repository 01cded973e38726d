#include "compare/FormaterDatePourClasseur.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct CasDate {
    const char* nom;
    const char* texte;
    const char* ecrit;  // what the export writes for the cell
    ReglagesDate reglages;
};

ReglagesDate Court8() {
    ReglagesDate r;
    r.formatCourtHuitCaracteres = true;
    return r;
}

ReglagesDate MoisDAbord() {
    ReglagesDate r;
    r.ordre = ReglagesDate::Ordre::MoisJourAnnee;
    return r;
}

ReglagesDate Points() {
    ReglagesDate r;
    r.separateur = '.';
    return r;
}

class TexteCellule : public ::testing::TestWithParam<CasDate> {};

TEST_P(TexteCellule, IsRewrittenMonthFirstOnlyWhenItIsADate) {
    const CasDate& c = GetParam();
    EXPECT_EQ(TexteCellulePourClasseur(c.texte, c.reglages), c.ecrit);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, TexteCellule,
    ::testing::Values(CasDate{"jour_mois", "25/12/2007", "12/25/2007", {}},
                      CasDate{"avec_heure", "25/12/2007 14:05", "12/25/2007 14:05", {}},
                      CasDate{"avec_secondes", "25/12/2007 14:05:30", "12/25/2007 14:05:30", {}},
                      CasDate{"jour_sous_dix", "05/01/2008", "01/05/2008", {}},
                      CasDate{"bissextile", "29/02/2008", "02/29/2008", {}},
                      CasDate{"court_annee_2000", "25/12/07", "12/25/7", Court8()},
                      CasDate{"court_annee_1900", "25/12/99", "12/25/1999", Court8()},
                      CasDate{"court_annee_longue", "25/12/2007", "12/25/7", Court8()},
                      CasDate{"court_an_2000_garde", "01/01/2000", "01/01/2000", Court8()},
                      // The time after a two-digit year is kept whole.
                      CasDate{"court_avec_heure", "25/12/07 14:05", "12/25/7 14:05", Court8()},
                      CasDate{"mois_d_abord_inchange", "05/01/2008", "05/01/2008", MoisDAbord()},
                      CasDate{"mois_d_abord_invalide", "25/12/2007", "25/12/2007", MoisDAbord()},
                      CasDate{"autre_separateur", "25/12/2007", "25/12/2007", Points()},
                      CasDate{"iso", "2007-12-25", "2007-12-25", {}},
                      CasDate{"lettres", "ab/cd/efgh", "ab/cd/efgh", {}},
                      CasDate{"jour_inexistant", "31/02/2007", "31/02/2007", {}},
                      CasDate{"pas_bissextile", "29/02/2007", "29/02/2007", {}},
                      CasDate{"mois_13", "12/13/2007", "12/13/2007", {}},
                      CasDate{"heure_invalide", "25/12/2007 25:00", "25/12/2007 25:00", {}},
                      CasDate{"suite_collee", "25/12/2007abc", "25/12/2007abc", {}},
                      CasDate{"annee_cinq_chiffres", "25/12/20071", "25/12/20071", {}},
                      CasDate{"un_chiffre", "5/12/2007", "5/12/2007", {}},
                      CasDate{"vide", "", "", {}}, CasDate{"texte", "Résultat", "Résultat", {}}),
    [](const ::testing::TestParamInfo<CasDate>& cas) { return std::string(cas.param.nom); });

TEST(FormaterDatePourClasseur, RewritesAnyConvertibleDate) {
    // The caller's shape check (two digits, "/" third and sixth) aside, any
    // text that converts is rewritten; others come back as they were.
    EXPECT_EQ(FormaterDatePourClasseur("5/1/2008", {}), "01/05/2008");
    EXPECT_EQ(FormaterDatePourClasseur("31/02/2007", {}), "31/02/2007");
    ReglagesDate annees;
    annees.ordre = ReglagesDate::Ordre::AnneeMoisJour;
    EXPECT_EQ(FormaterDatePourClasseur("2007/12/25", annees), "12/25/2007");
}

TEST(ReglagesDepuisFormatCourt, ReadsOrderSeparatorAndShortYear) {
    struct Cas {
        const char* format;
        std::size_t longueur;
        ReglagesDate::Ordre ordre;
        char separateur;
        bool huit;
    };
    using O = ReglagesDate::Ordre;
    for (const Cas& c : {Cas{"dd/MM/yyyy", 10, O::JourMoisAnnee, '/', false},
                         Cas{"dd/MM/yy", 8, O::JourMoisAnnee, '/', true},
                         Cas{"M/d/yy", 8, O::MoisJourAnnee, '/', true},
                         Cas{"yyyy-MM-dd", 10, O::AnneeMoisJour, '-', false},
                         Cas{"d.M.yyyy", 9, O::JourMoisAnnee, '.', false},
                         Cas{"", 0, O::JourMoisAnnee, '/', false}}) {
        SCOPED_TRACE(c.format);
        const ReglagesDate r = ReglagesDepuisFormatCourt(c.format, c.longueur);
        EXPECT_EQ(r.ordre, c.ordre);
        EXPECT_EQ(r.separateur, c.separateur);
        EXPECT_EQ(r.formatCourtHuitCaracteres, c.huit);
    }
}

}  // namespace
}  // namespace velmora
