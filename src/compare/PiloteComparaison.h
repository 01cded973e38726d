#pragma once

#include <stdexcept>

#include "compare/BarreProgression.h"
#include "compare/Table.h"
#include "compare/TableauFinal.h"
#include "modes/ModeComparaison.h"

namespace velmora {

// Thrown from the progress callback to abandon a comparison (the window that
// shows it is closing). Unlike every other error it is not dropped.
class ComparaisonInterrompue : public std::exception {
public:
    const char* what() const noexcept override { return "comparison interrupted"; }
};

// Runs one comparison under `mode` the way the final-table window does: sets
// the bar's maximum to both grids' row counts, runs the comparison the mode's
// EntreeTableau names, then the filter its SortieTableau names. An error
// inside the comparison or the filter ends that step and is dropped: the
// final table keeps what was written. Returns false when such an error
// occurred.
bool ExecuterComparaison(const ModeComparaison& mode, const TableSource& grille1,
                         const TableSource& grille2, int typeTri, bool afficheSupprime,
                         TableauFinal& final, BarreProgression& barre);

// Applies the filter that SortieTableau names (compared exactly); "Complet"
// and any other word keep the whole table.
void AppliquerFiltre(const std::string& SortieTableau, TableauFinal& final);

}  // namespace velmora
