#include "cli/LectureCsv.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace velmora {

Table LireCsv(std::string_view texte, const std::string& nom) {
    if (texte.substr(0, 3) == "\xEF\xBB\xBF") {
        texte.remove_prefix(3);
    }
    // First pass: cut the text into fields. Unquoted fields are views of the
    // text; quoted ones are unescaped into `decodes`, which is reserved so
    // that views into it stay valid.
    std::vector<std::vector<std::string_view>> lignes;
    std::vector<std::string> decodes;
    std::vector<std::string_view> champs;
    std::size_t largeur = 1;
    std::size_t i = 0;
    std::size_t numeroLigne = 1;
    const std::size_t n = texte.size();

    auto finirLigne = [&]() {
        largeur = std::max(largeur, champs.size());
        lignes.push_back(std::move(champs));
        champs.clear();
    };

    // A quoted field may hold commas, quotes written twice, and line breaks.
    const std::size_t guillemets =
        static_cast<std::size_t>(std::count(texte.begin(), texte.end(), '"'));
    decodes.reserve(guillemets / 2 + 1);

    while (i < n || !champs.empty()) {
        if (i >= n) {
            // The last record had no line break after it.
            finirLigne();
            break;
        }
        if (texte[i] == '"') {
            const std::size_t debutLigne = numeroLigne;
            std::string valeur;
            ++i;
            for (;;) {
                if (i >= n) {
                    throw ErreurCsv(nom + ": line " + std::to_string(debutLigne) +
                                    ": quoted field is not closed");
                }
                const char ch = texte[i];
                if (ch == '"') {
                    if (i + 1 < n && texte[i + 1] == '"') {
                        valeur.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (ch == '\n') {
                    ++numeroLigne;
                }
                valeur.push_back(ch);
                ++i;
            }
            decodes.push_back(std::move(valeur));
            champs.push_back(decodes.back());
            if (i < n && texte[i] != ',' && texte[i] != '\n' && texte[i] != '\r') {
                throw ErreurCsv(nom + ": line " + std::to_string(numeroLigne) +
                                ": unexpected character after a closing quote");
            }
        } else {
            const std::size_t debut = i;
            while (i < n && texte[i] != ',' && texte[i] != '\n' && texte[i] != '\r') {
                ++i;
            }
            champs.push_back(texte.substr(debut, i - debut));
        }
        if (i >= n) {
            finirLigne();
            break;
        }
        if (texte[i] == ',') {
            ++i;
            if (i >= n) {
                champs.emplace_back();
                finirLigne();
            }
            continue;
        }
        // A line break: CRLF, LF, or a lone CR.
        if (texte[i] == '\r' && i + 1 < n && texte[i + 1] == '\n') {
            ++i;
        }
        ++i;
        ++numeroLigne;
        finirLigne();
    }

    if (lignes.empty()) {
        return Table(1, 1);
    }
    if (largeur > static_cast<std::size_t>(INT32_MAX) ||
        lignes.size() > static_cast<std::size_t>(INT32_MAX)) {
        throw ErreurCsv(nom + ": table too large");
    }
    Table table(static_cast<int>(largeur), 0);
    table.reserveRows(static_cast<int>(lignes.size()));
    for (const auto& ligne : lignes) {
        table.appendRow(ligne);
    }
    return table;
}

Table LireFichierCsv(const std::filesystem::path& chemin) {
    std::error_code ec;
    if (std::filesystem::is_directory(chemin, ec)) {
        throw ErreurCsv(chemin.string() + ": is a folder, not a file");
    }
    std::ifstream in(chemin, std::ios::binary);
    if (!in) {
        throw ErreurCsv(chemin.string() + ": cannot open the file");
    }
    std::string texte((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw ErreurCsv(chemin.string() + ": read error");
    }
    return LireCsv(texte, chemin.string());
}

}  // namespace velmora
