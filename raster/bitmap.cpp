#include "raster/bitmap.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

namespace pixo {

void Bitmap::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
}

bool Bitmap::TryResize(int width, int height) {
    const int w = std::max(width, 0);
    const int h = std::max(height, 0);
    const auto count = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    if (w != 0 && count / static_cast<std::size_t>(w) != static_cast<std::size_t>(h))
        return false;
    try {
        // Allocated before the old pixels go, so that a failure leaves the bitmap whole.
        std::vector<Pixel> pixels(count, 0);
        pixels_ = std::move(pixels);
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    width_ = w;
    height_ = h;
    return true;
}

void Bitmap::Fill(Color c) {
    std::fill(pixels_.begin(), pixels_.end(), ToPixel(c));
}

}  // namespace pixo
