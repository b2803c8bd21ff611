#include <gtest/gtest.h>

#include <vector>

#include "raster/canvas.h"

namespace pixo {
namespace {

// A picture whose every pixel names its own position.
Bitmap Numbered(int width, int height) {
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.Row(y)[x] = static_cast<Pixel>(y * 1000 + x);
    }
    return picture;
}

// How many target columns of row 0 show each source column, in order of the target.
std::vector<int> ColumnWidths(const Bitmap& target, int sourceWidth) {
    std::vector<int> widths(static_cast<std::size_t>(sourceWidth), 0);
    Pixel previous = 0;
    for (int x = 0; x < target.Width(); ++x) {
        const Pixel p = target.Row(0)[x];
        EXPECT_GE(p, previous) << "source columns out of order at " << x;
        previous = p;
        ++widths[p % 1000];
    }
    return widths;
}

TEST(StretchCopyTest, ThreeTimesViewDrawsTwoOfItsSixtySixColumnsFourWide) {
    const Bitmap source = Numbered(66, 66);
    Bitmap lens(200, 200);
    StretchCopy(source, 0, 0, 66, 66, lens, 0, 0, 200, 200, kBlack);
    const std::vector<int> widths = ColumnWidths(lens, 66);
    std::vector<int> wide;
    for (int s = 0; s < 66; ++s) {
        EXPECT_TRUE(widths[static_cast<std::size_t>(s)] == 3 || widths[static_cast<std::size_t>(s)] == 4) << s;
        if (widths[static_cast<std::size_t>(s)] == 4)
            wide.push_back(s);
    }
    EXPECT_EQ(wide, (std::vector<int>{16, 49}));
    // Rows are placed the same way; lens pixel (99, 99) shows source pixel (32, 32).
    EXPECT_EQ(lens.Row(99)[99], 32U * 1000 + 32);
    EXPECT_EQ(lens.Row(199)[199], 65U * 1000 + 65);
}

TEST(StretchCopyTest, TwoAndFourTimesViewsRepeatEachPixelEvenly) {
    const Bitmap source = Numbered(300, 300);
    Bitmap lens(200, 200);
    StretchCopy(source, 50, 50, 100, 100, lens, 0, 0, 200, 200, kBlack);
    for (int x = 0; x < 200; ++x)
        EXPECT_EQ(lens.Row(7)[x], static_cast<Pixel>((50 + 7 / 2) * 1000 + 50 + x / 2)) << x;
    StretchCopy(source, 75, 75, 50, 50, lens, 0, 0, 200, 200, kBlack);
    for (int x = 0; x < 200; ++x)
        EXPECT_EQ(lens.Row(9)[x], static_cast<Pixel>((75 + 9 / 4) * 1000 + 75 + x / 4)) << x;
}

TEST(StretchCopyTest, SameSizeIsAPlainCopyAndOutsidePixelsGetTheOutsideColour) {
    const Bitmap source = Numbered(100, 100);
    Bitmap lens(200, 200);
    StretchCopy(source, -50, 60, 200, 200, lens, 0, 0, 200, 200, MakeColor(1, 2, 3));
    EXPECT_EQ(lens.Row(0)[50], 60U * 1000);
    EXPECT_EQ(lens.Row(39)[149], 99U * 1000 + 99);
    EXPECT_EQ(lens.GetPixel(49, 0), MakeColor(1, 2, 3));
    EXPECT_EQ(lens.GetPixel(50, 40), MakeColor(1, 2, 3));
}

TEST(CopyTest, CopyRectCopiesAndMarksPixelsFromOutsideTheSource) {
    const Bitmap source = Numbered(10, 10);
    Bitmap target(6, 6);
    CopyRect(source, 7, 8, target, 1, 1, 5, 5, kWhite);
    EXPECT_EQ(target.Row(1)[1], 8U * 1000 + 7);
    EXPECT_EQ(target.Row(2)[3], 9U * 1000 + 9);
    EXPECT_EQ(target.GetPixel(4, 2), kWhite);  // source column 10
    EXPECT_EQ(target.GetPixel(1, 3), kWhite);  // source row 10
    EXPECT_EQ(target.Row(0)[0], 0U);           // outside the target rectangle: untouched
}

TEST(CopyTest, AndCopyAndsOverTheCommonSize) {
    Bitmap picture(3, 2);
    picture.Fill(MakeColor(0xF0, 0xFF, 0x0F));
    Bitmap frame(2, 3);
    frame.Fill(MakeColor(0x3C, 0x0F, 0xFF));
    AndCopy(frame, picture);
    EXPECT_EQ(picture.GetPixel(1, 1), MakeColor(0x30, 0x0F, 0x0F));
    EXPECT_EQ(picture.GetPixel(2, 1), MakeColor(0xF0, 0xFF, 0x0F));
}

TEST(CopyTest, CopyRegionSizesTheTargetAndKeepsItsStorageWhenTheSizeIsUnchanged) {
    const Bitmap screen = Numbered(50, 40);
    Bitmap region;
    CopyRegion(screen, region, 45, 30, 10, 12);
    ASSERT_EQ(region.Width(), 10);
    ASSERT_EQ(region.Height(), 12);
    EXPECT_EQ(region.Row(0)[0], 30U * 1000 + 45);
    EXPECT_EQ(region.GetPixel(5, 0), kBlack);
    EXPECT_EQ(region.GetPixel(0, 10), kBlack);
    const Pixel* storage = region.Data();
    CopyRegion(screen, region, 0, 0, 10, 12);
    EXPECT_EQ(region.Data(), storage);
    EXPECT_EQ(region.Row(11)[9], 11U * 1000 + 9);
}

}  // namespace
}  // namespace pixo
