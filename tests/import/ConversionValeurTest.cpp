#include <gtest/gtest.h>

#include <limits>

#include "import/ConversionValeur.h"
#include "import/LettresColonnes.h"

namespace velmora {
namespace {

TEST(TexteNombre, FollowsTheGeneralForm) {
    struct Case {
        double nombre;
        const char* virgule;  // with "," as the separator
    };
    const Case cases[] = {
        {42, "42"},
        {3.5, "3,5"},
        {-3.5, "-3,5"},
        {1.0 / 3, "0,333333333333333"},
        {2.0 / 3, "0,666666666666667"},
        {0.1 + 0.2, "0,3"},
        {1e20, "1E20"},
        {1.5e20, "1,5E20"},
        {123456789012345, "123456789012345"},  // 15 digits: fixed
        {1e15, "1E15"},                        // 16 digits: scientific
        {999999999999999.9, "1E15"},           // rounds up to 16 digits
        {0.00001, "0,00001"},
        {0.0000123, "0,0000123"},
        {0.000001, "1E-6"},
        {-1.25e-7, "-1,25E-7"},
        {0, "0"},
        {-0.0, "0"},
        {100, "100"},
        {1234.5678, "1234,5678"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(texteNombre(c.nombre, ","), c.virgule) << c.nombre;
    }
    EXPECT_EQ(texteNombre(3.5, "."), "3.5");
    EXPECT_EQ(texteNombre(std::numeric_limits<double>::infinity(), ","), "INF");
}

TEST(TexteDate, UsesTheShortDateAndTheTimeWhenNotMidnight) {
    ReglagesRegionaux fr;  // dd/MM/yyyy HH:mm:ss
    ReglagesRegionaux us;
    us.separateurDecimal = ".";
    us.formatDateCourte = "M/d/yy";
    us.formatHeure = "h:mm:ss AP";
    const double midi = 0.5;
    struct Case {
        double serie;
        bool date1904;
        const char* francais;
        const char* anglais;
    };
    const Case cases[] = {
        {45365, false, "14/03/2024", "3/14/24"},
        {45365 + (15 * 3600 + 4 * 60 + 5) / 86400.0, false, "14/03/2024 15:04:05",
         "3/14/24 3:04:05 PM"},
        {45365 - 1462, true, "14/03/2024", "3/14/24"},
        {1, false, "01/01/1900", "1/1/00"},
        {59, false, "28/02/1900", "2/28/00"},
        {61, false, "01/03/1900", "3/1/00"},
        {midi, false, "12:00:00", "12:00:00 PM"},        // a time alone
        {0.25 + 1e-7, false, "06:00:00", "6:00:00 AM"},  // rounded to the second
        {-1, false, "-1", "-1"},
        {3e6, false, "3000000", "3000000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(texteDate(c.serie, c.date1904, fr), c.francais) << c.serie;
        EXPECT_EQ(texteDate(c.serie, c.date1904, us), c.anglais) << c.serie;
    }
}

TEST(TexteDate, WritesMonthAndDayNamesWhenTheFormatAsksForThem) {
    ReglagesRegionaux r;
    r.formatHeure = "HH:mm";
    r.moisCourts = {"janv.", "févr.", "mars",  "avr.", "mai",  "juin",
                    "juil.", "août",  "sept.", "oct.", "nov.", "déc."};
    r.moisLongs = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                   "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    r.joursCourts = {"lun.", "mar.", "mer.", "jeu.", "ven.", "sam.", "dim."};
    r.joursLongs = {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"};
    struct Case {
        const char* format;
        double serie;
        const char* texte;
    };
    const Case cases[] = {
        {"d MMM yyyy", 45365, "14 mars 2024"},  // a Thursday
        {"dddd d MMMM yyyy", 45365 + 0.5, "jeudi 14 mars 2024 12:00"},
        {"ddd dd/MM/yy", 45368, "dim. 17/03/24"},  // a Sunday
        {"ddd d MMM", 45366, "ven. 15 mars"},
        {"dd MMM yyyy", 39790, "08 déc. 2008"},
    };
    for (const Case& c : cases) {
        r.formatDateCourte = c.format;
        EXPECT_EQ(texteDate(c.serie, false, r), c.texte) << c.format;
    }
    // Without names the numbers stand in.
    ReglagesRegionaux sansNoms;
    sansNoms.formatDateCourte = "d MMM yyyy";
    EXPECT_EQ(texteDate(45365, false, sansNoms), "14 03 2024");
}

TEST(TexteDeValeur, ConvertsEveryKindAndFailsOnErrors) {
    ReglagesRegionaux fr;
    Valeur v;
    EXPECT_EQ(texteDeValeur(v, fr), "");
    v.type = TypeValeur::Texte;
    v.texte = "  x  ";
    EXPECT_EQ(texteDeValeur(v, fr), "  x  ");
    v.type = TypeValeur::Monnaie;
    v.nombre = 1234.56789;
    EXPECT_EQ(texteDeValeur(v, fr), "1234,5679");  // four decimals
    v.type = TypeValeur::Booleen;
    v.booleen = true;
    EXPECT_EQ(texteDeValeur(v, fr), "True");
    v.booleen = false;
    EXPECT_EQ(texteDeValeur(v, fr), "False");
    v.type = TypeValeur::Erreur;
    v.texte = "#N/A";
    try {
        texteDeValeur(v, fr);
        ADD_FAILURE() << "an error value converted";
    } catch (const ErreurConversion& e) {
        EXPECT_STREQ(e.what(), "#N/A");
    }
}

TEST(LettresColonnes, NameColumnsAToAZ) {
    const auto& l = LettresColonnes();
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[1], "A");
    EXPECT_EQ(l[26], "Z");
    EXPECT_EQ(l[27], "AA");
    EXPECT_EQ(l[52], "AZ");
    EXPECT_EQ(adresseCellule(52, 130), "AZ130");
    EXPECT_EQ(adresseCellule(53, 1), "BA1");
    EXPECT_EQ(adresseCellule(2, 7), "B7");
}

}  // namespace
}  // namespace velmora
