#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/LectureCsv.h"

namespace velmora {
namespace {

using Lignes = std::vector<std::vector<std::string>>;

Lignes Contenu(const Table& t) {
    Lignes out(static_cast<std::size_t>(t.rowCount()));
    for (int r = 0; r < t.rowCount(); ++r) {
        for (int c = 0; c < t.columnCount(); ++c) {
            out[static_cast<std::size_t>(r)].emplace_back(t.cell(c, r));
        }
    }
    return out;
}

struct CasCsv {
    const char* nom;
    std::string texte;
    Lignes attendu;
};

class LireCsvCas : public ::testing::TestWithParam<CasCsv> {};

TEST_P(LireCsvCas, Table) {
    EXPECT_EQ(Contenu(LireCsv(GetParam().texte, "t.csv")), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, LireCsvCas,
    ::testing::Values(CasCsv{"Empty", "", {{""}}}, CasCsv{"OnlyBom", "\xEF\xBB\xBF", {{""}}},
                      CasCsv{"BomIsNotPartOfTheFirstCell",
                             "\xEF\xBB\xBF"
                             "a,b\n",
                             {{"a", "b"}}},
                      CasCsv{"LfAndNoFinalBreak", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
                      CasCsv{"Crlf", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
                      CasCsv{
                          "ShortRecordsArePadded", "a\nb,c,d\n", {{"a", "", ""}, {"b", "c", "d"}}},
                      CasCsv{"BlankLineIsAnEmptyRecord", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
                      CasCsv{"TrailingCommaGivesAnEmptyCell", "a,\n", {{"a", ""}}},
                      CasCsv{"TrailingCommaAtTheEnd", "a,", {{"a", ""}}},
                      CasCsv{"QuotedCommaQuoteAndBreak",
                             "\"x,y\",\"say \"\"hi\"\"\",\"l1\r\nl2\"\n",
                             {{"x,y", "say \"hi\"", "l1\r\nl2"}}},
                      CasCsv{"QuotedEmpty", "\"\",a", {{"", "a"}}},
                      CasCsv{"BlanksAreKept", " a , b \n", {{" a ", " b "}}},
                      CasCsv{"QuoteInsideUnquotedFieldIsText", "a\"b,c\n", {{"a\"b", "c"}}},
                      CasCsv{"Utf8Untouched", "é,漢字\n", {{"é", "漢字"}}}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(LireCsv, MalformedQuotingNamesTheFileAndLine) {
    struct Cas {
        std::string texte;
        std::string message;
    };
    const Cas cas[] = {
        {"a\n\"open,b\nc\n", "t.csv: line 2: quoted field is not closed"},
        {"a\n\"x\"y,b\n", "t.csv: line 2: unexpected character after a closing quote"},
    };
    for (const auto& c : cas) {
        try {
            LireCsv(c.texte, "t.csv");
            ADD_FAILURE() << c.texte;
        } catch (const ErreurCsv& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(LireFichierCsv, MissingFileAndFolderAreErrors) {
    EXPECT_THROW(LireFichierCsv("/nonexistent/x.csv"), ErreurCsv);
    EXPECT_THROW(LireFichierCsv(TEST_DATA_DIR), ErreurCsv);
}

}  // namespace
}  // namespace velmora
