#include <gtest/gtest.h>

#include "import/ConversionValeur.h"
#include "import/ReglagesRegionauxQt.h"

namespace velmora {
namespace {

TEST(ReglagesDepuisLocale, FrenchAndEnglish) {
    const ReglagesRegionaux fr = reglagesDepuisLocale(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(fr.separateurDecimal, ",");
    EXPECT_EQ(fr.formatDateCourte, "dd/MM/yyyy");
    EXPECT_EQ(fr.formatHeure, "HH:mm:ss");

    const ReglagesRegionaux us =
        reglagesDepuisLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.separateurDecimal, ".");
    EXPECT_EQ(us.formatDateCourte, "M/d/yy");
    EXPECT_EQ(us.formatHeure, "h:mm:ss AP");

    const double moment = 45365 + (15 * 3600 + 4 * 60 + 5) / 86400.0;
    EXPECT_EQ(texteDate(moment, false, fr), "14/03/2024 15:04:05");
    EXPECT_EQ(texteDate(moment, false, us), "3/14/24 3:04:05 PM");
    EXPECT_EQ(texteNombre(3.5, fr.separateurDecimal), "3,5");
    EXPECT_EQ(texteNombre(3.5, us.separateurDecimal), "3.5");
}

// The C locale (LANG=C) writes the month by its name.
TEST(ReglagesDepuisLocale, MonthNamesOfTheCLocale) {
    const ReglagesRegionaux c = reglagesDepuisLocale(QLocale::c());
    EXPECT_EQ(c.formatDateCourte, "d MMM yyyy");
    EXPECT_EQ(texteDate(45365, false, c), "14 Mar 2024");
}

// Some locales put the time zone in brackets or after a comma ("H:mm:ss (t)",
// "HH:mm:ss, t"): the brackets and the comma go with it.
TEST(ReglagesDepuisLocale, TimeFormatsKeepNothingOfTheTimeZone) {
    const ReglagesRegionaux ca = reglagesDepuisLocale(QLocale(QLocale::Catalan, QLocale::Spain));
    EXPECT_EQ(texteDate(45365.5, false, ca), "14/3/24 12:00:00");
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        const std::string heure = reglagesDepuisLocale(locale).formatHeure;
        const std::string nom = locale.name().toStdString();
        EXPECT_EQ(heure.find("()"), std::string::npos) << nom << ": " << heure;
        EXPECT_EQ(heure.find("[]"), std::string::npos) << nom << ": " << heure;
        ASSERT_FALSE(heure.empty()) << nom;
        EXPECT_NE(heure.back(), ',') << nom << ": " << heure;
        EXPECT_NE(heure.back(), ' ') << nom << ": " << heure;
    }
}

}  // namespace
}  // namespace velmora
