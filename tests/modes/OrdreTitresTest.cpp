#include "modes/OrdreTitres.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velmora {
namespace {

int Signe(int n) {
    return (n > 0) - (n < 0);
}

TEST(OrdreTitres, PairesDeTitres) {
    struct Cas {
        const char* a;
        const char* b;
        int attendu;
    };
    const Cas cas[] = {
        {"abc", "abc", 0},        {"abc", "ABD", -1},  // case does not decide before the letters do
        {"abc", "Abc", -1},                            // only then: lower case first
        {"été", "etf", -1},                            // é sorts with e
        {"ete", "été", -1},                            // unaccented first
        {"Été", "ete", 1},        {"œuvre", "oeuvre", 1}, {"œuvre", "oeuvrf", -1},
        {"straße", "strasse", 1}, {"Ça", "cb", -1},       {"z", "é", 1},
        {"a", "ab", -1},          {"", "a", -1},          {"1", "a", -1},
        {"\xff", "a", 1},  // a malformed byte sorts by its value
        {"\xc3", "\xc3\xa9", -1},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(Signe(ComparerTitres(c.a, c.b)), c.attendu) << c.a << " / " << c.b;
        EXPECT_EQ(Signe(ComparerTitres(c.b, c.a)), -c.attendu) << c.b << " / " << c.a;
    }
}

TEST(OrdreTitres, SeulsLesTitresIdentiquesSontEgaux) {
    const std::vector<std::string> titres = {"a", "A", "à", "À", "á", "ae", "æ", "Æ", "AE"};
    for (const std::string& a : titres) {
        for (const std::string& b : titres) {
            EXPECT_EQ(ComparerTitres(a, b) == 0, a == b) << a << " / " << b;
        }
    }
    std::vector<std::string> tries = titres;
    std::sort(tries.begin(), tries.end(),
              [](const std::string& a, const std::string& b) { return ComparerTitres(a, b) < 0; });
    EXPECT_EQ(tries, (std::vector<std::string>{"a", "A", "à", "À", "á", "ae", "AE", "æ", "Æ"}));
}

}  // namespace
}  // namespace velmora
