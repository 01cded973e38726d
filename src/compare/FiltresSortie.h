#pragma once

#include "compare/TableauFinal.h"

namespace velmora {

// The output filters: each keeps whole rows of the final table by looking
// only at their verdicts, and never changes a kept row.

// Rows with at least one verdict other than unchanged (an empty one counts).
void SortirLignesModifiees(TableauFinal& final);
// Rows whose every cell is added.
void SortirLignesAjoutees(TableauFinal& final);
// Rows whose every cell is unchanged.
void SortirLignesInchangees(TableauFinal& final);
// Rows with at least one unchanged cell.
void SortirDoublonsReferences(TableauFinal& final);

}  // namespace velmora
