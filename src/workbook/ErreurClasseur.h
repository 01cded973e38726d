#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

// A workbook that cannot be read. The message names the file and the problem.
class ErreurClasseur : public std::runtime_error {
public:
    ErreurClasseur(const std::string& fichier, const std::string& probleme)
        : std::runtime_error(fichier + ": " + probleme), fichier_(fichier), probleme_(probleme) {}

    const std::string& fichier() const { return fichier_; }
    const std::string& probleme() const { return probleme_; }

private:
    std::string fichier_;
    std::string probleme_;
};

}  // namespace velmora
