#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "XlsFixtures.h"
#include "workbook/ErreurClasseur.h"
#include "workbook/ExcelApplication.h"
#include "workbook/WorkbookReader.h"

// libgsf leaks a directory entry on some damaged compound files; that is not
// ours to fix, and the leak checker must still see every leak of our own.
extern "C" const char* __lsan_default_suppressions() {
    // Its allocations go through GLib, whose frames end fast stack walks.
    return "leak:libgsf-1.so\nleak:libglib-2.0.so\n";
}

namespace velmora {
namespace {

using testing::XlsFixtures;

std::vector<std::uint8_t> bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = XlsFixtures::path(name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

TEST(Reader, ReadsEveryValueKind) {
    ExcelApplication app;
    Classeur& book = app.Workbooks().Open(XlsFixtures::path("values.xls"));
    const Feuille& sheet = book.WorkSheets(1);
    EXPECT_EQ(sheet.Name(), "valeurs");

    const auto a = [&](int row) { return sheet.Range("A" + std::to_string(row)).Value(); };
    EXPECT_EQ(a(1).type, TypeValeur::Nombre);
    EXPECT_EQ(a(1).nombre, 3.5);
    EXPECT_EQ(a(3).nombre, 1.0 / 3);
    EXPECT_EQ(a(4).nombre, 1e20);
    EXPECT_EQ(a(5).type, TypeValeur::Texte);
    EXPECT_EQ(a(5).texte, " x ");
    EXPECT_EQ(a(6).type, TypeValeur::Booleen);
    EXPECT_TRUE(a(6).booleen);
    EXPECT_FALSE(a(7).booleen);
    EXPECT_EQ(a(8).type, TypeValeur::Date);
    EXPECT_EQ(a(8).nombre, 45365.0);  // 2024-03-14
    EXPECT_FALSE(a(8).date1904);
    EXPECT_EQ(a(9).type, TypeValeur::Date);
    EXPECT_NEAR(a(9).nombre, 45365.0 + (15 * 3600 + 4 * 60 + 5) / 86400.0, 1e-9);
    EXPECT_EQ(a(10).type, TypeValeur::Date);  // [h]:mm
    EXPECT_EQ(a(11).type, TypeValeur::Monnaie);
    EXPECT_EQ(a(11).nombre, 1234.56789);
    EXPECT_EQ(a(12).type, TypeValeur::Monnaie);
    EXPECT_EQ(a(13).type, TypeValeur::Nombre);  // a percentage is a number
    EXPECT_EQ(a(14).texte, "\xC3\xA9t\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80");
    // Longer than one record: the text runs over CONTINUE records.
    const Valeur longText = a(15);
    EXPECT_EQ(longText.texte.size(),
              1200U * std::string("ligne 00000 \xC3\xA9\xE2\x82\xAC;").size());
    const std::string lastLine = "ligne 01199 \xC3\xA9\xE2\x82\xAC;";
    EXPECT_EQ(longText.texte.substr(longText.texte.size() - lastLine.size()), lastLine);
    EXPECT_EQ(a(16).nombre, 123456789012.0);
    EXPECT_EQ(a(17).nombre, -0.75);
    EXPECT_EQ(a(18).type, TypeValeur::Erreur);
    EXPECT_EQ(a(18).texte, "#DIV/0!");
    // xlwt stores no result for its formulas: an empty text, as cached.
    EXPECT_EQ(a(19).type, TypeValeur::Texte);
    EXPECT_EQ(a(19).texte, "");
    EXPECT_EQ(a(30).type, TypeValeur::Vide);
    EXPECT_EQ(sheet.Range("IV65536").Value().type, TypeValeur::Vide);
    EXPECT_EQ(sheet.Range("XFD1048576").Value().type, TypeValeur::Vide);
}

TEST(Reader, Reads1904Dates) {
    ExcelApplication app;
    const Valeur v =
        app.Workbooks().Open(XlsFixtures::path("dates1904.xls")).WorkSheets(1).Range("A1").Value();
    EXPECT_EQ(v.type, TypeValeur::Date);
    EXPECT_TRUE(v.date1904);
    EXPECT_EQ(v.nombre, 45365.0 - 1462);
}

TEST(Reader, ReportsMergedAreas) {
    ExcelApplication app;
    const Feuille& sheet = app.Workbooks().Open(XlsFixtures::path("merged.xls")).WorkSheets(1);
    for (const char* inside : {"B2", "C2", "D2", "B3", "D3"}) {
        EXPECT_TRUE(sheet.Range(inside).MergeCells()) << inside;
    }
    for (const char* outside : {"A1", "A2", "E2", "B4", "E5", "AZ1000"}) {
        EXPECT_FALSE(sheet.Range(outside).MergeCells()) << outside;
    }
    EXPECT_EQ(sheet.Range("B2").Value().texte, "X");
    EXPECT_EQ(sheet.Range("C3").Value().type, TypeValeur::Vide);
}

TEST(Reader, CountsWorksheetsAndRefusesOthers) {
    ExcelApplication app;
    Classeur& book = app.Workbooks().Open(XlsFixtures::path("twelve_sheets.xls"));
    EXPECT_EQ(book.WorkSheetsCount(), 12);
    EXPECT_EQ(book.WorkSheets(12).Range("A1").Value().texte, "feuille 12");
    EXPECT_EQ(book.WorkSheets(12).Name(), "Onglet 12");
    EXPECT_THROW(book.WorkSheets(13), ErreurClasseur);
    EXPECT_THROW(book.WorkSheets(0), ErreurClasseur);
    app.Workbooks().Close(book, false);
    EXPECT_EQ(app.Workbooks().Count(), 0);
    app.Quit();
    EXPECT_THROW(app.Workbooks(), std::logic_error);
}

TEST(Reader, ReadsFromMemoryLikeFromFile) {
    const auto bytes = bytesOf(XlsFixtures::path("three_sheets.xls"));
    const auto book = WorkbookReader::readMemory(bytes.data(), bytes.size(), "<memory>");
    ASSERT_EQ(book->worksheets.size(), 3U);
    EXPECT_EQ(book->worksheets[2].name, "Onglet 3");
}

TEST(Reader, ParsesAddresses) {
    struct Case {
        const char* address;
        bool valid;
        int column;
        int row;
    };
    const Case cases[] = {
        {"A1", true, 1, 1},     {"AZ130", true, 52, 130},
        {"BA7", true, 53, 7},   {"XFD1", true, 16384, 1},
        {"A0", false, 0, 0},    {"1A", false, 0, 0},
        {"a1", false, 0, 0},    {"A", false, 0, 0},
        {"", false, 0, 0},      {"XFE1", false, 0, 0},
        {"ABCD1", false, 0, 0}, {"A01", false, 0, 0},
        {"A1B", false, 0, 0},   {"A99999999999", false, 0, 0},
    };
    for (const Case& c : cases) {
        int column = 0;
        int row = 0;
        EXPECT_EQ(Feuille::parseAddress(c.address, column, row), c.valid) << c.address;
        if (c.valid) {
            EXPECT_EQ(column, c.column) << c.address;
            EXPECT_EQ(row, c.row) << c.address;
        }
    }
}

// Bad files: each gives an ErreurClasseur naming the file and the problem.
TEST(Reader, RefusesBadFilesClearly) {
    const auto good = bytesOf(XlsFixtures::path("values.xls"));
    std::vector<std::uint8_t> noWorkbook = good;
    // Rename the "Workbook" directory entry (UTF-16 in the directory sector).
    const std::vector<std::uint8_t> name = {'W', 0, 'o', 0, 'r', 0, 'k', 0, 'b', 0};
    auto at = std::search(noWorkbook.begin(), noWorkbook.end(), name.begin(), name.end());
    ASSERT_NE(at, noWorkbook.end());
    *at = 'X';

    struct Case {
        const char* label;
        std::string path;
        const char* problem;
    };
    const Case cases[] = {
        {"missing", XlsFixtures::path("absent.xls"), "does not exist"},
        {"folder", XlsFixtures::folder(), "folder"},
        {"empty", writeFile("empty.xls", {}), "empty"},
        {"xlsx", writeFile("zip.xls", {'P', 'K', 3, 4, 20, 0, 0, 0}), ".xlsx"},
        {"html", writeFile("page.xls", {' ', '<', 'h', 't', 'm', 'l', '>'}), "HTML"},
        {"biff4", writeFile("biff4.xls", {0x09, 0x04, 0x06, 0x00, 0, 0, 0x10, 0, 0, 0}),
         "BIFF version"},
        {"text", writeFile("text.xls", {'h', 'e', 'l', 'l', 'o'}), "not an OLE2"},
        {"truncated",
         writeFile("cut.xls", std::vector<std::uint8_t>(good.begin(), good.begin() + 1536)),
         "corrupt"},
        {"no workbook stream", writeFile("nostream.xls", noWorkbook), "no workbook stream"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ExcelApplication app;
        try {
            app.Workbooks().Open(c.path);
            ADD_FAILURE() << "opened";
        } catch (const ErreurClasseur& e) {
            EXPECT_EQ(e.fichier(), c.path);
            EXPECT_NE(std::string(e.what()).find(c.path), std::string::npos) << e.what();
            EXPECT_NE(e.probleme().find(c.problem), std::string::npos) << e.what();
        }
    }
}

TEST(Reader, RefusesEncryptedCorpusWorkbook) {
    const std::string path = std::string(CORPUS_DIR) + "/xls/poi__password.xls";
    if (!std::filesystem::exists(path)) {
        GTEST_SKIP() << "no corpus";
    }
    ExcelApplication app;
    try {
        app.Workbooks().Open(path);
        ADD_FAILURE() << "opened an encrypted workbook";
    } catch (const ErreurClasseur& e) {
        EXPECT_NE(e.probleme().find("encrypted"), std::string::npos) << e.what();
    }
}

// Every prefix of a workbook, and the workbook with bytes flipped, either
// opens or fails with ErreurClasseur; nothing else escapes.
TEST(Reader, DamagedCopiesFailCleanly) {
    const auto good = bytesOf(XlsFixtures::path("merged.xls"));
    const auto tryRead = [](const std::vector<std::uint8_t>& bytes) {
        try {
            const auto book = WorkbookReader::readMemory(bytes.data(), bytes.size(), "damaged");
            for (const auto& ws : book->worksheets) {
                (void)ws.data->value(0, 0, book->strings, book->date1904);
            }
        } catch (const ErreurClasseur&) {
        }
    };
    for (std::size_t size = 0; size < good.size(); size += 97) {
        tryRead(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(size)));
    }
    for (std::size_t i = 512; i < good.size(); i += 61) {
        auto copy = good;
        copy[i] = static_cast<std::uint8_t>(copy[i] ^ 0xFF);
        tryRead(copy);
    }
}

}  // namespace
}  // namespace velmora
