#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

// A failure of the mode database: connection, statement or result. The
// message carries the engine's own text.
struct ErreurBase : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace velmora
