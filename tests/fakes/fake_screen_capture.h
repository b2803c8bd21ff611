#pragma once

#include <functional>

#include "platform/screen_capture.h"

namespace pixo {

// A desktop of one monitor of any size, or of any monitors, whose pixels come from `content`. By default
// every pixel is coded with its own coordinates (see CoordinateColor), so a test can tell which screen pixel
// ended up where.
class FakeScreenCapture final : public IScreenCapture {
  public:
    // What a failed grab reports.
    static inline const PlatformError kGrabFailure{5, "Access is denied."};

    explicit FakeScreenCapture(int width = 1024, int height = 768) { SetSize(width, height); }

    MonitorLayout Monitors() override { return monitors_; }
    // Copies the virtual screen. Where no monitor shows anything it gives `unshown`, as a system may give
    // anything there.
    Failure Grab(Bitmap& into, MonitorLayout& layout) override;

    // The desktop becomes one primary monitor of this size (the screen changes its resolution); the next
    // grab takes the new size.
    void SetSize(int width, int height) { monitors_ = {{{0, 0, width, height}, true}}; }
    // The desktop becomes these monitors.
    void SetMonitors(MonitorLayout monitors) { monitors_ = std::move(monitors); }

    // Red = x mod 256, green = y mod 256, blue = x div 256 in the high and y div 256 in the low nibble
    // (negative coordinates taken mod 4096): unique on desktops up to 4096 x 4096.
    static Color CoordinateColor(int x, int y);
    // The coordinates that CoordinateColor coded into `c`.
    static int XOf(Color c) { return RedOf(c) + (BlueOf(c) >> 4) * 256; }
    static int YOf(Color c) { return GreenOf(c) + (BlueOf(c) & 0x0F) * 256; }

    // The colour of screen pixel (x, y).
    std::function<Color(int x, int y)> content = CoordinateColor;
    Color unshown = HexColor(0x5A5A5A);
    bool failGrabs = false;  // Grab then fails with kGrabFailure and leaves the bitmap alone
    int grabCount = 0;       // every call, failed ones included

  private:
    MonitorLayout monitors_;
};

}  // namespace pixo
