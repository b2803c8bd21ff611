#pragma once

#include <string>
#include <string_view>

namespace pixo {

// The Windows side keeps text as UTF-16 (wchar_t is 16 bits there); the core speaks UTF-8 and, for the
// readouts, Windows-1252. These conversions never fail: malformed input becomes U+FFFD.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// Windows-1252 by a fixed table, not by the system's ANSI code page, so that a readout such as the degree
// sign of HSB (byte 248, "ø") looks the same on every system. The five bytes that 1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same number, as Windows does.
wchar_t Cp1252ToWide(unsigned char byte);
std::wstring Cp1252ToWide(std::string_view cp1252);

// The reverse; characters that 1252 cannot hold become `fallback`.
std::string WideToCp1252(std::wstring_view wide, char fallback = '?');

}  // namespace pixo
