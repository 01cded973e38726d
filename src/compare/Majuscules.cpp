#include "compare/Majuscules.h"

namespace velmora {
namespace {

char32_t MajusculeDe(char32_t c) {
    if (c >= U'a' && c <= U'z') {
        return c - 0x20;
    }
    if (c < 0xE0) {
        return c;
    }
    // Latin-1: à..þ except ÷; ÿ has its capital in Latin Extended-A.
    if (c <= 0xFE) {
        return c == 0xF7 ? c : c - 0x20;
    }
    if (c == 0xFF) {
        return 0x178;
    }
    // Latin Extended-A: capital and small letters alternate, but for the
    // dotless i, whose capital is the plain I.
    if (c == 0x131) {
        return U'I';
    }
    if (c >= 0x100 && c <= 0x137) {
        return (c % 2 == 1) ? c - 1 : c;
    }
    if (c >= 0x139 && c <= 0x148) {
        return (c % 2 == 0) ? c - 1 : c;
    }
    if (c >= 0x14A && c <= 0x177) {
        return (c % 2 == 1) ? c - 1 : c;
    }
    if (c == 0x17A || c == 0x17C || c == 0x17E) {
        return c - 1;
    }
    // Greek: final sigma, then α..ω, then the accented forms.
    if (c == 0x3C2) {
        return 0x3A3;
    }
    if (c >= 0x3B1 && c <= 0x3CB) {
        return c - 0x20;
    }
    if (c == 0x3AC) {
        return 0x386;
    }
    if (c >= 0x3AD && c <= 0x3AF) {
        return c - 0x25;
    }
    if (c == 0x3CC) {
        return 0x38C;
    }
    if (c == 0x3CD || c == 0x3CE) {
        return c - 0x3F;
    }
    // Cyrillic: а..я, then ѐ..џ.
    if (c >= 0x430 && c <= 0x44F) {
        return c - 0x20;
    }
    if (c >= 0x450 && c <= 0x45F) {
        return c - 0x50;
    }
    return c;
}

void AjouterUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

std::string Majuscules(std::string_view texte) {
    std::string out;
    out.reserve(texte.size());
    std::size_t i = 0;
    while (i < texte.size()) {
        const auto b = static_cast<unsigned char>(texte[i]);
        if (b < 0x80) {
            out.push_back(b >= 'a' && b <= 'z' ? static_cast<char>(b - 0x20)
                                               : static_cast<char>(b));
            ++i;
            continue;
        }
        // Decode one two- or three-byte sequence; everything else is copied.
        std::size_t len = 0;
        char32_t c = 0;
        if ((b & 0xE0) == 0xC0 && b >= 0xC2) {
            len = 2;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3;
            c = b & 0x0F;
        }
        bool valide = len != 0 && i + len <= texte.size();
        for (std::size_t k = 1; valide && k < len; ++k) {
            const auto cont = static_cast<unsigned char>(texte[i + k]);
            valide = (cont & 0xC0) == 0x80;
            c = (c << 6) | (cont & 0x3F);
        }
        if (!valide || (len == 3 && c < 0x800)) {
            out.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        const char32_t maj = MajusculeDe(c);
        if (maj == c) {
            out.append(texte.substr(i, len));
        } else {
            AjouterUtf8(out, maj);
        }
        i += len;
    }
    return out;
}

}  // namespace velmora
