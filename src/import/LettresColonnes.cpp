#include "import/LettresColonnes.h"

namespace velmora {

const std::array<std::string, 53>& LettresColonnes() {
    static const std::array<std::string, 53> lettres = [] {
        std::array<std::string, 53> t;
        for (int i = 1; i <= 26; ++i) {
            t[static_cast<std::size_t>(i)] = std::string(1, static_cast<char>(64 + i));
            t[static_cast<std::size_t>(i + 26)] = "A" + t[static_cast<std::size_t>(i)];
        }
        return t;
    }();
    return lettres;
}

std::string adresseCellule(int colonne, int ligne) {
    std::string lettres;
    if (colonne >= 1 && colonne <= 52) {
        lettres = LettresColonnes()[static_cast<std::size_t>(colonne)];
    } else {
        for (int c = colonne; c > 0; c = (c - 1) / 26) {
            lettres.insert(lettres.begin(), static_cast<char>('A' + (c - 1) % 26));
        }
    }
    return lettres + std::to_string(ligne);
}

}  // namespace velmora
