#pragma once

#include <string_view>

namespace velmora {

// Whether two names are equal without regard to the case of ASCII letters;
// other bytes compare exactly. Section, key and column names are matched
// this way.
inline bool MemeNom(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    auto bas = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (bas(a[i]) != bas(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace velmora
