#include "compare/ServeurClasseur.h"

namespace velmora {

ClasseurServeur& ServeurClasseur::workbooksOpen(const std::filesystem::path& chemin) {
    classeurs_.push_back(std::make_unique<ClasseurServeur>(chemin));
    return *classeurs_.back();
}

}  // namespace velmora
