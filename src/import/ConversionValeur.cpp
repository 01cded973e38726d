#include "import/ConversionValeur.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace velmora {

namespace {

struct Moment {
    int annee, mois, jour, heure, minute, seconde;
    int jourSemaine;  // 1 Monday to 7 Sunday
};

// Proleptic Gregorian date of a day count from 1970-01-01.
void civilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long yy = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2 ? 1 : 0));
}

void appendNumber(std::string& out, int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    out += buf;
}

// The name at `numero` (from 1) of `noms`, or the number itself when the
// settings carry no names.
void appendName(std::string& out, const std::vector<std::string>& noms, int numero, int width) {
    const auto i = static_cast<std::size_t>(numero - 1);
    if (i < noms.size()) {
        out += noms[i];
    } else {
        appendNumber(out, numero, width);
    }
}

std::string formatMoment(const Moment& t, const std::string& pattern,
                         const ReglagesRegionaux& reglages) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == '\'') {
            const std::size_t end = pattern.find('\'', i + 1);
            if (end == i + 1) {
                out += '\'';  // '' is a quote
            } else {
                out.append(pattern, i + 1,
                           (end == std::string::npos ? pattern.size() : end) - i - 1);
            }
            i = end == std::string::npos ? pattern.size() : end + 1;
            continue;
        }
        std::size_t n = 1;
        while (i + n < pattern.size() && pattern[i + n] == c) {
            ++n;
        }
        const int w = n >= 2 ? 2 : 1;
        switch (c) {
            case 'd':
                if (n >= 3) {
                    appendName(out, n == 3 ? reglages.joursCourts : reglages.joursLongs,
                               t.jourSemaine, 1);
                } else {
                    appendNumber(out, t.jour, w);
                }
                break;
            case 'M':
                if (n >= 3) {
                    appendName(out, n == 3 ? reglages.moisCourts : reglages.moisLongs, t.mois, 2);
                } else {
                    appendNumber(out, t.mois, w);
                }
                break;
            case 'y':
                if (n >= 3) {
                    appendNumber(out, t.annee, 4);
                } else {
                    appendNumber(out, t.annee % 100, 2);
                }
                break;
            case 'H':
                appendNumber(out, t.heure, w);
                break;
            case 'h':
                appendNumber(out, t.heure % 12 == 0 ? 12 : t.heure % 12, w);
                break;
            case 'm':
                appendNumber(out, t.minute, w);
                break;
            case 's':
                appendNumber(out, t.seconde, w);
                break;
            case 'A':
            case 'a': {
                const bool upper = c == 'A';
                if (i + 1 < pattern.size() && (pattern[i + 1] == 'P' || pattern[i + 1] == 'p')) {
                    n = 2;
                }
                out += t.heure < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
                break;
            }
            case 't':
                break;  // the time zone: a serial has none
            default:
                out.append(n, c);
                break;
        }
        i += n;
    }
    // Dropping a time zone can leave a trailing blank.
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

}  // namespace

std::string texteNombre(double nombre, std::string_view separateurDecimal) {
    if (std::isnan(nombre)) {
        return "NAN";
    }
    if (std::isinf(nombre)) {
        return nombre < 0 ? "-INF" : "INF";
    }
    if (nombre == 0) {
        return "0";
    }
    if (std::fabs(nombre) < 1e15 && nombre == std::trunc(nombre)) {
        // Whole numbers, the common case, need no rounding.
        char buf[24];
        const auto end = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(nombre)).ptr;
        return std::string(buf, end);
    }
    char buf[40];
    // -d.dddddddddddddde+XX: 15 significant digits, correctly rounded.
    const auto fin =
        std::to_chars(buf, buf + sizeof buf, nombre, std::chars_format::scientific, 14).ptr;
    const bool negatif = buf[0] == '-';
    const char* p = buf + (negatif ? 1 : 0);
    std::string chiffres;
    chiffres += p[0];
    chiffres.append(p + 2, 14);
    int exposant = 0;
    std::from_chars(p + 18, fin, exposant);
    if (p[17] == '-') {
        exposant = -exposant;
    }
    while (chiffres.size() > 1 && chiffres.back() == '0') {
        chiffres.pop_back();
    }
    std::string out = negatif ? "-" : "";
    const int n = static_cast<int>(chiffres.size());
    if (exposant >= -5 && exposant < 15) {
        if (exposant >= 0) {
            const int entiers = exposant + 1;
            if (n <= entiers) {
                out += chiffres;
                out.append(static_cast<std::size_t>(entiers - n), '0');
            } else {
                out.append(chiffres, 0, static_cast<std::size_t>(entiers));
                out += separateurDecimal;
                out.append(chiffres, static_cast<std::size_t>(entiers));
            }
        } else {
            out += '0';
            out += separateurDecimal;
            out.append(static_cast<std::size_t>(-exposant - 1), '0');
            out += chiffres;
        }
    } else {
        out += chiffres[0];
        if (n > 1) {
            out += separateurDecimal;
            out.append(chiffres, 1);
        }
        out += 'E';
        out += std::to_string(exposant);
    }
    return out;
}

std::string texteDate(double serie, bool date1904, const ReglagesRegionaux& reglages) {
    // Whole seconds, rounded to the nearest.
    const double secondes = std::round(serie * 86400.0);
    constexpr double kMaxSerie = 2958466.0;  // 10000-01-01 in the 1900 system
    if (!std::isfinite(secondes) || secondes < 0 || secondes >= kMaxSerie * 86400.0) {
        return texteNombre(serie, reglages.separateurDecimal);
    }
    const auto total = static_cast<long long>(secondes);
    long long jours = total / 86400;
    const long long reste = total % 86400;
    const bool heureSeule = !date1904 && jours == 0;
    if (date1904) {
        jours += 1462;
    }
    Moment t{};
    // Day 1 is 1900-01-01; the 1900 system counts a 29 February 1900, so
    // from day 61 on days count from 1899-12-30.
    const long long depuis1970 = jours >= 61 ? jours - 25569 : jours - 25568;
    civilFromDays(depuis1970, t.annee, t.mois, t.jour);
    t.heure = static_cast<int>(reste / 3600);
    t.minute = static_cast<int>(reste / 60 % 60);
    t.seconde = static_cast<int>(reste % 60);
    // 1970-01-01 was a Thursday.
    t.jourSemaine = static_cast<int>(((depuis1970 % 7) + 7 + 3) % 7) + 1;
    if (heureSeule) {
        return formatMoment(t, reglages.formatHeure, reglages);
    }
    std::string out = formatMoment(t, reglages.formatDateCourte, reglages);
    if (reste != 0) {
        out += ' ';
        out += formatMoment(t, reglages.formatHeure, reglages);
    }
    return out;
}

std::string texteDeValeur(const Valeur& valeur, const ReglagesRegionaux& reglages) {
    switch (valeur.type) {
        case TypeValeur::Vide:
            return {};
        case TypeValeur::Texte:
            return valeur.texte;
        case TypeValeur::Nombre:
            return texteNombre(valeur.nombre, reglages.separateurDecimal);
        case TypeValeur::Date:
            return texteDate(valeur.nombre, valeur.date1904, reglages);
        case TypeValeur::Monnaie: {
            // A currency amount keeps four decimals.
            const double montant = std::round(valeur.nombre * 10000.0) / 10000.0;
            return texteNombre(std::isfinite(montant) ? montant : valeur.nombre,
                               reglages.separateurDecimal);
        }
        case TypeValeur::Booleen:
            return valeur.booleen ? reglages.texteVrai : reglages.texteFaux;
        case TypeValeur::Erreur:
            throw ErreurConversion(valeur.texte.empty() ? "#ERR" : valeur.texte);
    }
    return {};
}

}  // namespace velmora
