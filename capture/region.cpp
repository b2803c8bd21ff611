#include "capture/region.h"

#include <algorithm>

namespace pixo {

std::optional<Region> ClipRegion(const Region& region, int width, int height) {
    return ClipRegion(region, ScreenRect{0, 0, width, height});
}

std::optional<Region> ClipRegion(const Region& region, const ScreenRect& capture) {
    if (region.width <= 0 || region.height <= 0 || capture.width <= 0 || capture.height <= 0)
        return std::nullopt;
    // In 64 bits, so that left + width cannot overflow.
    const long long captureRight = static_cast<long long>(capture.left) + capture.width;
    const long long captureBottom = static_cast<long long>(capture.top) + capture.height;
    const long long left = std::max<long long>(region.left, capture.left);
    const long long top = std::max<long long>(region.top, capture.top);
    const long long right = std::min(static_cast<long long>(region.left) + region.width, captureRight);
    const long long bottom = std::min(static_cast<long long>(region.top) + region.height, captureBottom);
    if (right <= left || bottom <= top)
        return std::nullopt;
    return Region{static_cast<int>(left - capture.left), static_cast<int>(top - capture.top),
                  static_cast<int>(right - left), static_cast<int>(bottom - top)};
}

}  // namespace pixo
