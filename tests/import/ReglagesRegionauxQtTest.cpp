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

}  // namespace
}  // namespace velmora
