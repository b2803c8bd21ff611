#pragma once

// The exposure check: a small round indicator left of the lens centre that tells whether the picked pixel
// is clipped (pure black or white), near clipping, or neither. Only that one pixel is looked at.

#include "raster/colors.h"

namespace pixo {

enum class Exposure {
    Clipped,       // R = G = B = 0 or 255
    NearClipping,  // all three channels below 10, or all above 245
    Normal,
};
Exposure ExposureOf(Color picked);

struct ExposureIndicator {
    struct Box {
        int left, top, right, bottom;  // right and bottom exclusive
        bool operator==(const Box&) const = default;
    };
    Color fill;  // red, orange or green
    Box circle;  // a circle of 20 pixels around (shift + 40, 100)
    bool bar;    // a clipped pixel also gets a bar across the circle in its own colour, black or white
    Box barBox;
};
inline constexpr Color kExposureOutline = HexColor(0x808080);

// How far the indicator moves right: 121 when the window's Left is below -30 (its left part lies beyond
// the screen's left edge, where the indicator would show nothing), otherwise 0.
constexpr int ExposureShift(int windowLeft) {
    return windowLeft < -30 ? 121 : 0;
}

ExposureIndicator ExposureIndicatorOf(Color picked, int windowLeft);

}  // namespace pixo
