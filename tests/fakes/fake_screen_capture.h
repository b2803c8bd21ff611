#pragma once

#include <functional>

#include "platform/screen_capture.h"

namespace pixo {

// A screen of any size whose pixels come from `content`. By default every pixel is coded with its own
// coordinates (see CoordinateColor), so a test can tell which screen pixel ended up where.
class FakeScreenCapture final : public IScreenCapture {
  public:
    // What a failed grab reports.
    static inline const PlatformError kGrabFailure{5, "Access is denied."};

    explicit FakeScreenCapture(int width = 1024, int height = 768) : size_{width, height} {}

    ScreenSize PrimaryScreenSize() override { return size_; }
    Failure Grab(Bitmap& into) override;
    // One screen, the primary one.
    bool OnSomeScreen(int left, int top, int width, int height) override {
        return left < size_.width && top < size_.height && left + width > 0 && top + height > 0;
    }

    // The screen changes its resolution; the next grab takes the new size.
    void SetSize(int width, int height) { size_ = {width, height}; }

    // Red = x mod 256, green = y mod 256, blue = x div 256 in the high and y div 256 in the low nibble:
    // unique for screens up to 4096 x 4096.
    static Color CoordinateColor(int x, int y);
    // The coordinates that CoordinateColor coded into `c`.
    static int XOf(Color c) { return RedOf(c) + (BlueOf(c) >> 4) * 256; }
    static int YOf(Color c) { return GreenOf(c) + (BlueOf(c) & 0x0F) * 256; }

    std::function<Color(int x, int y)> content = CoordinateColor;
    bool failGrabs = false;  // Grab then fails with kGrabFailure and leaves the bitmap alone
    int grabCount = 0;       // every call, failed ones included

  private:
    ScreenSize size_;
};

}  // namespace pixo
