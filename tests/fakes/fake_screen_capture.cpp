#include "fakes/fake_screen_capture.h"

#include <algorithm>
#include <climits>

namespace pixo {
namespace {

ScreenRect Bounds(const MonitorLayout& monitors) {
    if (monitors.empty())
        return {};
    long long left = monitors.front().area.left;
    long long top = monitors.front().area.top;
    long long right = left + monitors.front().area.width;
    long long bottom = top + monitors.front().area.height;
    for (const Monitor& m : monitors) {
        left = std::min<long long>(left, m.area.left);
        top = std::min<long long>(top, m.area.top);
        right = std::max<long long>(right, static_cast<long long>(m.area.left) + m.area.width);
        bottom = std::max<long long>(bottom, static_cast<long long>(m.area.top) + m.area.height);
    }
    if (right - left > INT_MAX || bottom - top > INT_MAX)
        return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
            static_cast<int>(bottom - top)};
}

bool Shown(const MonitorLayout& monitors, int x, int y) {
    return std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& m) {
        return x >= m.area.left && y >= m.area.top && x - m.area.left < m.area.width && y - m.area.top < m.area.height;
    });
}

}  // namespace

Color FakeScreenCapture::CoordinateColor(int x, int y) {
    return MakeColor(x & 0xFF, y & 0xFF, ((x >> 8) & 0x0F) << 4 | ((y >> 8) & 0x0F));
}

Failure FakeScreenCapture::Grab(Bitmap& into, MonitorLayout& layout) {
    ++grabCount;
    const ScreenRect all = Bounds(monitors_);
    if (failGrabs || all.width <= 0 || all.height <= 0)
        return kGrabFailure;
    if ((into.Width() != all.width || into.Height() != all.height) && !into.TryResize(all.width, all.height))
        return PlatformError{kOutOfMemoryCode, "Not enough memory resources are available to process this command."};
    const bool single = monitors_.size() == 1;
    for (int y = 0; y < all.height; ++y) {
        Pixel* row = into.Row(y);
        for (int x = 0; x < all.width; ++x) {
            const int sx = all.left + x;
            const int sy = all.top + y;
            row[x] = ToPixel(single || Shown(monitors_, sx, sy) ? content(sx, sy) : unshown);
        }
    }
    layout = monitors_;
    return std::nullopt;
}

}  // namespace pixo
