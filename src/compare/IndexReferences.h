#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The keys of table 1's rows, for the reference comparison: each distinct
// key remembers the last row that holds it and whether table 2 has it too.
// Open addressing over one array of slots, so a million keys cost a few
// allocations rather than one a key.
class IndexReferences {
public:
    explicit IndexReferences(std::size_t lignes);

    // Records that row `ligne` holds `cle`; a later row replaces an earlier
    // one. Returns the key's entry.
    int inserer(std::string cle, int ligne);
    // The key's entry, or -1.
    int trouver(std::string_view cle) const;

    int ligne(int entree) const { return entrees_[static_cast<std::size_t>(entree)].ligne; }
    bool vue(int entree) const { return entrees_[static_cast<std::size_t>(entree)].vue; }
    void marquerVue(int entree) { entrees_[static_cast<std::size_t>(entree)].vue = true; }

private:
    struct Entree {
        std::string cle;
        int ligne = 0;
        bool vue = false;
    };
    std::size_t emplacement(std::string_view cle, std::size_t empreinte) const;

    std::vector<Entree> entrees_;
    std::vector<std::int32_t> emplacements_;  // entry index + 1; 0 is free
    std::size_t masque_ = 0;
};

}  // namespace velmora
