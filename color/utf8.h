#pragma once

#include <string_view>

namespace pixo {

// The code point of a Windows-1252 byte; U+FFFD for the five bytes the code page leaves undefined.
unsigned Cp1252CodePoint(unsigned char byte);

// Appends one code point (below U+10000) in UTF-8 to `out`, a std::string or a ShortString: anything that
// takes `+= char`.
template <class Out>
void AppendUtf8(Out& out, unsigned codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Appends Windows-1252 text in UTF-8.
template <class Out>
void AppendCp1252AsUtf8(Out& out, std::string_view text) {
    for (const char c : text)
        AppendUtf8(out, Cp1252CodePoint(static_cast<unsigned char>(c)));
}

}  // namespace pixo
