#pragma once

#include <windows.h>

#include "platform/screen_capture.h"
#include "platform/win32/handles.h"

namespace pixo {

// Copies the primary screen through a 32-bit top-down DIB section whose layout is that of `Bitmap`, so a
// grab is one blit and one copy. The section lives only during the grab: the program holds one screen-sized
// copy of the capture, the Bitmap, not two.
class Win32ScreenCapture final : public IScreenCapture {
  public:
    Win32ScreenCapture() = default;

    ScreenSize PrimaryScreenSize() override;
    Failure Grab(Bitmap& into) override;
    bool OnSomeScreen(int left, int top, int width, int height) override;
};

}  // namespace pixo
