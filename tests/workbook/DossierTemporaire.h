#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace velmora::test {

// A fresh folder under /tmp, removed with everything in it.
class DossierTemporaire {
public:
    DossierTemporaire() {
        std::string modele = (std::filesystem::temp_directory_path() / "velmora-XXXXXX").string();
        std::vector<char> nom(modele.begin(), modele.end());
        nom.push_back('\0');
        chemin_ = ::mkdtemp(nom.data());
    }
    ~DossierTemporaire() {
        std::error_code ignore;
        std::filesystem::permissions(chemin_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignore);
        std::filesystem::remove_all(chemin_, ignore);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& chemin() const { return chemin_; }
    std::filesystem::path operator/(const std::string& nom) const { return chemin_ / nom; }

    // The names of the entries, to see that no temporary file stayed behind.
    std::set<std::string> contenu() const {
        std::set<std::string> noms;
        for (const auto& entree : std::filesystem::directory_iterator(chemin_)) {
            noms.insert(entree.path().filename().string());
        }
        return noms;
    }

private:
    std::filesystem::path chemin_;
};

// The bytes of a file; empty when it cannot be read.
inline std::string LireFichier(const std::filesystem::path& chemin) {
    std::string contenu;
    if (std::FILE* f = std::fopen(chemin.c_str(), "rb")) {
        char tampon[4096];
        for (std::size_t n; (n = std::fread(tampon, 1, sizeof tampon, f)) > 0;) {
            contenu.append(tampon, n);
        }
        std::fclose(f);
    }
    return contenu;
}

}  // namespace velmora::test
