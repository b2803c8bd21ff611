#pragma once

#include <cstdint>
#include <vector>

#include "raster/colors.h"

namespace pixo {

// One stored pixel, laid out as a 32-bit top-down DIB pixel: 0x00RRGGBB (blue in the low byte), so the
// Win32 shell can show a bitmap without converting it. The top byte is always 0.
using Pixel = std::uint32_t;

constexpr Pixel ToPixel(Color c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr Color ToColor(Pixel p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

// A top-down 32-bit bitmap. Screen captures, the loupe picture and the lens pictures are all held as one.
class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height) { Resize(width, height); }

    // Gives the bitmap a new size; every pixel becomes black.
    void Resize(int width, int height);
    // Resize for sizes that come from outside (the screen, a stored region): false, with the bitmap left as
    // it was, when the memory for it cannot be had. A screen-sized bitmap is hundreds of megabytes on the
    // largest desktops, and running out of memory must fail one command, not end the program.
    [[nodiscard]] bool TryResize(int width, int height);
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    Pixel* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }
    const Pixel* Row(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    }
    Pixel* Data() { return pixels_.data(); }
    const Pixel* Data() const { return pixels_.data(); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Colour of one pixel (0x00BBGGRR); black outside the bitmap.
    Color GetPixel(int x, int y) const { return Contains(x, y) ? ToColor(Row(y)[x]) : kBlack; }
    void SetPixel(int x, int y, Color c) {
        if (Contains(x, y))
            Row(y)[x] = ToPixel(c);
    }
    void Fill(Color c);

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace pixo
