#include "fakes/fake_screen_capture.h"

namespace pixo {

Color FakeScreenCapture::CoordinateColor(int x, int y) {
    return MakeColor(x & 0xFF, y & 0xFF, ((x >> 8) & 0x0F) << 4 | ((y >> 8) & 0x0F));
}

Failure FakeScreenCapture::Grab(Bitmap& into) {
    ++grabCount;
    if (failGrabs || size_.width <= 0 || size_.height <= 0)
        return kGrabFailure;
    if ((into.Width() != size_.width || into.Height() != size_.height) && !into.TryResize(size_.width, size_.height))
        return PlatformError{kOutOfMemoryCode, "Not enough memory resources are available to process this command."};
    for (int y = 0; y < size_.height; ++y) {
        Pixel* row = into.Row(y);
        for (int x = 0; x < size_.width; ++x)
            row[x] = ToPixel(content(x, y));
    }
    return std::nullopt;
}

}  // namespace pixo
