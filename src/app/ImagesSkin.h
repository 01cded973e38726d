#pragma once

#include <cstddef>
#include <span>

namespace velmora {

// One JPEG picture of the window skin, compiled into the program by the
// picture generator of the build.
struct ImageEmbarquee {
    const char* nom;
    const unsigned char* octets;
    std::size_t taille;
};

std::span<const ImageEmbarquee> ImagesEmbarquees();

}  // namespace velmora
