#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "e2e/test_desktop_layout.h"

namespace pixo::e2e {

// A rectangle of the screen as it was grabbed: pixels 0x00RRGGBB, top-down, and where it lies.
class ScreenPicture {
  public:
    ScreenPicture() = default;
    ScreenPicture(int left, int top, int width, int height)
        : left_(left),
          top_(top),
          width_(width),
          height_(height),
          pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return pixels_.empty(); }

    // A pixel by its position within the picture.
    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
    Rgb& At(int x, int y) { return pixels_[Index(x, y)]; }
    const std::vector<Rgb>& Pixels() const { return pixels_; }

    bool operator==(const ScreenPicture&) const = default;

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

// Copies a rectangle of the screen, as the user sees it, from the screen's device context. An empty picture
// when the copy fails.
ScreenPicture GrabScreen(const RECT& area);

// The pixels of a `width` x `height` bitmap, read as the screen's 32-bit pixels; an empty picture when they
// cannot be read. The bitmap must not be selected into a device context.
ScreenPicture ReadBitmap(HBITMAP bitmap, int width, int height);

// The size of the primary screen.
SIZE PrimaryScreenSize();
// The virtual screen: the smallest rectangle around every monitor.
RECT VirtualScreenRect();
// Each monitor's rectangle and its work area (without a taskbar), the primary one first.
std::vector<RECT> MonitorRects();
std::vector<RECT> WorkAreas();

// Where the scenarios leave their screenshots: PIXO_E2E_SHOTS, else "e2e-shots" in the working folder.
std::wstring ShotFolder();

// Saves the picture as <ShotFolder()>/<name>.png; returns the file's path, empty when it was not written.
std::wstring SaveShot(const ScreenPicture& picture, const std::string& name);

}  // namespace pixo::e2e
