#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

#include "compare/TableauFinal.h"

namespace velmora {

// {"columns": C, "rows": R, "cells": [[text, ...], ...],
//  "colours": [[name, ...], ...]}. Bytes that are not valid UTF-8 are written
// as U+FFFD so that the document stays valid JSON.
void EcrireJson(std::ostream& out, const TableauFinal& final);

// The texts, one record a row, quoted where RFC 4180 needs it, CRLF breaks.
void EcrireCsv(std::ostream& out, const TableauFinal& final);

// A self-contained page showing the table with its tints and the legend.
void EcrireHtml(std::ostream& out, const TableauFinal& final);

// Writes a file through `ecrire` into a temporary file beside it, then renames
// it over the target, so that a failure never leaves a truncated file in
// place of a good one. Throws std::runtime_error naming the file.
void EcrireFichierAtomique(const std::filesystem::path& chemin,
                           const std::function<void(std::ostream&)>& ecrire);

}  // namespace velmora
