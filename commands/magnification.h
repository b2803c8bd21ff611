#pragma once

#include "commands/menu_ids.h"

namespace pixo {

// One step of magnification: everything the lens derives from `Factor`.
struct Magnification {
    int factor;       // 0 = 1:1, 1 = 2x, 2 = 3x, 3 = 4x
    int zoomstep;     // the view's source square lies this far right of and below the window's top-left corner
    int stretchSize;  // the source square's side, stretched over the 200-pixel view
    int viewSpan;     // screen pixels across the view: the upper bound of the ruler and caliper factors
    const char* zoomText;
    MenuId item;
};

inline constexpr Magnification kMagnifications[] = {
    {.factor = 0, .zoomstep = 0, .stretchSize = 200, .viewSpan = 200, .zoomText = "1:1", .item = MenuId::magnify_1x},
    {.factor = 1, .zoomstep = 50, .stretchSize = 100, .viewSpan = 100, .zoomText = "2x", .item = MenuId::magnify_2x},
    {.factor = 2, .zoomstep = 66, .stretchSize = 66, .viewSpan = 67, .zoomText = "3x", .item = MenuId::magnify_3x},
    {.factor = 3, .zoomstep = 75, .stretchSize = 50, .viewSpan = 50, .zoomText = "4x", .item = MenuId::magnify_4x},
};

// The step of a factor, or null for a factor outside 0..3 (a stored value can be anything).
constexpr const Magnification* MagnificationOf(int factor) {
    return factor >= 0 && factor <= 3 ? &kMagnifications[factor] : nullptr;
}

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The screen pixel that the view shows at the crosshair's centre, lens pixel (100, 100), for a lens whose
// top-left corner is at (left, top): the pixel the colour picker reads and the XY readout names. At 1:1, 2x
// and 4x it is (left + 100, top + 100); at 3x, where 66 source pixels are stretched over 200, it is the one
// the stretch places at 100. A factor outside 0..3 gives the centre.
ScreenPoint CrosshairPixel(int left, int top, int factor);

// Screen pixels across the view, 0 for a factor outside 0..3.
constexpr int ViewSpanOf(int factor) {
    const Magnification* m = MagnificationOf(factor);
    return m != nullptr ? m->viewSpan : 0;
}

}  // namespace pixo
