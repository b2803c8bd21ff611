#pragma once

#include <cstdint>
#include <vector>

#include "raster/bitmap.h"

namespace pixo {

// The bitmap as a complete BMP file: a BITMAPFILEHEADER, a BITMAPINFOHEADER, then the pixels uncompressed
// at 32 bits (blue, green, red, 0xFF), bottom row first as every BMP reader expects. The fourth byte is
// unused in this format; it is written as 0xFF so that readers that take it as alpha show the picture
// opaque. Empty for an empty bitmap or one too large for the format's 32-bit sizes.
std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap);

// The sizes of the two headers, and the resolution written into them (96 dots per inch).
constexpr std::uint32_t kBmpFileHeaderSize = 14;
constexpr std::uint32_t kBmpInfoHeaderSize = 40;
constexpr std::int32_t kBmpPixelsPerMetre = 3780;

}  // namespace pixo
