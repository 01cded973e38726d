#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmora {

// Turns the byte strings of a workbook into UTF-8: 8-bit texts through the
// workbook's code page (BIFF5) or as Latin-1 (BIFF8 compressed texts), and
// UTF-16LE texts. Undecodable bytes and lone surrogates become U+FFFD.
class TextDecoder {
public:
    TextDecoder() = default;
    ~TextDecoder();
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    // Code page of the CODEPAGE record; unknown ones fall back to Windows-1252.
    void setCodePage(int codePage);

    static void appendLatin1(std::string& out, const std::uint8_t* bytes, std::size_t count);
    static void appendUtf16(std::string& out, const std::uint8_t* bytes, std::size_t units);
    void appendCodePage(std::string& out, const std::uint8_t* bytes, std::size_t count);

private:
    void* iconv_ = nullptr;  // GIConv; null for Latin-1 and plain ASCII input
    bool utf16_ = false;
};

}  // namespace velmora
