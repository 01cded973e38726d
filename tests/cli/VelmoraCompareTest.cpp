#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/VelmoraCompare.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class VelmoraCompare : public ::testing::Test {
protected:
    void SetUp() override {
        dossier_ = fs::temp_directory_path() /
                   ("velmora-cli-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
    }
    void TearDown() override { fs::remove_all(dossier_); }

    std::string Fichier(const std::string& nom, const std::string& contenu) {
        const fs::path p = dossier_ / nom;
        std::ofstream(p, std::ios::binary) << contenu;
        return p.string();
    }
    static std::string Lire(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    int Executer(const std::vector<std::string>& arguments) {
        out_.str("");
        err_.str("");
        return ExecuterLigneCommande(arguments, out_, err_);
    }

    fs::path dossier_;
    std::ostringstream out_;
    std::ostringstream err_;
};

const std::string kMaitre = std::string(SOURCE_DIR) + "/examples/master.csv";
const std::string kAmendement = std::string(SOURCE_DIR) + "/examples/amendment.csv";

TEST_F(VelmoraCompare, ExamplesByReferenceToJson) {
    const std::string sortie = (dossier_ / "r.json").string();
    EXPECT_EQ(Executer({"--keys", "A", "--rows", "modified", "--keep-erased", "-o", sortie, kMaitre,
                        kAmendement}),
              1);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(Lire(sortie),
              R"({"columns": 5, "rows": 5,
 "cells": [
  ["A-100", "Vis inox M6", "300", "0,12", "12/03/2026"],
  ["a-101", "Écrou M6", "500", "0,05", "12/03/2026"],
  ["B-200", "Équerre 40 mm", "80", "1,95", "20/03/2026"],
  ["D-400", "Joint torique 20", "150", "0,30", "10/04/2026"],
  ["A-102", "Rondelle plate", "1000", "0,02", "15/03/2026"]],
 "colours": [
  ["$00DBDBDB", "$00DBDBDB", "clGray", "$00DBDBDB", "$00DBDBDB"],
  ["clGray", "$00DBDBDB", "$00DBDBDB", "$00DBDBDB", "$00DBDBDB"],
  ["$00DBDBDB", "$00DBDBDB", "$00DBDBDB", "clGray", "clMaroon"],
  ["clTeal", "clTeal", "clTeal", "clTeal", "clTeal"],
  ["clMaroon", "clMaroon", "clMaroon", "clMaroon", "clMaroon"]]}
)");
}

TEST_F(VelmoraCompare, SummaryAndExitStatus) {
    const std::string a = Fichier("a.csv", "k,v\n1,x\n2,y\n");
    const std::string b = Fichier("b.csv", "k,v\n2,y\n1,x\n");
    const std::string c = Fichier("c.csv", "k,v\n1,x\n2,z\n3,w\n");

    EXPECT_EQ(Executer({"--keys", "A", a, b}), 0);
    EXPECT_EQ(out_.str(), "final table: 3 rows x 2 columns; 0 added, 0 modified, 0 erased\n");

    EXPECT_EQ(Executer({a, b}), 1);
    EXPECT_EQ(out_.str(), "final table: 3 rows x 2 columns; 0 added, 4 modified, 0 erased\n");

    // Differences are counted before the filter, and row numbers not at all.
    EXPECT_EQ(Executer({"--rows", "unchanged", "--row-numbers", a, c}), 1);
    EXPECT_EQ(out_.str(), "final table: 2 rows x 4 columns; 2 added, 1 modified, 0 erased\n");

    EXPECT_EQ(Executer({"-q", a, c}), 1);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(err_.str(), "");
}

TEST_F(VelmoraCompare, RangesCompareSelectionsAndWholeTablesOtherwise) {
    const std::string a = Fichier("a.csv", "x,1,2\ny,3,4\n");
    const std::string b = Fichier("b.csv", "1,2\n3,4\n");
    EXPECT_EQ(Executer({"--range1", "B1:C2", a, b}), 0);
    // A range reaching past the table reads empty cells there.
    EXPECT_EQ(Executer({"--range1", "B1:D2", "--range2", "A1:C2", a, b}), 0);
    EXPECT_EQ(Executer({"--range2", "A2", a, b}), 1);
}

TEST_F(VelmoraCompare, FilterKeepingNoRowWritesAnEmptyTable) {
    const std::string a = Fichier("a.csv", "1,2\n");
    const std::string sortie = (dossier_ / "r.json").string();
    EXPECT_EQ(Executer({"--rows", "modified", "-o", sortie, a, a}), 0);
    EXPECT_EQ(Lire(sortie), "{\"columns\": 2, \"rows\": 0,\n \"cells\": [],\n \"colours\": []}\n");
}

TEST_F(VelmoraCompare, CsvAndHtmlOutputs) {
    const std::string a = Fichier("a.csv", "a,\"b,c\"\n");
    const std::string b = Fichier("b.csv", "a,<b>\n");
    const std::string csv = (dossier_ / "r.CSV").string();
    EXPECT_EQ(Executer({"-o", csv, a, b}), 1);
    EXPECT_EQ(Lire(csv), "a,<b>\r\n");
    const std::string html = (dossier_ / "r.html").string();
    EXPECT_EQ(Executer({"--keep-erased", "-o", html, b, a}), 1);
    const std::string page = Lire(html);
    EXPECT_NE(page.find("<td class=\"u\">a</td><td class=\"g\">b,c</td>"), std::string::npos);
    EXPECT_NE(page.find("Cell erased"), std::string::npos);
    EXPECT_EQ(Executer({"-o", html, a, b}), 1);
    EXPECT_NE(Lire(html).find("&lt;b&gt;"), std::string::npos);
}

TEST_F(VelmoraCompare, ErrorsExitTwoWithOneLineNamingTheCause) {
    const std::string a = Fichier("a.csv", "1\n");
    const std::string bad = Fichier("bad.csv", "\"open\n");
    const std::string existant = Fichier("keep.json", "previous");
    struct Cas {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Cas cas[] = {
        {{a, (dossier_ / "missing.csv").string()},
         (dossier_ / "missing.csv").string() + ": no such file"},
        {{a, bad}, bad + ": line 1: quoted field is not closed"},
        {{"--rows", "some", a, a}, "--rows: 'some' is not one of"},
        {{"-o", (dossier_ / "r.txt").string(), a, a}, "-o: " + (dossier_ / "r.txt").string()},
        {{"-o", (dossier_ / "no" / "r.json").string(), a, a},
         (dossier_ / "no" / "r.json").string() + ": cannot write the file"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(Executer(c.arguments), 2) << c.message;
        const std::string e = err_.str();
        EXPECT_EQ(e.rfind("velmora-compare: " + c.message, 0), 0u) << e;
        EXPECT_EQ(std::count(e.begin(), e.end(), '\n'), 1) << e;
    }
    // A failed run leaves an earlier output untouched.
    EXPECT_EQ(Executer({"-o", existant, a, bad}), 2);
    EXPECT_EQ(Lire(existant), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier_), fs::directory_iterator()), 3);
}

TEST_F(VelmoraCompare, HelpDocumentsTheContract) {
    EXPECT_EQ(Executer({"--help"}), 0);
    for (const char* mot : {"--range1", "--range2", "--keys", "--rows", "--row-numbers",
                            "--keep-erased", "--output", "--quiet", "Exit status"}) {
        EXPECT_NE(out_.str().find(mot), std::string::npos) << mot;
    }
}

}  // namespace
}  // namespace velmora
