#include "raster/bitmap.h"

#include <algorithm>

namespace pixo {

void Bitmap::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
}

void Bitmap::Fill(Color c) {
    std::fill(pixels_.begin(), pixels_.end(), ToPixel(c));
}

}  // namespace pixo
