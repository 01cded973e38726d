#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "modes/ModeComparaison.h"

namespace velmora {

// A mode to put into a new database: the title goes through the INSERT as the
// options dialog's save-as would put it.
struct ModeInitial {
    std::string Intitule;
    ModeComparaison Mode;
};

// The modes a new "Comp.qnr" starts with.
std::vector<ModeInitial> ModesInitiaux();

// Makes a new encrypted mode database at `fichier` with the table Comparaison
// holding `modes`. Built under a temporary name beside `fichier` and renamed
// into place, so an interruption leaves no half-made database; an existing
// file is replaced. Throws ErreurBase naming the file.
void CreerBaseModes(const std::filesystem::path& fichier, const std::vector<ModeInitial>& modes);

}  // namespace velmora
