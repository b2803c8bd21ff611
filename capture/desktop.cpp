#include "capture/desktop.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace pixo {
namespace {

// In 64 bits: a rectangle's right or bottom edge may lie past the int range for any int left and width.
std::int64_t RightOf(const ScreenRect& r) {
    return static_cast<std::int64_t>(r.left) + r.width;
}
std::int64_t BottomOf(const ScreenRect& r) {
    return static_cast<std::int64_t>(r.top) + r.height;
}

// The squared distance from a point to the nearest pixel of a rectangle; 0 inside it.
std::int64_t SquaredDistance(const ScreenRect& r, std::int64_t x, std::int64_t y) {
    const std::int64_t dx = x < r.left ? r.left - x : (x >= RightOf(r) ? x - (RightOf(r) - 1) : 0);
    const std::int64_t dy = y < r.top ? r.top - y : (y >= BottomOf(r) ? y - (BottomOf(r) - 1) : 0);
    return dx * dx + dy * dy;
}

bool Empty(const ScreenRect& r) {
    return r.width <= 0 || r.height <= 0;
}

}  // namespace

ScreenRect VirtualScreen(const MonitorLayout& monitors) {
    bool any = false;
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;
    for (const Monitor& m : monitors) {
        if (Empty(m.area))
            continue;
        left = any ? std::min<std::int64_t>(left, m.area.left) : m.area.left;
        top = any ? std::min<std::int64_t>(top, m.area.top) : m.area.top;
        right = any ? std::max(right, RightOf(m.area)) : RightOf(m.area);
        bottom = any ? std::max(bottom, BottomOf(m.area)) : BottomOf(m.area);
        any = true;
    }
    constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();
    if (!any || right - left > kIntMax || bottom - top > kIntMax)
        return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
            static_cast<int>(bottom - top)};
}

void BlackenUnshown(Bitmap& pixels, const MonitorLayout& monitors) {
    const ScreenRect all = VirtualScreen(monitors);
    for (const Monitor& m : monitors) {
        if (m.area == all)
            return;  // one monitor shows all of it, as on a single-monitor desktop
    }
    // Per row, the column spans the monitors show there, in order; the gaps between them are blackened.
    std::vector<std::pair<int, int>> spans;
    spans.reserve(monitors.size());
    for (int y = 0; y < pixels.Height(); ++y) {
        const std::int64_t screenY = static_cast<std::int64_t>(all.top) + y;
        spans.clear();
        for (const Monitor& m : monitors) {
            if (!Empty(m.area) && screenY >= m.area.top && screenY < BottomOf(m.area))
                spans.emplace_back(m.area.left - all.left, m.area.left - all.left + m.area.width);
        }
        std::sort(spans.begin(), spans.end());
        Pixel* row = pixels.Row(y);
        int x = 0;
        for (const auto& [from, to] : spans) {
            std::fill(row + std::min(x, pixels.Width()), row + std::clamp(from, x, pixels.Width()), Pixel{0});
            x = std::max(x, to);
        }
        std::fill(row + std::min(x, pixels.Width()), row + pixels.Width(), Pixel{0});
    }
}

Monitor Desktop::Primary() const {
    for (const Monitor& m : monitors_) {
        if (m.primary)
            return m;
    }
    return monitors_.empty() ? Monitor{} : monitors_.front();
}

Monitor Desktop::HoldingOrNearest(int x, int y) const {
    Monitor nearest = Primary();
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (const Monitor& m : monitors_) {
        if (Empty(m.area))
            continue;
        const std::int64_t distance = SquaredDistance(m.area, x, y);
        if (distance < best) {
            best = distance;
            nearest = m;
        }
    }
    return nearest;
}

WindowPlace Desktop::FromOpenEdges(int left, int top) const {
    const int x = left + kLensSize / 2;
    const int y = top + kLensSize / 2;
    const ScreenRect holding = HoldingOrNearest(x, y).area;
    int edgeLeft = holding.left;
    int edgeTop = holding.top;
    // Follow the monitors that touch the edge found so far and reach the lens centre's row (or column).
    for (bool moved = true; moved;) {
        moved = false;
        for (const Monitor& m : monitors_) {
            const ScreenRect& r = m.area;
            if (Empty(r))
                continue;
            if (std::int64_t{r.left} + r.width == edgeLeft && y >= r.top && y - r.top < r.height) {
                edgeLeft = r.left;
                moved = true;
            }
            if (std::int64_t{r.top} + r.height == edgeTop && x >= r.left && x - r.left < r.width) {
                edgeTop = r.top;
                moved = true;
            }
        }
    }
    return {left - edgeLeft, top - edgeTop};
}

bool Desktop::ShowsLensAt(int left, int top) const {
    return std::any_of(monitors_.begin(), monitors_.end(), [&](const Monitor& m) {
        return !Empty(m.area) && left < RightOf(m.area) && top < BottomOf(m.area) &&
               static_cast<std::int64_t>(left) + kLensSize > m.area.left &&
               static_cast<std::int64_t>(top) + kLensSize > m.area.top;
    });
}

WindowPlace Desktop::FirstRunPlace() const {
    const ScreenRect primary = Primary().area;
    return {primary.left + 200, primary.top + 200};
}

WindowPlace Desktop::ParkedPlace(int left, int top) const {
    const std::int64_t centreX = static_cast<std::int64_t>(left) + kLensSize / 2;
    const std::int64_t centreY = static_cast<std::int64_t>(top) + kLensSize / 2;
    // A lens parked at a monitor's left edge: of the monitors whose edge it is parked at, the nearest.
    const Monitor* parkedAt = nullptr;
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (const Monitor& m : monitors_) {
        if (Empty(m.area) || static_cast<std::int64_t>(m.area.left) - kParkedOutside != left)
            continue;
        const std::int64_t distance = SquaredDistance(m.area, centreX, centreY);
        if (distance < best) {
            best = distance;
            parkedAt = &m;
        }
    }
    const auto middle = [](const ScreenRect& r) { return r.top + r.height / 2 - kLensSize / 2; };
    if (parkedAt != nullptr)
        return {parkedAt->area.left + 1, middle(parkedAt->area)};
    const auto toInt = [](std::int64_t v) {
        return static_cast<int>(
            std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    };
    const Monitor home = HoldingOrNearest(toInt(centreX), toInt(centreY));
    return {home.area.left - kParkedOutside, middle(home.area)};
}

}  // namespace pixo
