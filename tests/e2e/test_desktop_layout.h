#pragma once

// What the test desktop shows, shared by the desktop program and the scenarios that check the lens against
// it. Colours here are 32-bit DIB pixels, 0x00RRGGBB (blue in the low byte), as the screen grabs read them.

#include <array>
#include <cstdint>
#include <optional>

namespace pixo::e2e {

using Rgb = std::uint32_t;

constexpr Rgb kRgbMask = 0xFFFFFF;

constexpr Rgb MakeRgb(int r, int g, int b) {
    return (static_cast<Rgb>(r & 0xFF) << 16) | (static_cast<Rgb>(g & 0xFF) << 8) | static_cast<Rgb>(b & 0xFF);
}
constexpr int RedOf(Rgb p) {
    return static_cast<int>((p >> 16) & 0xFF);
}
constexpr int GreenOf(Rgb p) {
    return static_cast<int>((p >> 8) & 0xFF);
}
constexpr int BlueOf(Rgb p) {
    return static_cast<int>(p & 0xFF);
}

// Every pixel tells its own screen position: red = x mod 256, green = y mod 256, blue = x div 256 in the
// high and y div 256 in the low nibble, all taken mod 4096 (a monitor left of or above the primary one has
// negative coordinates). Unique on a desktop within -2048 .. 2047 both ways.
constexpr Rgb CoordinateRgb(int x, int y) {
    return MakeRgb(x & 0xFF, y & 0xFF, (((x >> 8) & 0x0F) << 4) | ((y >> 8) & 0x0F));
}

// The desktop has two looks. The second is the first with every bit inverted, so it differs from it in every
// pixel and in every channel, yet still tells each pixel's position.
enum class Variant : int { Plain = 0, Inverted = 1 };

constexpr Rgb VariantXor(Variant v) {
    return v == Variant::Inverted ? kRgbMask : 0u;
}

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// The position a pattern pixel of the given look tells, within -2048 .. 2047. Every value decodes to some
// position, so a caller compares the result with the position it expects.
constexpr Point DecodeRgb(Rgb p, Variant v) {
    const Rgb c = (p ^ VariantXor(v)) & kRgbMask;
    const auto fromTwelveBits = [](int n) { return n >= 2048 ? n - 4096 : n; };
    return {fromTwelveBits(RedOf(c) + (BlueOf(c) >> 4) * 256), fromTwelveBits(GreenOf(c) + (BlueOf(c) & 0x0F) * 256)};
}

// Patches of known colours, the same in both looks, in a row near the bottom of the screen, well away from
// the lens's start position (200, 200) - (400, 400).
constexpr int kPatchSize = 48;

struct Patch {
    int left;
    int top;
    Rgb color;
};

constexpr int kPatchTop = 640;
constexpr std::array<Patch, 8> kPatches{{
    {40, kPatchTop, 0xE5DBCC},   // a Pantone warm grey
    {120, kPatchTop, 0x808080},  // mid grey
    {200, kPatchTop, 0xFF8000},  // orange
    {280, kPatchTop, 0x123456},
    {360, kPatchTop, 0x000000},  // clipped black
    {440, kPatchTop, 0xFFFFFF},  // clipped white
    {520, kPatchTop, 0xC80A5A},
    {600, kPatchTop, 0xFFC61E},
}};

constexpr std::optional<Rgb> PatchAt(int x, int y) {
    for (const Patch& patch : kPatches) {
        if (x >= patch.left && x < patch.left + kPatchSize && y >= patch.top && y < patch.top + kPatchSize)
            return patch.color;
    }
    return std::nullopt;
}

// The colour the test desktop shows at screen pixel (x, y) in the given look.
constexpr Rgb DesktopRgb(int x, int y, Variant v) {
    if (const std::optional<Rgb> patch = PatchAt(x, y))
        return *patch;
    return CoordinateRgb(x, y) ^ VariantXor(v);
}

// The desktop's window, so that the scenarios can find it and tell it which look to show.
constexpr wchar_t kDesktopClass[] = L"PixoTestDesktop";
constexpr wchar_t kDesktopTitle[] = L"Pixoscope test desktop";
// Posted to the desktop window with the wanted look (a Variant) in wParam.
constexpr wchar_t kSetVariantMessage[] = L"PixoTestDesktopSetVariant";

}  // namespace pixo::e2e
