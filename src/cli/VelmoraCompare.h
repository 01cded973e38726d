#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace velmora {

// Runs velmora-compare with the arguments after the program name and returns
// its exit status: 0 no difference, 1 differences, 2 error.
int ExecuterLigneCommande(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err);

}  // namespace velmora
