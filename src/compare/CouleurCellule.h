#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

// The verdict of one cell of the final table. Stored as one byte a cell; the
// names are the texts that the filters and the export reason about.
enum class CouleurCellule : std::uint8_t {
    Aucune,     // ""          no verdict: drawn as a plain cell
    Ajoutee,    // "clTeal"    added
    Modifiee,   // "clGray"    modified
    Effacee,    // "clMaroon"  erased
    Inchangee,  // "$00DBDBDB" unchanged, and row numbers of rows from table 2
};

// "clTeal", "clGray", "clMaroon", "$00DBDBDB" or "".
std::string_view NomCouleur(CouleurCellule couleur);

// The colour as a 0xBBGGRR value; nothing for Aucune.
std::optional<std::uint32_t> ValeurCouleur(CouleurCellule couleur);

// The inverse of NomCouleur; nothing for a name outside the five.
std::optional<CouleurCellule> CouleurDepuisNom(std::string_view nom);

}  // namespace velmora
