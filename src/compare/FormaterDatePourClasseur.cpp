#include "compare/FormaterDatePourClasseur.h"

#include <algorithm>
#include <array>

namespace velmora {
namespace {

bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

// Reads 1 to `maxi` digits at `pos`; the count read goes to `longueur`.
std::optional<int> LireNombre(std::string_view t, std::size_t& pos, std::size_t maxi,
                              std::size_t* longueur = nullptr) {
    const std::size_t debut = pos;
    int valeur = 0;
    while (pos < t.size() && pos - debut < maxi && EstChiffre(t[pos])) {
        valeur = valeur * 10 + (t[pos] - '0');
        ++pos;
    }
    if (pos == debut || (pos < t.size() && EstChiffre(t[pos]))) {
        return std::nullopt;
    }
    if (longueur != nullptr) {
        *longueur = pos - debut;
    }
    return valeur;
}

bool EstBissextile(int annee) {
    return (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
}

int JoursDuMois(int annee, int mois) {
    static constexpr std::array<int, 12> kJours = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mois == 2 && EstBissextile(annee) ? 29 : kJours[static_cast<std::size_t>(mois - 1)];
}

std::string DeuxChiffres(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

ReglagesDate ReglagesDepuisFormatCourt(std::string_view format, std::size_t longueurDateDuJour) {
    ReglagesDate r;
    r.formatCourtHuitCaracteres = longueurDateDuJour == 8;
    const std::size_t jour = format.find('d');
    const std::size_t mois = format.find('M');
    const std::size_t annee = format.find('y');
    if (jour == std::string_view::npos || mois == std::string_view::npos ||
        annee == std::string_view::npos) {
        return r;
    }
    if (annee < mois && mois < jour) {
        r.ordre = ReglagesDate::Ordre::AnneeMoisJour;
    } else if (mois < jour) {
        r.ordre = ReglagesDate::Ordre::MoisJourAnnee;
    }
    const std::size_t premier = std::min({jour, mois, annee});
    const std::size_t separateur = format.find_first_not_of(format[premier], premier);
    if (separateur != std::string_view::npos) {
        r.separateur = format[separateur];
    }
    return r;
}

std::optional<DateHeureLue> ConvertirDateHeure(std::string_view t, const ReglagesDate& reglages) {
    std::array<int, 3> nombres{};
    std::array<std::size_t, 3> chiffres{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if (i > 0) {
            if (pos >= t.size() || t[pos] != reglages.separateur) {
                return std::nullopt;
            }
            ++pos;
        }
        const auto n = LireNombre(t, pos, 4, &chiffres[i]);
        if (!n) {
            return std::nullopt;
        }
        nombres[i] = *n;
    }
    DateHeureLue d;
    d.finDate = pos;
    std::size_t chiffresAnnee = 0;
    switch (reglages.ordre) {
        case ReglagesDate::Ordre::JourMoisAnnee:
            d.jour = nombres[0], d.mois = nombres[1], d.annee = nombres[2];
            chiffresAnnee = chiffres[2];
            break;
        case ReglagesDate::Ordre::MoisJourAnnee:
            d.mois = nombres[0], d.jour = nombres[1], d.annee = nombres[2];
            chiffresAnnee = chiffres[2];
            break;
        case ReglagesDate::Ordre::AnneeMoisJour:
            d.annee = nombres[0], d.mois = nombres[1], d.jour = nombres[2];
            chiffresAnnee = chiffres[0];
            break;
    }
    const std::size_t chiffresJour =
        reglages.ordre == ReglagesDate::Ordre::MoisJourAnnee   ? chiffres[1]
        : reglages.ordre == ReglagesDate::Ordre::JourMoisAnnee ? chiffres[0]
                                                               : chiffres[2];
    const std::size_t chiffresMois =
        reglages.ordre == ReglagesDate::Ordre::MoisJourAnnee ? chiffres[0] : chiffres[1];
    if (chiffresJour > 2 || chiffresMois > 2) {
        return std::nullopt;
    }
    if (chiffresAnnee <= 2) {
        d.annee += d.annee < reglages.pivotDeuxChiffres ? 2000 : 1900;
    }
    if (d.annee < 1 || d.mois < 1 || d.mois > 12 || d.jour < 1 ||
        d.jour > JoursDuMois(d.annee, d.mois)) {
        return std::nullopt;
    }

    std::size_t fin = pos;
    while (fin < t.size() && t[fin] == ' ') {
        ++fin;
    }
    if (fin < t.size() && fin > pos) {
        const auto heure = LireNombre(t, fin, 2);
        if (!heure || fin >= t.size() || t[fin] != ':') {
            return std::nullopt;
        }
        ++fin;
        const auto minute = LireNombre(t, fin, 2);
        if (!minute) {
            return std::nullopt;
        }
        std::optional<int> seconde = 0;
        if (fin < t.size() && t[fin] == ':') {
            ++fin;
            seconde = LireNombre(t, fin, 2);
        }
        if (!seconde || *heure > 23 || *minute > 59 || *seconde > 59) {
            return std::nullopt;
        }
        d.heure = *heure, d.minute = *minute, d.seconde = *seconde;
        while (fin < t.size() && t[fin] == ' ') {
            ++fin;
        }
    }
    if (fin != t.size()) {
        return std::nullopt;
    }
    return d;
}

std::string FormaterDatePourClasseur(std::string_view texte, const ReglagesDate& reglages) {
    const auto d = ConvertirDateHeure(texte, reglages);
    if (!d) {
        return std::string(texte);
    }
    int annee = d->annee;
    if (reglages.formatCourtHuitCaracteres && annee > 2000) {
        annee -= 2000;
    }
    // What follows the date (its time) is kept from where the date ends, so
    // a two-digit year keeps its whole time.
    return DeuxChiffres(d->mois) + "/" + DeuxChiffres(d->jour) + "/" + std::to_string(annee) +
           std::string(texte.substr(d->finDate));
}

std::string TexteCellulePourClasseur(std::string_view t, const ReglagesDate& reglages) {
    const auto nombre = [&](std::size_t a) { return EstChiffre(t[a]) && EstChiffre(t[a + 1]); };
    if (t.size() >= 6 && t[2] == '/' && t[5] == '/' && nombre(0) && nombre(3) &&
        ConvertirDateHeure(t, reglages)) {
        return FormaterDatePourClasseur(t, reglages);
    }
    return std::string(t);
}

}  // namespace velmora
