#pragma once

#include <array>
#include <cstdint>
#include <span>
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

// The same file as EncodeBmp's, made a piece at a time for a piecewise write (IFiles::WritePieces): a save
// never holds a second copy of a full-screen capture. The bitmap must outlive it and stay unchanged.
class BmpPieces {
  public:
    explicit BmpPieces(const Bitmap& bitmap);
    // The file's size; 0 for an empty bitmap or one too large for the format.
    std::uint64_t Size() const { return size_; }
    // The next piece.size() bytes of the file; pieces may end anywhere, inside a pixel or a header.
    void Fill(std::span<std::uint8_t> piece);

  private:
    static constexpr std::uint32_t kHeaderSize = kBmpFileHeaderSize + kBmpInfoHeaderSize;

    const Bitmap& bitmap_;
    std::uint64_t size_ = 0;
    std::uint64_t at_ = 0;
    std::array<std::uint8_t, kHeaderSize> header_{};
};

}  // namespace pixo
