// The harness's own PNG writer: the screenshots it leaves must open in any viewer.
#include "e2e/driver/png_writer.h"

#include <gtest/gtest.h>

#include <string_view>

namespace pixo::e2e {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::uint32_t BigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return (static_cast<std::uint32_t>(bytes[at]) << 24) | (static_cast<std::uint32_t>(bytes[at + 1]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 8) | bytes[at + 3];
}

TEST(PngWriterTest, ChecksumsMatchTheirStandardCheckValues) {
    EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
    EXPECT_EQ(Adler32(Bytes("Wikipedia")), 0x11E60398u);
    EXPECT_EQ(Adler32({}), 1u);
}

// Reads the file back chunk by chunk, checks every CRC, and unpacks the stored deflate blocks: the
// scanlines must be the pixels, red first, each row after a filter byte of 0.
TEST(PngWriterTest, StoredBlocksHoldThePixelsAndEveryChunkChecksOut) {
    constexpr int kWidth = 150;  // 150 x 200 x 3 bytes: more than one stored block of 65535
    constexpr int kHeight = 200;
    std::vector<std::uint32_t> pixels(kWidth * kHeight);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFFu;
    const std::vector<std::uint8_t> png = EncodePng(kWidth, kHeight, pixels);

    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    std::vector<std::uint8_t> zlib;
    std::vector<std::string> chunks;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = BigEndian(png, at);
        const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               png.begin() + static_cast<std::ptrdiff_t>(at + 8));
        chunks.push_back(type);
        const std::span<const std::uint8_t> typeAndData(png.data() + at + 4, length + 4);
        EXPECT_EQ(BigEndian(png, at + 8 + length), Crc32(typeAndData)) << type;
        if (type == "IHDR") {
            EXPECT_EQ(BigEndian(png, at + 8), static_cast<std::uint32_t>(kWidth));
            EXPECT_EQ(BigEndian(png, at + 12), static_cast<std::uint32_t>(kHeight));
        }
        if (type == "IDAT")
            zlib.insert(zlib.end(), png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                        png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
        at += 12 + length;
    }
    EXPECT_EQ(chunks, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));

    ASSERT_GT(zlib.size(), 6u);
    EXPECT_EQ((zlib[0] * 256 + zlib[1]) % 31, 0) << "zlib header check";
    std::vector<std::uint8_t> raw;
    std::size_t at = 2;
    bool last = false;
    while (!last && at + 5 <= zlib.size()) {
        last = (zlib[at] & 1) != 0;
        ASSERT_EQ(zlib[at] & 6, 0) << "not a stored block";
        const std::size_t length = zlib[at + 1] | (zlib[at + 2] << 8);
        ASSERT_EQ(length ^ 0xFFFF, static_cast<std::size_t>(zlib[at + 3] | (zlib[at + 4] << 8)));
        raw.insert(raw.end(), zlib.begin() + static_cast<std::ptrdiff_t>(at + 5),
                   zlib.begin() + static_cast<std::ptrdiff_t>(at + 5 + length));
        at += 5 + length;
    }
    ASSERT_TRUE(last);
    ASSERT_EQ(at + 4, zlib.size());
    EXPECT_EQ((static_cast<std::uint32_t>(zlib[at]) << 24 | static_cast<std::uint32_t>(zlib[at + 1]) << 16 |
               static_cast<std::uint32_t>(zlib[at + 2]) << 8 | zlib[at + 3]),
              Adler32(raw));

    ASSERT_EQ(raw.size(), static_cast<std::size_t>(kHeight * (1 + kWidth * 3)));
    for (int y = 0; y < kHeight; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * (1 + kWidth * 3);
        ASSERT_EQ(raw[row], 0) << "filter byte of row " << y;
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y * kWidth + x)];
            const std::size_t at3 = row + 1 + static_cast<std::size_t>(x) * 3;
            ASSERT_EQ((raw[at3] << 16) | (raw[at3 + 1] << 8) | raw[at3 + 2], static_cast<int>(p)) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace pixo::e2e
