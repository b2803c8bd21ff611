#pragma once

#include <optional>

#include "platform/screen_capture.h"

namespace pixo {

// A rectangle of the screen capture: the columns left .. left + width - 1 and the rows top .. top + height - 1.
struct Region {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Region&) const = default;
};

// The part of `region` that lies on a capture of width x height pixels; nothing when no pixel of it does
// (it lies wholly outside, or has no width or height). Any int values are safe: a stored Qframe may hold
// anything.
std::optional<Region> ClipRegion(const Region& region, int width, int height);

// The same for a region in screen coordinates over a capture that lies at `capture` on the screen: the part
// on it, in the capture's own pixels (its top-left pixel is 0, 0).
std::optional<Region> ClipRegion(const Region& region, const ScreenRect& capture);

}  // namespace pixo
