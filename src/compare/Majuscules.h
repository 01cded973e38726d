#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Upper-cases UTF-8 text for comparing keys without regard to letter case:
// ASCII, the accented letters of Western and Central European languages
// (é → É, ÿ → Ÿ, œ → Œ, ł → Ł ...), Greek and Cyrillic. Letters without a
// single-character capital (ß) and bytes that are not valid UTF-8 are kept
// as they are, so the result is never shorter in information than the input.
std::string Majuscules(std::string_view texte);

}  // namespace velmora
