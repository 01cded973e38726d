#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../workbook/XlsFixtures.h"
#include "import/ImporterFeuilleExcel.h"
#include "workbook/ErreurClasseur.h"

namespace velmora {
namespace {

using testing::XlsFixtures;

// Runs imports and keeps what the window would have seen.
struct Import {
    Table grille{3, 3};
    OptionsImport options;
    RappelsImport rappels;
    std::vector<std::string> memo;
    std::vector<std::vector<std::string>> listes;
    std::optional<int> choix = 0;
    int evenements = 0;

    Import() {
        rappels.choisirFeuille = [this](const std::vector<std::string>& elements) {
            listes.push_back(elements);
            return choix;
        };
        rappels.traiterEvenements = [this] { ++evenements; };
        rappels.memoErreur = [this](const std::string& ligne) { memo.push_back(ligne); };
    }
    ResultatImport run(const std::string& fichier) {
        return ImporterFeuilleExcel(grille, XlsFixtures::path(fichier), options, rappels);
    }
    std::string cell(int column, int row) const { return std::string(grille.cell(column, row)); }
    bool hasText() const {
        for (int r = 0; r < grille.rowCount(); ++r) {
            for (int c = 0; c < grille.columnCount(); ++c) {
                if (!grille.cell(c, r).empty()) {
                    return true;
                }
            }
        }
        return false;
    }
};

struct RowCase {
    const char* name;
    int sheet;
    int rows;
    int columns;
};

class RowScan : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowScan, EndsAfterFifteenEmptyRows) {
    Import im;
    im.options.numFeuilleImposee = GetParam().sheet;
    const ResultatImport r = im.run("rows.xls");
    EXPECT_EQ(r.lignes, GetParam().rows);
    EXPECT_EQ(im.grille.rowCount(), std::max(GetParam().rows, 1));
    EXPECT_EQ(im.grille.columnCount(), GetParam().columns);
    if (GetParam().rows > 0) {
        const int last = GetParam().rows;
        EXPECT_EQ(im.cell(2, last - 1), "r" + std::to_string(last) + "c3");
    } else {
        EXPECT_FALSE(im.hasText());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Import, RowScan,
    ::testing::Values(RowCase{"rows1to10", 1, 10, 3}, RowCase{"gapOf13", 2, 24, 3},
                      RowCase{"gapOf15", 3, 10, 3}, RowCase{"first15Empty", 4, 0, 3},
                      RowCase{"rows250", 5, 250, 3}),
    [](const ::testing::TestParamInfo<RowCase>& row) { return std::string(row.param.name); });

TEST(Import, KeepsEmptyRowsInsideTheData) {
    Import im;
    im.options.numFeuilleImposee = 2;
    im.run("rows.xls");
    for (int r = 10; r < 23; ++r) {
        EXPECT_EQ(im.cell(0, r), "") << r;
    }
    EXPECT_EQ(im.cell(0, 23), "r24c1");
}

TEST(Import, LetsEventsRunEveryHundredRows) {
    Import im;
    im.options.numFeuilleImposee = 5;  // 250 rows, then 15 empty ones
    im.run("rows.xls");
    EXPECT_EQ(im.evenements, 2);
}

TEST(Import, MeasuresTheWidthOnTheFirstThirtyRows) {
    Import im;
    im.options.numFeuilleImposee = 1;
    const ResultatImport r = im.run("width.xls");
    EXPECT_EQ(r.largeurFeuille, 3);
    EXPECT_EQ(im.grille.columnCount(), 3);
    EXPECT_EQ(im.grille.rowCount(), 30);  // rows 31-35 hold values only in column E
    EXPECT_EQ(im.cell(2, 29), "r30c3");
    EXPECT_EQ(im.cell(2, 34), "");
}

TEST(Import, ReadsColumnsAToAZAndNeverBA) {
    Import im;
    im.options.numFeuilleImposee = 2;
    im.run("width.xls");
    ASSERT_EQ(im.grille.columnCount(), 52);
    EXPECT_EQ(im.cell(0, 0), "col1");
    EXPECT_EQ(im.cell(51, 0), "col52");
    EXPECT_EQ(im.cell(52, 0), "");
}

// An error value alone in the probed rows widens the sheet, is logged once
// and the rest is read (it used to end the reading with an empty grid).
TEST(Import, ErrorValueWhileMeasuringTheWidthIsLoggedNotFatal) {
    Import im;
    im.options.numFeuilleImposee = 3;
    const ResultatImport r = im.run("width.xls");
    EXPECT_EQ(r.largeurFeuille, 6);
    EXPECT_EQ(im.grille.rowCount(), 7);
    EXPECT_EQ(im.cell(1, 3), "r4c2");
    EXPECT_EQ(im.cell(5, 6), "");
    EXPECT_EQ(im.memo, std::vector<std::string>{"F7: #DIV/0!"});
}

TEST(Import, ErrorValueInRow40LeavesTheCellEmptyAndIsLogged) {
    Import im;
    const ResultatImport r = im.run("error_row40.xls");
    EXPECT_EQ(im.grille.rowCount(), 50);
    EXPECT_EQ(im.cell(1, 39), "");
    EXPECT_EQ(im.cell(0, 39), "40");
    EXPECT_EQ(im.cell(1, 40), "410");
    EXPECT_EQ(im.memo, std::vector<std::string>{"B40: #N/A"});
    EXPECT_EQ(r.cellulesIllisibles, 1);
}

TEST(Import, WritesValuesAsTextUnderTheUsersSettings) {
    Import im;
    const ResultatImport r = im.run("values.xls");
    EXPECT_EQ(r.largeurFeuille, 2);
    const std::vector<std::string> expected = {
        "3,5",   "42",         "0,333333333333333",   "1E20",     " x ",       "True",
        "False", "14/03/2024", "14/03/2024 15:04:05", "06:30:00", "1234,5679", "-5,25",
        "0,125",
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(im.cell(0, static_cast<int>(i)), expected[i]) << im.cell(1, static_cast<int>(i));
    }
    EXPECT_EQ(im.cell(0, 15), "123456789012");
    EXPECT_EQ(im.cell(0, 17), "");  // #DIV/0!
    EXPECT_EQ(im.memo, std::vector<std::string>{"A18: #DIV/0!"});

    Import en;
    en.options.reglages.separateurDecimal = ".";
    en.run("values.xls");
    EXPECT_EQ(en.cell(0, 0), "3.5");
}

TEST(Import, ListsTheFirstTenWorksheetsInTheUsersLanguage) {
    Import fr;
    fr.choix = 1;
    const ResultatImport r = fr.run("three_sheets.xls");
    ASSERT_EQ(fr.listes.size(), 1U);
    EXPECT_EQ(fr.listes[0], (std::vector<std::string>{"Feuille 1", "Feuille 2", "Feuille 3"}));
    EXPECT_EQ(r.numFeuille, 2);
    EXPECT_EQ(fr.cell(0, 0), "feuille 2");

    Import en;
    en.options.langueCourante = "anglais";
    en.run("twelve_sheets.xls");
    ASSERT_EQ(en.listes.size(), 1U);
    ASSERT_EQ(en.listes[0].size(), 10U);
    EXPECT_EQ(en.listes[0][9], "Sheet 10");
    EXPECT_EQ(en.cell(0, 0), "feuille 1");

    Import one;
    one.run("one_sheet.xls");
    EXPECT_TRUE(one.listes.empty());
    EXPECT_EQ(one.cell(0, 0), "feuille 1");
}

TEST(Import, TheEleventhWorksheetCannotBeImported) {
    Import im;
    im.options.numFeuilleImposee = 10;
    im.run("twelve_sheets.xls");
    EXPECT_EQ(im.cell(0, 0), "feuille 10");
    im.options.numFeuilleImposee = 11;
    EXPECT_THROW(im.run("twelve_sheets.xls"), ErreurClasseur);
    EXPECT_FALSE(im.hasText());
}

TEST(Import, CancellingTheChooserLeavesTheGridEmpty) {
    Import im;
    im.run("one_sheet.xls");
    ASSERT_TRUE(im.hasText());
    im.choix = std::nullopt;
    const ResultatImport r = im.run("three_sheets.xls");
    EXPECT_TRUE(r.annule);
    EXPECT_EQ(im.grille.columnCount(), 1);
    EXPECT_EQ(im.grille.rowCount(), 1);
    EXPECT_FALSE(im.hasText());
}

TEST(Import, MergedCellRule) {
    Import off;
    off.run("merged.xls");
    EXPECT_EQ(off.cell(1, 1), "X");
    EXPECT_EQ(off.cell(2, 1), "");
    EXPECT_EQ(off.cell(3, 2), "");

    Import on;
    on.options.cellulesFusionnees = true;
    on.run("merged.xls");
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(on.cell(c, r), "X") << c << "," << r;
        }
    }
    EXPECT_EQ(on.cell(0, 1), "");  // not merged, stays empty
    EXPECT_EQ(on.cell(4, 1), "");

    // A1:B1 holds X over A2:B2 holding Y: the value above wins in B2.
    Import rows;
    rows.options.cellulesFusionnees = true;
    rows.options.numFeuilleImposee = 2;
    rows.run("merged.xls");
    EXPECT_EQ(rows.cell(0, 0), "X");
    EXPECT_EQ(rows.cell(1, 0), "X");
    EXPECT_EQ(rows.cell(0, 1), "Y");
    EXPECT_EQ(rows.cell(1, 1), "X");
    EXPECT_EQ(rows.cell(1, 2), "");
}

TEST(Import, ImportingTwiceLeavesNothingOfTheFirstSheet) {
    Import im;
    im.options.numFeuilleImposee = 2;
    im.run("width.xls");  // 52 columns
    im.options.numFeuilleImposee = 0;
    im.run("one_sheet.xls");
    EXPECT_EQ(im.grille.columnCount(), 1);
    EXPECT_EQ(im.grille.rowCount(), 1);
    EXPECT_EQ(im.cell(0, 0), "feuille 1");
    EXPECT_EQ(im.grille.selection(), Selection{});
}

TEST(Import, AnUnreadableWorkbookIsAnErrorAndEmptiesTheGrid) {
    Import im;
    im.run("one_sheet.xls");
    try {
        im.run("absent.xls");
        ADD_FAILURE() << "imported a missing file";
    } catch (const ErreurClasseur& e) {
        EXPECT_NE(std::string(e.what()).find("absent.xls"), std::string::npos);
    }
    EXPECT_FALSE(im.hasText());
    EXPECT_EQ(im.grille.rowCount(), 1);
}

}  // namespace
}  // namespace velmora
