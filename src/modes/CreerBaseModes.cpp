// Build tool: makes the mode database "Comp.qnr" that ships beside the
// program, encrypted, with the table Comparaison and a few starting modes.
//
//   velmora_make_modes_db <file> [--if-missing]
//
// With --if-missing an existing file (holding the user's modes) is left alone.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "modes/CreationBaseModes.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::string(argv[2]) != "--if-missing")) {
        std::cerr << "usage: " << argv[0] << " <Comp.qnr> [--if-missing]\n";
        return 2;
    }
    const std::filesystem::path fichier = argv[1];
    if (argc == 3 && std::filesystem::exists(fichier)) {
        return 0;
    }
    try {
        velmora::CreerBaseModes(fichier, velmora::ModesInitiaux());
    } catch (const std::exception& e) {
        std::cerr << argv[0] << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
