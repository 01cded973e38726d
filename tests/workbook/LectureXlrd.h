#pragma once

// Reads a workbook back through xlrd (Debian's python3-xlrd) with the
// script lire_classeur.py beside this file, so the tests check our files
// with a reader that is not ours.

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace velmora::test {

struct CelluleLue {
    int type = 0;             // xlrd cell type: 0 empty, 1 text, 6 blank
    std::string texte;        // UTF-8
    std::string remplissage;  // "RRGGBB" of a solid fill, or "-"
};

struct FeuilleLue {
    std::string nom;
    int lignes = 0;
    int colonnes = 0;
    std::map<std::pair<int, int>, CelluleLue> cellules;  // (row, column)

    // An absent cell reads as empty without fill.
    CelluleLue cellule(int row, int column) const {
        const auto it = cellules.find({row, column});
        return it == cellules.end() ? CelluleLue{0, "", "-"} : it->second;
    }
};

inline std::string DepuisHex(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return out;
}

// `options` are passed to the script as they are (e.g. "--resume",
// "--cellule 0 65535 1"). Throws std::runtime_error with xlrd's message
// when it refuses the file.
inline std::vector<FeuilleLue> LireAvecXlrd(const std::filesystem::path& fichier,
                                            const std::string& options = "") {
    const std::string script = std::string(SOURCE_DIR) + "/tests/workbook/lire_classeur.py";
    const std::string commande =
        "/usr/bin/python3 '" + script + "' '" + fichier.string() + "' " + options + " 2>&1";
    std::FILE* pipe = ::popen(commande.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run " + commande);
    }
    std::string sortie;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        sortie.append(buffer, n);
    }
    if (::pclose(pipe) != 0) {
        throw std::runtime_error("xlrd refused " + fichier.string() + ": " + sortie);
    }
    std::vector<FeuilleLue> feuilles;
    std::istringstream lignes(sortie);
    std::string ligne;
    while (std::getline(lignes, ligne)) {
        std::vector<std::string> champs;
        std::size_t debut = 0;
        for (std::size_t tab; (tab = ligne.find('\t', debut)) != std::string::npos;
             debut = tab + 1) {
            champs.push_back(ligne.substr(debut, tab - debut));
        }
        champs.push_back(ligne.substr(debut));
        if (champs[0] == "SHEET" && champs.size() == 5) {
            feuilles.push_back(
                {DepuisHex(champs[2]), std::stoi(champs[3]), std::stoi(champs[4]), {}});
        } else if (champs[0] == "CELL" && champs.size() == 7) {
            feuilles.at(std::stoul(champs[1]))
                .cellules[{std::stoi(champs[2]), std::stoi(champs[3])}] = {
                std::stoi(champs[4]), DepuisHex(champs[5]), champs[6]};
        }
    }
    return feuilles;
}

}  // namespace velmora::test
