// PNG files made by the system's imaging component, read back by it as viewers read them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/win32_picture_encoder.h"
#include "win32/wic_reader.h"

namespace pixo {
namespace {

std::uint32_t BigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return (static_cast<std::uint32_t>(bytes[at]) << 24) | (static_cast<std::uint32_t>(bytes[at + 1]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 8) | bytes[at + 3];
}

// A different colour in nearly every pixel, of a size that ends in a part strip of rows.
Bitmap TestPicture(int width, int height) {
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, MakeColor(x * 7 + y, y * 11, (x ^ y) * 3));
    }
    return picture;
}

TEST(PictureEncoder, APngIsTheCapturesPixelsAt24BitsWithNoColourChunk) {
    const Bitmap picture = TestPicture(301, 133);
    std::vector<std::uint8_t> png;
    // On a thread that has not started COM: the encoder starts it for the call.
    ASSERT_EQ(Win32PictureEncoder().EncodePng(picture, png), std::nullopt);

    const ComThread com;
    const std::optional<DecodedPicture> decoded = ReadWithWic(png);
    ASSERT_TRUE(decoded.has_value()) << "the imaging component cannot read it back";
    ASSERT_EQ(decoded->width, 301u);
    ASSERT_EQ(decoded->height, 133u);
    for (int y = 0; y < 133; ++y) {
        for (int x = 0; x < 301; ++x)
            ASSERT_EQ(decoded->pixels[static_cast<std::size_t>(y * 301 + x)], picture.Row(y)[x] | 0xFF000000u)
                << x << "," << y;
    }

    ASSERT_GT(png.size(), 8u + 25u);
    EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    std::vector<std::string> chunks;
    for (std::size_t at = 8; at + 12 <= png.size(); at += 12 + BigEndian(png, at))
        chunks.emplace_back(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                            png.begin() + static_cast<std::ptrdiff_t>(at + 8));
    ASSERT_FALSE(chunks.empty());
    EXPECT_EQ(chunks.front(), "IHDR");
    EXPECT_EQ(chunks.back(), "IEND");
    EXPECT_EQ(png[8 + 8 + 8], 8) << "bits per sample";
    EXPECT_EQ(png[8 + 8 + 9], 2) << "colour type: RGB without alpha";
    EXPECT_EQ(png[8 + 8 + 12], 0) << "not interlaced";
    // Chunks that tell a viewer to show the colours otherwise than as they are (a gamma, primaries, a colour
    // space or profile, significant bits).
    for (const char* colour : {"gAMA", "cHRM", "sRGB", "iCCP", "sBIT", "cICP"})
        EXPECT_EQ(std::count(chunks.begin(), chunks.end(), colour), 0) << colour;
}

}  // namespace
}  // namespace pixo
