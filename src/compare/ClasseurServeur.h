#pragma once

#include <filesystem>

#include "compare/FeuilleServeur.h"
#include "workbook/ClasseurEcriture.h"

namespace velmora {

// A workbook opened by the write-side workbook server. It starts as a new
// workbook of one worksheet: the server never reads the file it opens, and
// Save replaces that file as a whole (written beside it, then renamed).
class ClasseurServeur {
public:
    explicit ClasseurServeur(std::filesystem::path chemin);

    const std::filesystem::path& fullName() const { return chemin_; }
    int worksheetCount() const { return classeur_.sheetCount(); }
    // WorkSheets(index), 1-based. Throws std::out_of_range.
    FeuilleServeur worksheets(int index);
    // Throws std::runtime_error naming the file; the file is then untouched.
    void save();
    // What the last save had to cut (texts past the cell limit).
    const ClasseurEcriture& contenu() const { return classeur_; }

private:
    std::filesystem::path chemin_;
    ClasseurEcriture classeur_;
};

}  // namespace velmora
