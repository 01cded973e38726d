#include "modes/OrdreTitres.h"

#include <sqlcipher/sqlite3.h>

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "modes/ErreurBase.h"

namespace velmora {

namespace {

// Base letters of U+00C0..U+00FF. Upper-case markers stand for two letters:
// 'A' ae, 'T' th, 'S' ss; '*' keeps the character itself (× and ÷).
constexpr std::string_view kLatin1 =
    "aaaaaaAceeeeiiiidnooooo*ouuuuyTS"
    "aaaaaaAceeeeiiiidnooooo*ouuuuyTy";

// Base letters of U+0100..U+017F; 'I' stands for ij, 'O' for oe.
constexpr std::string_view kLatinEtenduA =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiIIjjkkkllllllllll"
    "nnnnnnnnnooooooOOrrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

static_assert(kLatin1.size() == 64);
static_assert(kLatinEtenduA.size() == 128);

// One code point with its three sort weights.
struct Caractere {
    std::u32string base;   // primary: base letters, lower case
    std::uint32_t accent;  // secondary: 0 unaccented, else the code point
    bool majuscule;        // tertiary
};

std::u32string Developper(char marque) {
    switch (marque) {
        case 'A':
            return U"ae";
        case 'T':
            return U"th";
        case 'S':
            return U"ss";
        case 'I':
            return U"ij";
        case 'O':
            return U"oe";
        default:
            return std::u32string(1, static_cast<char32_t>(marque));
    }
}

bool EstMajuscule(std::uint32_t cp) {
    if (cp >= 'A' && cp <= 'Z') {
        return true;
    }
    if (cp >= 0xC0 && cp <= 0xDE) {
        return cp != 0xD7;
    }
    if (cp >= 0x100 && cp <= 0x137) {
        return cp % 2 == 0;
    }
    if (cp >= 0x139 && cp <= 0x148) {
        return cp % 2 == 1;
    }
    if (cp >= 0x14A && cp <= 0x177) {
        return cp % 2 == 0;
    }
    if (cp == 0x178) {
        return true;
    }
    if (cp >= 0x179 && cp <= 0x17E) {
        return cp % 2 == 1;
    }
    return false;
}

// Lower-case twin of an accented Latin letter, so that the accent weight
// does not also carry the case.
std::uint32_t Minuscule(std::uint32_t cp) {
    if (!EstMajuscule(cp) || cp < 0xC0) {
        return cp;
    }
    if (cp <= 0xDE) {
        return cp + 0x20;
    }
    return cp == 0x178 ? 0xFF : cp + 1;
}

Caractere Poids(std::uint32_t cp) {
    Caractere c{{}, 0, EstMajuscule(cp)};
    if (cp < 0x80) {
        char32_t bas = (cp >= 'A' && cp <= 'Z') ? cp - 'A' + 'a' : cp;
        c.base = std::u32string(1, bas);
    } else if (cp >= 0xC0 && cp <= 0xFF && kLatin1[cp - 0xC0] != '*') {
        c.base = Developper(kLatin1[cp - 0xC0]);
        c.accent = Minuscule(cp);
    } else if (cp >= 0x100 && cp <= 0x17F) {
        c.base = Developper(kLatinEtenduA[cp - 0x100]);
        c.accent = Minuscule(cp);
    } else {
        c.base = std::u32string(1, static_cast<char32_t>(cp));
    }
    return c;
}

// Decodes UTF-8; a byte that does not start a well-formed sequence is taken
// alone, as its value, so any text has an order.
std::vector<std::uint32_t> CodePoints(std::string_view texte) {
    std::vector<std::uint32_t> resultat;
    resultat.reserve(texte.size());
    std::size_t i = 0;
    while (i < texte.size()) {
        auto octet = [&](std::size_t k) { return static_cast<std::uint8_t>(texte[k]); };
        std::uint8_t premier = octet(i);
        std::size_t longueur = premier < 0x80           ? 1
                               : (premier >> 5) == 0x6  ? 2
                               : (premier >> 4) == 0xE  ? 3
                               : (premier >> 3) == 0x1E ? 4
                                                        : 0;
        bool valide = longueur > 0 && i + longueur <= texte.size();
        std::uint32_t cp = longueur == 1 ? premier : premier & (0x7Fu >> longueur);
        for (std::size_t k = 1; valide && k < longueur; ++k) {
            valide = (octet(i + k) & 0xC0) == 0x80;
            cp = (cp << 6) | (octet(i + k) & 0x3Fu);
        }
        if (!valide) {
            resultat.push_back(premier);
            ++i;
            continue;
        }
        resultat.push_back(cp);
        i += longueur;
    }
    return resultat;
}

template <typename T>
int Comparer(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int CollationTitres(void*, int longueurA, const void* a, int longueurB, const void* b) {
    return ComparerTitres(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(longueurA)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(longueurB)));
}

void FonctionNow(sqlite3_context* contexte, int, sqlite3_value**) {
    std::time_t maintenant = std::time(nullptr);
    std::tm local{};
    localtime_r(&maintenant, &local);
    char texte[32];
    std::size_t longueur = std::strftime(texte, sizeof texte, "%Y-%m-%d %H:%M:%S", &local);
    sqlite3_result_text(contexte, texte, static_cast<int>(longueur), SQLITE_TRANSIENT);
}

}  // namespace

int ComparerTitres(std::string_view a, std::string_view b) {
    std::vector<Caractere> poidsA;
    std::vector<Caractere> poidsB;
    for (std::uint32_t cp : CodePoints(a)) {
        poidsA.push_back(Poids(cp));
    }
    for (std::uint32_t cp : CodePoints(b)) {
        poidsB.push_back(Poids(cp));
    }
    std::u32string baseA;
    std::u32string baseB;
    for (const Caractere& c : poidsA) {
        baseA += c.base;
    }
    for (const Caractere& c : poidsB) {
        baseB += c.base;
    }
    if (int r = Comparer(baseA, baseB); r != 0) {
        return r;
    }
    // Same letters: these sequences may differ in length only when an
    // expanded letter (œ) faces its spelled-out form (oe).
    std::vector<std::uint32_t> accentsA;
    std::vector<std::uint32_t> accentsB;
    std::vector<bool> casseA;
    std::vector<bool> casseB;
    for (const Caractere& c : poidsA) {
        accentsA.push_back(c.accent);
        casseA.push_back(c.majuscule);
    }
    for (const Caractere& c : poidsB) {
        accentsB.push_back(c.accent);
        casseB.push_back(c.majuscule);
    }
    if (int r = Comparer(accentsA, accentsB); r != 0) {
        return r;
    }
    if (int r = Comparer(casseA, casseB); r != 0) {
        return r;
    }
    return Comparer(a, b);
}

void EnregistrerFonctionsBase(sqlite3* base) {
    if (sqlite3_create_collation(base, kCollationTitres, SQLITE_UTF8, nullptr, CollationTitres) !=
        SQLITE_OK) {
        throw ErreurBase(std::string("Impossible d'enregistrer l'ordre des titres : ") +
                         sqlite3_errmsg(base));
    }
    if (sqlite3_create_function(base, "Now", 0, SQLITE_UTF8, nullptr, FonctionNow, nullptr,
                                nullptr) != SQLITE_OK) {
        throw ErreurBase(std::string("Impossible d'enregistrer la fonction Now() : ") +
                         sqlite3_errmsg(base));
    }
}

}  // namespace velmora
