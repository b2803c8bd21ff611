#include "color/utf8.h"

#include <array>
#include <cstdint>

namespace pixo {
namespace {

// The code points of the Windows-1252 characters 0x80 to 0x9F; 0 where the code page defines none.
constexpr std::array<std::uint16_t, 32> kCp1252High = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                       0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

unsigned Cp1252CodePoint(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0)
        return byte;  // ASCII, and Latin-1 above 0x9F
    const unsigned codePoint = kCp1252High[byte - 0x80u];
    return codePoint != 0 ? codePoint : 0xFFFD;
}

}  // namespace pixo
