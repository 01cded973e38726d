#include <gtest/gtest.h>

#include "cli/OptionsLigneCommande.h"

namespace velmora {
namespace {

TEST(AnalyserPlage, SpreadsheetNotation) {
    struct Cas {
        const char* texte;
        std::optional<Selection> attendu;
    };
    const Cas cas[] = {
        {"B3:D7", Selection{1, 2, 3, 6}},
        {"C5", Selection{2, 4, 2, 4}},
        {"d7:b3", Selection{1, 2, 3, 6}},
        {"AA1:AZ10", Selection{26, 0, 51, 9}},
        {"A1:A1", Selection{0, 0, 0, 0}},
        {"", std::nullopt},
        {"B", std::nullopt},
        {"3", std::nullopt},
        {"B0", std::nullopt},
        {"B03", std::nullopt},
        {"B3:", std::nullopt},
        {"B3:D", std::nullopt},
        {"B-3", std::nullopt},
        {"B3 :D7", std::nullopt},
        {"ÉB3", std::nullopt},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(AnalyserPlage(c.texte), c.attendu) << c.texte;
    }
}

TEST(AnalyserOptions, BuildsTheModeFromTheOptions) {
    const auto o =
        AnalyserOptions({"--keys", "C,a", "--rows", "shared", "--row-numbers", "--keep-erased",
                         "--range2=B2:C9", "-o", "r.json", "m.csv", "n.csv"});
    EXPECT_EQ(o.mode.EntreeTableau, "Reference");
    EXPECT_EQ(o.mode.Ref1, "2");
    EXPECT_EQ(o.mode.Ref2, "0");
    EXPECT_EQ(o.mode.Ref3, "NULL");
    EXPECT_EQ(o.mode.Ref5, "NULL");
    EXPECT_EQ(o.mode.SortieTableau, "Doublons");
    EXPECT_EQ(o.mode.AncienNumLigne, "Oui");
    EXPECT_TRUE(o.afficheSupprime);
    EXPECT_FALSE(o.plage1.has_value());
    EXPECT_EQ(o.plage2, (Selection{1, 1, 2, 8}));
    EXPECT_EQ(o.sortie, "r.json");
    EXPECT_EQ(o.maitre, "m.csv");
    EXPECT_EQ(o.amendement, "n.csv");
}

TEST(AnalyserOptions, Defaults) {
    const auto o = AnalyserOptions({"m.csv", "n.csv"});
    EXPECT_EQ(o.mode, ModeComparaison{});
    EXPECT_EQ(o.mode.EntreeTableau, "Identique");
    EXPECT_EQ(o.mode.SortieTableau, "Complet");
    EXPECT_EQ(o.mode.AncienNumLigne, "Non");
    EXPECT_FALSE(o.afficheSupprime);
    EXPECT_EQ(o.feuille1, 1);
}

TEST(AnalyserOptions, EmptyKeysSelectReferencesWithNoColumn) {
    const auto o = AnalyserOptions({"--keys", "", "m.csv", "n.csv"});
    EXPECT_EQ(o.mode.EntreeTableau, "Reference");
    for (const auto* r : {&o.mode.Ref1, &o.mode.Ref2, &o.mode.Ref3, &o.mode.Ref4, &o.mode.Ref5}) {
        EXPECT_EQ(*r, "NULL");
    }
}

TEST(AnalyserOptions, RowsWords) {
    const std::pair<const char*, const char*> cas[] = {
        {"all", "Complet"},          {"modified", "Lignes"}, {"added", "Ajoutees"},
        {"unchanged", "Inchangees"}, {"shared", "Doublons"},
    };
    for (const auto& [option, mot] : cas) {
        EXPECT_EQ(AnalyserOptions({"--rows", option, "a", "b"}).mode.SortieTableau, mot);
    }
}

TEST(AnalyserOptions, ErrorsNameTheOption) {
    struct Cas {
        std::vector<std::string> arguments;
        const char* debut;
    };
    const Cas cas[] = {
        {{"a"}, "expected two files"},
        {{"a", "b", "c"}, "expected two files"},
        {{"--keys", "A,B,C,D,E,F", "a", "b"}, "--keys: at most five"},
        {{"--keys", "AA", "a", "b"}, "--keys: 'AA' is not a column letter"},
        {{"--keys", "A,,B", "a", "b"}, "--keys: '' is not a column letter"},
        {{"--keys", "1", "a", "b"}, "--keys: '1'"},
        {{"--rows", "Lignes", "a", "b"}, "--rows: 'Lignes'"},
        {{"--range1", "B3:", "a", "b"}, "--range1: 'B3:'"},
        {{"--range2"}, "--range2: a value is missing"},
        {{"--sheet1", "11", "a", "b"}, "--sheet1: 11 is not between 1 and 10"},
        {{"--sheet2", "x", "a", "b"}, "--sheet2: 'x' is not a whole number"},
        {{"--frobnicate", "a", "b"}, "--frobnicate: unknown option"},
        {{"--merged=yes", "a", "b"}, "--merged: takes no value"},
        {{"--mode", "T", "--keys", "A", "a", "b"}, "--mode: cannot be combined"},
        {{"--mode", "T", "--rows", "all", "a", "b"}, "--mode: cannot be combined"},
        {{"--mode", "T", "--row-numbers", "a", "b"}, "--mode: cannot be combined"},
        {{"--list-modes", "a"}, "--list-modes: takes no file"},
        {{"-o", "", "a", "b"}, "-o: the file name is empty"},
    };
    for (const auto& c : cas) {
        try {
            AnalyserOptions(c.arguments);
            ADD_FAILURE() << c.debut;
        } catch (const ErreurOptions& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.debut, 0), 0u) << e.what();
        }
    }
}

TEST(AnalyserOptions, FilesAfterDoubleDashMayStartWithADash) {
    const auto o = AnalyserOptions({"--", "-m.csv", "-n.csv"});
    EXPECT_EQ(o.maitre, "-m.csv");
    EXPECT_EQ(o.amendement, "-n.csv");
}

}  // namespace
}  // namespace velmora
