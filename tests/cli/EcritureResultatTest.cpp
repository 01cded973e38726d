#include <gtest/gtest.h>

#include <sstream>

#include "cli/EcritureResultat.h"

namespace velmora {
namespace {

TEST(EcrireJson, EscapesAndReplacesInvalidUtf8) {
    TableauFinal f;
    f.resize(1, 1);
    const char brut[] = "q\"b\\n\n\r\t\x01\x7f é漢😀 \xff\xc3(";
    f.setTexte(0, 0, std::string(brut, sizeof brut - 1));
    f.setCouleur(0, 0, CouleurCellule::Effacee);
    std::ostringstream out;
    EcrireJson(out, f);
    EXPECT_EQ(
        out.str(),
        "{\"columns\": 1, \"rows\": 1,\n \"cells\": [\n  [\"q\\\"b\\\\n\\n\\r\\t\\u0001\\u007f "
        "é漢😀 \xEF\xBF\xBD\xEF\xBF\xBD(\"]],\n \"colours\": [\n  [\"clMaroon\"]]}\n");
}

TEST(EcrireCsv, QuotesOnlyWhereNeeded) {
    TableauFinal f;
    f.resize(4, 1);
    f.setTexte(0, 0, "plain");
    f.setTexte(1, 0, "a,b");
    f.setTexte(2, 0, "say \"x\"");
    f.setTexte(3, 0, "l1\nl2");
    std::ostringstream out;
    EcrireCsv(out, f);
    EXPECT_EQ(out.str(), "plain,\"a,b\",\"say \"\"x\"\"\",\"l1\nl2\"\r\n");
}

}  // namespace
}  // namespace velmora
