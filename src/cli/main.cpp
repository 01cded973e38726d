#include <iostream>
#include <string>
#include <vector>

#include "cli/VelmoraCompare.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return velmora::ExecuterLigneCommande(arguments, std::cout, std::cerr);
}
