#include "compare/ClasseurServeur.h"

#include <stdexcept>
#include <string>

namespace velmora {

ClasseurServeur::ClasseurServeur(std::filesystem::path chemin) : chemin_(std::move(chemin)) {
    classeur_.addSheet("Feuil1");
}

FeuilleServeur ClasseurServeur::worksheets(int index) {
    if (index < 1 || index > classeur_.sheetCount()) {
        throw std::out_of_range(chemin_.string() + ": no worksheet " + std::to_string(index));
    }
    return {classeur_, index - 1};
}

void ClasseurServeur::save() {
    classeur_.save(chemin_);
}

}  // namespace velmora
