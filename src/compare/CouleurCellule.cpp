#include "compare/CouleurCellule.h"

namespace velmora {

std::string_view NomCouleur(CouleurCellule couleur) {
    switch (couleur) {
        case CouleurCellule::Ajoutee:
            return "clTeal";
        case CouleurCellule::Modifiee:
            return "clGray";
        case CouleurCellule::Effacee:
            return "clMaroon";
        case CouleurCellule::Inchangee:
            return "$00DBDBDB";
        case CouleurCellule::Aucune:
            break;
    }
    return "";
}

std::optional<std::uint32_t> ValeurCouleur(CouleurCellule couleur) {
    switch (couleur) {
        case CouleurCellule::Ajoutee:
            return 0x808000;
        case CouleurCellule::Modifiee:
            return 0x808080;
        case CouleurCellule::Effacee:
            return 0x000080;
        case CouleurCellule::Inchangee:
            return 0xDBDBDB;
        case CouleurCellule::Aucune:
            break;
    }
    return std::nullopt;
}

std::optional<CouleurCellule> CouleurDepuisNom(std::string_view nom) {
    for (auto c : {CouleurCellule::Aucune, CouleurCellule::Ajoutee, CouleurCellule::Modifiee,
                   CouleurCellule::Effacee, CouleurCellule::Inchangee}) {
        if (NomCouleur(c) == nom) {
            return c;
        }
    }
    return std::nullopt;
}

}  // namespace velmora
