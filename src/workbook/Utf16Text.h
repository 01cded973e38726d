#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// UTF-8 to UTF-16 as the workbook stores its texts. A byte that does not
// start a valid UTF-8 sequence (stray continuation byte, overlong form,
// surrogate, value past U+10FFFF, cut-off sequence) becomes U+FFFD, one unit
// a byte, so any byte string converts.

// The number of UTF-16 units `text` converts to.
std::size_t Utf16Length(std::string_view text);

// The length in bytes of the longest prefix of `text` made of whole
// characters that converts to at most `maxUnits` UTF-16 units. A character
// outside the BMP takes two units and is never cut in half.
std::size_t Utf8PrefixWithinUnits(std::string_view text, std::size_t maxUnits);

std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace velmora
