#include "capture/bmp_encoder.h"

#include <algorithm>
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

// `count` pixels in the file's byte order with the fourth byte 0xFF. A plain counted loop, which compilers
// turn into vector code.
void PutOpaque(std::uint8_t* out, const Pixel* pixels, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const Pixel opaque = pixels[i] | 0xFF000000u;
        std::memcpy(out + 4 * i, &opaque, 4);
    }
}

}  // namespace

BmpPieces::BmpPieces(const Bitmap& bitmap) : bitmap_(bitmap) {
    if (bitmap.Empty())
        return;
    const auto width = static_cast<std::uint64_t>(bitmap.Width());
    const auto height = static_cast<std::uint64_t>(bitmap.Height());
    const std::uint64_t pixelBytes = width * height * 4;  // rows of 32-bit pixels never need padding
    if (kHeaderSize + pixelBytes > std::numeric_limits<std::uint32_t>::max())
        return;
    size_ = kHeaderSize + pixelBytes;

    std::uint8_t* out = header_.data();
    // BITMAPFILEHEADER
    *out++ = 'B';
    *out++ = 'M';
    Put32(out, static_cast<std::uint32_t>(size_));
    Put32(out, 0);  // two reserved words
    Put32(out, kHeaderSize);
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
}

void BmpPieces::Fill(std::span<std::uint8_t> piece) {
    if (piece.size() > size_ - at_) {  // past the end: nothing there to read
        std::memset(piece.data(), 0, piece.size());
        piece = piece.first(static_cast<std::size_t>(size_ - at_));
    }
    if (at_ < kHeaderSize && !piece.empty()) {
        const auto part = static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), kHeaderSize - at_));
        std::memcpy(piece.data(), header_.data() + at_, part);
        at_ += part;
        piece = piece.subspan(part);
    }
    // A stored pixel read as a little-endian word is blue, green, red, 0: the file's own byte order.
    static_assert(std::endian::native == std::endian::little);
    const std::size_t rowBytes = static_cast<std::size_t>(bitmap_.Width()) * 4;
    while (!piece.empty()) {
        const std::uint64_t offset = at_ - kHeaderSize;
        const Pixel* row = bitmap_.Row(bitmap_.Height() - 1 - static_cast<int>(offset / rowBytes));
        const auto inRow = static_cast<std::size_t>(offset % rowBytes);
        const std::size_t part = std::min(piece.size(), rowBytes - inRow);
        std::uint8_t* out = piece.data();
        std::size_t x = inRow / 4;
        std::size_t done = 0;
        if (const std::size_t begun = inRow % 4; begun != 0) {  // the rest of a pixel the last piece began
            const Pixel opaque = row[x++] | 0xFF000000u;
            done = std::min(4 - begun, part);
            std::memcpy(out, reinterpret_cast<const std::uint8_t*>(&opaque) + begun, done);
        }
        const std::size_t whole = (part - done) / 4;
        PutOpaque(out + done, row + x, whole);
        done += whole * 4;
        x += whole;
        if (done < part) {  // the start of a pixel the next piece ends
            const Pixel opaque = row[x] | 0xFF000000u;
            std::memcpy(out + done, &opaque, part - done);
        }
        at_ += part;
        piece = piece.subspan(part);
    }
}

std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap) {
    BmpPieces pieces(bitmap);
    std::vector<std::uint8_t> file(static_cast<std::size_t>(pieces.Size()));
    pieces.Fill(file);
    return file;
}

}  // namespace pixo
