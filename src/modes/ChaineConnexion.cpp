#include "modes/ChaineConnexion.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "modes/ErreurBase.h"

namespace velmora {

namespace {

std::string Minuscules(std::string_view texte) {
    std::string resultat(texte);
    std::transform(resultat.begin(), resultat.end(), resultat.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return resultat;
}

std::string SansBlancs(std::string_view texte) {
    auto blanc = [](char c) { return c == ' ' || c == '\t'; };
    while (!texte.empty() && blanc(texte.front())) {
        texte.remove_prefix(1);
    }
    while (!texte.empty() && blanc(texte.back())) {
        texte.remove_suffix(1);
    }
    return std::string(texte);
}

// Splits on ';' outside of double quotes; a quoted value may hold ';', and
// two double quotes inside stand for one.
std::vector<std::string> Morceaux(const std::string& texte) {
    std::vector<std::string> morceaux(1);
    bool entreGuillemets = false;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        char c = texte[i];
        if (c == '"') {
            if (entreGuillemets && i + 1 < texte.size() && texte[i + 1] == '"') {
                morceaux.back() += '"';
                ++i;
            } else {
                entreGuillemets = !entreGuillemets;
            }
        } else if (c == ';' && !entreGuillemets) {
            morceaux.emplace_back();
        } else {
            morceaux.back() += c;
        }
    }
    return morceaux;
}

}  // namespace

ChaineConnexion ChaineConnexion::Analyser(const std::string& texte) {
    ChaineConnexion chaine;
    for (const std::string& morceau : Morceaux(texte)) {
        std::size_t egal = morceau.find('=');
        if (egal == std::string::npos) {
            continue;
        }
        std::string cle = Minuscules(SansBlancs(std::string_view(morceau).substr(0, egal)));
        std::string valeur = SansBlancs(std::string_view(morceau).substr(egal + 1));
        if (cle == "data source") {
            chaine.Fichier = valeur;
        } else if (cle == "mode") {
            std::string mode = Minuscules(valeur);
            bool refuseLecture = mode.find("share deny read") != std::string::npos;
            bool refuseEcriture = mode.find("share deny write") != std::string::npos;
            chaine.Exclusif = (refuseLecture && refuseEcriture) ||
                              mode.find("share exclusive") != std::string::npos;
        } else if (cle == "jet oledb:database password") {
            // The password is taken as written, blanks included.
            chaine.MotDePasse = morceau.substr(egal + 1);
        }
    }
    if (chaine.Fichier.empty()) {
        // The text holds the password: it is not repeated in the message.
        throw ErreurBase("Chaîne de connexion sans fichier (Data Source)");
    }
    return chaine;
}

}  // namespace velmora
