#include "workbook/TextDecoder.h"

#include <glib.h>

#include <cerrno>
#include <string>

namespace velmora {

namespace {

void appendCodePoint(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

const char* charsetName(int codePage) {
    switch (codePage) {
        case 367:
        case 1252:
        case 32769:
            return nullptr;  // handled as Windows-1252
        case 437:
            return "CP437";
        case 850:
            return "CP850";
        case 874:
            return "CP874";
        case 932:
            return "CP932";
        case 936:
            return "CP936";
        case 949:
            return "CP949";
        case 950:
            return "CP950";
        case 1250:
            return "CP1250";
        case 1251:
            return "CP1251";
        case 1253:
            return "CP1253";
        case 1254:
            return "CP1254";
        case 1255:
            return "CP1255";
        case 1256:
            return "CP1256";
        case 1257:
            return "CP1257";
        case 1258:
            return "CP1258";
        case 1361:
            return "JOHAB";
        case 10000:
        case 32768:
            return "MACINTOSH";
        case 10006:
            return "MACGREEK";
        case 10007:
            return "MAC-CYRILLIC";
        case 10029:
            return "MAC-CENTRALEUROPE";
        case 10079:
            return "MAC-IS";
        case 10081:
            return "MACTURKISH";
        default:
            return nullptr;
    }
}

}  // namespace

TextDecoder::~TextDecoder() {
    if (iconv_ != nullptr) {
        g_iconv_close(static_cast<GIConv>(iconv_));
    }
}

void TextDecoder::setCodePage(int codePage) {
    if (iconv_ != nullptr) {
        g_iconv_close(static_cast<GIConv>(iconv_));
        iconv_ = nullptr;
    }
    utf16_ = codePage == 1200;
    const char* name = charsetName(codePage);
    if (name == nullptr) {
        name = "CP1252";
    }
    GIConv cd = g_iconv_open("UTF-8", name);
    if (cd != reinterpret_cast<GIConv>(-1)) {
        iconv_ = cd;
    }
}

void TextDecoder::appendLatin1(std::string& out, const std::uint8_t* bytes, std::size_t count) {
    out.reserve(out.size() + count);
    for (std::size_t i = 0; i < count; ++i) {
        appendCodePoint(out, bytes[i]);
    }
}

void TextDecoder::appendUtf16(std::string& out, const std::uint8_t* bytes, std::size_t units) {
    out.reserve(out.size() + units);
    for (std::size_t i = 0; i < units; ++i) {
        std::uint32_t u = bytes[2 * i] | (std::uint32_t{bytes[2 * i + 1]} << 8);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const std::uint32_t low = bytes[2 * i + 2] | (std::uint32_t{bytes[2 * i + 3]} << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendCodePoint(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) {
            u = 0xFFFD;
        }
        appendCodePoint(out, u);
    }
}

void TextDecoder::appendCodePage(std::string& out, const std::uint8_t* bytes, std::size_t count) {
    if (utf16_) {
        appendUtf16(out, bytes, count / 2);
        return;
    }
    bool ascii = true;
    for (std::size_t i = 0; i < count && ascii; ++i) {
        ascii = bytes[i] < 0x80;
    }
    if (ascii || iconv_ == nullptr) {
        appendLatin1(out, bytes, count);
        return;
    }
    auto cd = static_cast<GIConv>(iconv_);
    g_iconv(cd, nullptr, nullptr, nullptr, nullptr);
    gchar* in = reinterpret_cast<gchar*>(const_cast<std::uint8_t*>(bytes));
    gsize inLeft = count;
    std::string buffer(count * 4 + 16, '\0');
    while (inLeft > 0) {
        gchar* outPtr = buffer.data();
        gsize outLeft = buffer.size();
        const gsize done = g_iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (done == static_cast<gsize>(-1)) {
            if (errno == E2BIG) {
                continue;
            }
            // An invalid or incomplete sequence: show one replacement, go on.
            appendCodePoint(out, 0xFFFD);
            ++in;
            --inLeft;
            g_iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
}

}  // namespace velmora
