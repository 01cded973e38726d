#pragma once

#include <filesystem>

#include "compare/TableauFinal.h"

namespace velmora::bench {

// A final table of `colonnes` × `lignes` cells of short texts (half of them
// distinct, half from a vocabulary of 1,000 words, a few dates), with
// `partTeintee` of the cells tinted added, modified or erased. The same
// arguments always give the same table.
TableauFinal TableauFinalDeBanc(int colonnes, int lignes, double partTeintee);

// A 65,536-row × 52-column workbook with 3% of its cells filled, written
// through the export into `dossierCache` on first use and reused after.
// For the reader's benchmarks; returns the file's path.
std::filesystem::path GrandClasseurDeBanc(const std::filesystem::path& dossierCache);

}  // namespace velmora::bench
