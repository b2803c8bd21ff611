#pragma once

#include <windows.h>

#include "platform/screen_capture.h"
#include "platform/win32/handles.h"

namespace pixo {

// Copies the primary screen through a 32-bit top-down DIB section whose layout is that of `Bitmap`, so a
// grab is one blit and one copy. The section is kept between grabs and made anew when the screen's size
// changes.
class Win32ScreenCapture final : public IScreenCapture {
  public:
    Win32ScreenCapture() = default;

    ScreenSize PrimaryScreenSize() override;
    bool Grab(Bitmap& into) override;
    bool OnSomeScreen(int left, int top, int width, int height) override;

  private:
    bool EnsureSection(HDC screenDc, ScreenSize size);

    GdiBitmap section_;
    void* bits_ = nullptr;
    ScreenSize sectionSize_;
};

}  // namespace pixo
