#include "capture/region.h"

#include <algorithm>

namespace pixo {

std::optional<Region> ClipRegion(const Region& region, int width, int height) {
    if (region.width <= 0 || region.height <= 0)
        return std::nullopt;
    // In 64 bits, so that left + width cannot overflow.
    const long long left = std::max<long long>(region.left, 0);
    const long long top = std::max<long long>(region.top, 0);
    const long long right = std::min<long long>(static_cast<long long>(region.left) + region.width, width);
    const long long bottom = std::min<long long>(static_cast<long long>(region.top) + region.height, height);
    if (right <= left || bottom <= top)
        return std::nullopt;
    return Region{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                  static_cast<int>(bottom - top)};
}

}  // namespace pixo
