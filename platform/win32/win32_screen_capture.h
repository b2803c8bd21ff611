#pragma once

#include <windows.h>

#include "platform/screen_capture.h"
#include "platform/win32/handles.h"

namespace pixo {

// Copies the virtual screen, every monitor at its place, through a 32-bit top-down DIB section whose layout
// is that of `Bitmap`, so a grab is one blit and one copy. The section lives only during the grab: the
// program holds one desktop-sized copy of the capture, the Bitmap, not two.
class Win32ScreenCapture final : public IScreenCapture {
  public:
    Win32ScreenCapture() = default;

    MonitorLayout Monitors() override;
    Failure Grab(Bitmap& into, MonitorLayout& layout) override;
};

}  // namespace pixo
