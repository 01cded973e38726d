#include "workbook/Utf16Text.h"

#include <cstdint>

namespace velmora {
namespace {

// Decodes the character starting at text[pos]. Returns its code point
// (U+FFFD for an invalid byte) and sets `length` to the bytes consumed.
char32_t Decode(std::string_view text, std::size_t pos, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t b0 = byte(pos);
    length = 1;
    if (b0 < 0x80) {
        return b0;
    }
    std::size_t need = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        need = 1;
        value = b0 & 0x1Fu;
        minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        need = 2;
        value = b0 & 0x0Fu;
        minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        need = 3;
        value = b0 & 0x07u;
        minimum = 0x10000;
    } else {
        return 0xFFFD;
    }
    if (pos + need >= text.size()) {
        return 0xFFFD;
    }
    for (std::size_t i = 1; i <= need; ++i) {
        const std::uint8_t b = byte(pos + i);
        if ((b & 0xC0u) != 0x80u) {
            return 0xFFFD;
        }
        value = (value << 6) | (b & 0x3Fu);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0xFFFD;
    }
    length = need + 1;
    return value;
}

}  // namespace

std::size_t Utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = 0;
        units += Decode(text, pos, length) > 0xFFFF ? 2 : 1;
        pos += length;
    }
    return units;
}

std::size_t Utf8PrefixWithinUnits(std::string_view text, std::size_t maxUnits) {
    std::size_t units = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t length = 0;
        const std::size_t width = Decode(text, pos, length) > 0xFFFF ? 2 : 1;
        if (units + width > maxUnits) {
            break;
        }
        units += width;
        pos += length;
    }
    return pos;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = 0;
        const char32_t c = Decode(text, pos, length);
        if (c > 0xFFFF) {
            const char32_t v = c - 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
        pos += length;
    }
    return out;
}

}  // namespace velmora
