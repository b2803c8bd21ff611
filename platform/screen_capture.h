#pragma once

#include "platform/error.h"
#include "raster/bitmap.h"

namespace pixo {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The primary screen: its size and a copy of its pixels.
class IScreenCapture {
  public:
    virtual ~IScreenCapture() = default;
    virtual ScreenSize PrimaryScreenSize() = 0;
    // Copies the whole primary screen into `into`, resizing it to the screen. On failure `into` is left
    // exactly as it was and the result says why (the system's reason, or that memory ran out).
    virtual Failure Grab(Bitmap& into) = 0;
    // Whether any part of the rectangle lies on a screen (any monitor, not only the primary one).
    virtual bool OnSomeScreen(int left, int top, int width, int height) = 0;
};

}  // namespace pixo
