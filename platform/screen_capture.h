#pragma once

#include <vector>

#include "platform/error.h"
#include "raster/bitmap.h"

namespace pixo {

// A rectangle of the desktop in screen coordinates: the columns left .. left + width - 1 and the rows
// top .. top + height - 1. The primary monitor's top-left corner is (0, 0); a monitor left of or above it
// has negative coordinates.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// One monitor: where the system places it on the desktop.
struct Monitor {
    ScreenRect area;
    bool primary = false;
    friend bool operator==(const Monitor&, const Monitor&) = default;
};

using MonitorLayout = std::vector<Monitor>;

// The desktop: its monitors and a copy of all their pixels.
class IScreenCapture {
  public:
    virtual ~IScreenCapture() = default;
    // The monitors as the system places them now, the primary one marked; never empty (a system that names
    // none has its primary screen alone).
    virtual MonitorLayout Monitors() = 0;
    // Copies the virtual screen, the smallest rectangle around every monitor, into `into`, resized to that
    // rectangle, and puts the monitors it copied into `layout`: pixel (0, 0) of `into` is the rectangle's
    // top-left corner. What no monitor shows is left as the system gives it. On failure `into` and `layout`
    // are left exactly as they were and the result says why (the system's reason, or that memory ran out).
    virtual Failure Grab(Bitmap& into, MonitorLayout& layout) = 0;
};

}  // namespace pixo
