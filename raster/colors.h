#pragma once

#include <cstdint>

namespace pixo {

// A colour as the platform's colour values lay it out: 0x00BBGGRR, red in the low byte.
using Color = std::uint32_t;

constexpr Color MakeColor(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
// Reads a colour written #RRGGBB, e.g. HexColor(0x1C2630).
constexpr Color HexColor(std::uint32_t rrggbb) {
    return MakeColor(static_cast<int>(rrggbb >> 16), static_cast<int>(rrggbb >> 8), static_cast<int>(rrggbb));
}
constexpr int RedOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlack = 0x000000;

}  // namespace pixo
