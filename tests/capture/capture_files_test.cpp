// The BMP bytes of captures, their file names and the clipping of regions to the capture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "capture/bmp_encoder.h"
#include "capture/capture_names.h"
#include "capture/region.h"

namespace pixo {
namespace {

TEST(BmpEncoder, SmallCaptureIsA32BitBottomUpFileWithOpaquePixels) {
    Bitmap capture(3, 2);
    capture.SetPixel(0, 0, HexColor(0x102030));
    capture.SetPixel(1, 0, HexColor(0xFF0000));
    capture.SetPixel(2, 0, HexColor(0x00FF00));
    capture.SetPixel(0, 1, HexColor(0x0000FF));
    capture.SetPixel(1, 1, HexColor(0xFFFFFF));
    capture.SetPixel(2, 1, HexColor(0x000000));
    const std::vector<std::uint8_t> expected = {
        // BITMAPFILEHEADER: "BM", file size 54 + 24, reserved, pixels at 54
        'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
        // BITMAPINFOHEADER: size 40, 3 x 2 (bottom-up), 1 plane, 32 bits, BI_RGB, 24 bytes, 96 dpi, no palette
        40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 24, 0, 0, 0,  //
        0xC4, 0x0E, 0, 0, 0xC4, 0x0E, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        // bottom row first, each pixel blue, green, red, 0xFF
        0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF,  //
        0x30, 0x20, 0x10, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF};
    EXPECT_EQ(EncodeBmp(capture), expected);
}

TEST(BmpEncoder, SizesFollowTheBitmapAndAnEmptyOneGivesNothing) {
    const std::vector<std::uint8_t> file = EncodeBmp(Bitmap(201, 151));
    ASSERT_EQ(file.size(), 54u + 201u * 151u * 4u);
    const auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(file[at] | file[at + 1] << 8 | file[at + 2] << 16 | file[at + 3] << 24);
    };
    EXPECT_EQ(u32(2), file.size());
    EXPECT_EQ(u32(18), 201u);
    EXPECT_EQ(u32(22), 151u);
    EXPECT_TRUE(EncodeBmp(Bitmap()).empty());
}

TEST(BmpEncoder, PiecesOfAnySizeMakeTheSameFile) {
    Bitmap capture(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            capture.SetPixel(x, y, static_cast<Pixel>(0x01020304u * static_cast<std::uint32_t>(1 + x + 7 * y)));
    const std::vector<std::uint8_t> whole = EncodeBmp(capture);
    // Inside the file header, at the end of the headers, inside a pixel, a row and more, past the end.
    for (const std::size_t size : {1u, 3u, 13u, 54u, 55u, 30u, 29u, 200u}) {
        BmpPieces pieces(capture);
        std::vector<std::uint8_t> file(whole.size() + 5, 0xAA);
        for (std::size_t at = 0; at < file.size(); at += size)
            pieces.Fill(std::span(file).subspan(at, std::min(size, file.size() - at)));
        EXPECT_EQ(std::vector(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(whole.size())), whole)
            << "pieces of " << size;
        EXPECT_EQ(std::vector(file.end() - 5, file.end()), std::vector<std::uint8_t>(5, 0)) << "pieces of " << size;
    }
}

TEST(CaptureNames, PrefixAndTimeStampFromTheClock) {
    const struct {
        CaptureKind kind;
        LocalTime time;
        const char* name;
    } cases[] = {
        {CaptureKind::FullScreen, {2026, 12, 7, 0, 15, 32, 45}, "Scrn_20261207-001532-045.bmp"},
        {CaptureKind::Crop, {2025, 1, 31, 23, 59, 59, 999}, "Crop_20250131-235959-999.bmp"},
        {CaptureKind::Qframe, {999, 9, 1, 9, 5, 0, 0}, "Qframe_09990901-090500-000.bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CaptureFileName(c.kind, c.time, PictureFormat::Bmp), c.name);
}

TEST(CaptureNames, ATakenNameGetsTheNextFreeNumber) {
    const LocalTime time{2026, 12, 7, 0, 15, 32, 45};
    std::set<std::string> existing;
    const auto exists = [&](const std::string& path) { return existing.count(path) != 0; };
    const std::string folder = "C:\\Docs\\Pixoscope\\Screendumps";
    EXPECT_EQ(FreeCapturePath(folder, CaptureKind::Crop, PictureFormat::Bmp, time, exists),
              folder + "\\Crop_20261207-001532-045.bmp");
    existing = {folder + "\\Crop_20261207-001532-045.bmp", folder + "\\Crop_20261207-001532-045-2.bmp"};
    EXPECT_EQ(FreeCapturePath(folder, CaptureKind::Crop, PictureFormat::Bmp, time, exists),
              folder + "\\Crop_20261207-001532-045-3.bmp");
    EXPECT_EQ(FreeCapturePath(folder, CaptureKind::Qframe, PictureFormat::Bmp, time, exists),
              folder + "\\Qframe_20261207-001532-045.bmp");
}

TEST(ClipRegion, KeepsThePartOnTheCapture) {
    const struct {
        Region region;
        std::optional<Region> clipped;
    } cases[] = {
        {{10, 20, 200, 150}, Region{10, 20, 200, 150}},
        {{-10, -20, 200, 150}, Region{0, 0, 190, 130}},
        {{900, 700, 200, 150}, Region{900, 700, 124, 68}},
        {{-100, 0, 2000, 10}, Region{0, 0, 1024, 10}},
        {{1024, 0, 10, 10}, std::nullopt},
        {{-10, 5, 10, 10}, std::nullopt},
        {{5, 5, 0, 10}, std::nullopt},
        {{5, 5, 10, -3}, std::nullopt},
        {{2147483000, 0, 2147483000, 10}, std::nullopt},
        {{-1000000000, -1000000000, 2147483647, 2147483647}, Region{0, 0, 1024, 768}},
        {{-2147483647, 0, 2147483647, 10}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClipRegion(c.region, 1024, 768), c.clipped)
            << c.region.left << "," << c.region.top << " " << c.region.width << "x" << c.region.height;
    }
}

}  // namespace
}  // namespace pixo
