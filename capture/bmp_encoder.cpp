#include "capture/bmp_encoder.h"

#include <bit>
#include <cstddef>
#include <cstring>
#include <limits>

namespace pixo {
namespace {

void Put16(std::uint8_t*& out, std::uint32_t value) {
    *out++ = static_cast<std::uint8_t>(value);
    *out++ = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t*& out, std::uint32_t value) {
    Put16(out, value & 0xFFFFu);
    Put16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap) {
    if (bitmap.Empty())
        return {};
    const auto width = static_cast<std::uint64_t>(bitmap.Width());
    const auto height = static_cast<std::uint64_t>(bitmap.Height());
    const std::uint64_t pixelBytes = width * height * 4;  // rows of 32-bit pixels never need padding
    const std::uint64_t offset = kBmpFileHeaderSize + kBmpInfoHeaderSize;
    if (offset + pixelBytes > std::numeric_limits<std::uint32_t>::max())
        return {};

    std::vector<std::uint8_t> file(static_cast<std::size_t>(offset + pixelBytes));
    std::uint8_t* out = file.data();
    // BITMAPFILEHEADER
    *out++ = 'B';
    *out++ = 'M';
    Put32(out, static_cast<std::uint32_t>(offset + pixelBytes));
    Put32(out, 0);  // two reserved words
    Put32(out, static_cast<std::uint32_t>(offset));
    // BITMAPINFOHEADER: a positive height means bottom-up rows
    Put32(out, kBmpInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    Put32(out, 0);   // BI_RGB: uncompressed
    Put32(out, static_cast<std::uint32_t>(pixelBytes));
    Put32(out, static_cast<std::uint32_t>(kBmpPixelsPerMetre));
    Put32(out, static_cast<std::uint32_t>(kBmpPixelsPerMetre));
    Put32(out, 0);  // colours used: no palette
    Put32(out, 0);  // colours important: all

    // A stored pixel read as a little-endian word is blue, green, red, 0: the file's own byte order.
    static_assert(std::endian::native == std::endian::little);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        const Pixel* row = bitmap.Row(y);
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
            const Pixel opaque = row[x] | 0xFF000000u;
            std::memcpy(out + 4 * x, &opaque, 4);
        }
        out += rowBytes;
    }
    return file;
}

}  // namespace pixo
