#include "raster/smooth_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace pixo {
namespace {

Bitmap Noise(int width, int height, std::uint32_t seed) {
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525U + 1013904223U;
            picture.Row(y)[x] = (seed >> 8) & 0xFFFFFF;
        }
    }
    return picture;
}

// The resampling written out plainly, one target value at a time, for comparison with the cached weights.
int ReferenceValue(const std::vector<int>& line, int targetSize, int i) {
    const int size = static_cast<int>(line.size());
    const double scale = size == 1 ? targetSize : (targetSize - 1.0) / (size - 1.0);
    const double centre = i / scale;
    long sum = 0;
    long weights = 0;
    for (int j = static_cast<int>(std::floor(centre - 3)); j <= static_cast<int>(std::ceil(centre + 3)); ++j) {
        const double x = std::abs(centre - j);
        double f = 0;
        if (x == 0)
            f = 1;
        else if (x < 3)
            f = std::sin(std::numbers::pi * x) / (std::numbers::pi * x) * std::sin(std::numbers::pi * x / 3) /
                (std::numbers::pi * x / 3);
        const long w = std::lrint(f * 256);
        if (w == 0)
            continue;
        const int index = j < 0 ? -j : (j >= size ? 2 * size - 1 - j : j);
        sum += w * line[static_cast<std::size_t>(index)];
        weights += w;
    }
    return static_cast<int>(std::clamp<long>(sum / (weights == 0 ? 256 : weights), 0, 255));
}

Bitmap ReferenceResample(const Bitmap& source, int width, int height) {
    // Per channel: rows first into an intermediate image of bytes, then columns.
    Bitmap target(width, height);
    for (int channel = 0; channel < 3; ++channel) {
        std::vector<std::vector<int>> intermediate(static_cast<std::size_t>(source.Height()));
        for (int y = 0; y < source.Height(); ++y) {
            std::vector<int> line;
            for (int x = 0; x < source.Width(); ++x)
                line.push_back(static_cast<int>((source.Row(y)[x] >> (8 * channel)) & 0xFF));
            for (int i = 0; i < width; ++i)
                intermediate[static_cast<std::size_t>(y)].push_back(ReferenceValue(line, width, i));
        }
        for (int x = 0; x < width; ++x) {
            std::vector<int> column;
            for (int y = 0; y < source.Height(); ++y)
                column.push_back(intermediate[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
            for (int r = 0; r < height; ++r)
                target.Row(r)[x] |= static_cast<Pixel>(ReferenceValue(column, height, r)) << (8 * channel);
        }
    }
    return target;
}

void ExpectSamePixels(const Bitmap& expected, const Bitmap& actual) {
    ASSERT_EQ(expected.Width(), actual.Width());
    ASSERT_EQ(expected.Height(), actual.Height());
    int differing = 0;
    for (int y = 0; y < expected.Height(); ++y) {
        for (int x = 0; x < expected.Width(); ++x)
            differing += expected.Row(y)[x] != actual.Row(y)[x] ? 1 : 0;
    }
    EXPECT_EQ(differing, 0);
}

TEST(SmoothViewTest, SameSizeIsTheIdentity) {
    const Bitmap source = Noise(23, 17, 1);
    Bitmap target(23, 17);
    SmoothView view;
    ASSERT_TRUE(view.Resample(source, target));
    ExpectSamePixels(source, target);
}

TEST(SmoothViewTest, AConstantPictureStaysConstant) {
    Bitmap source(66, 66);
    source.Fill(MakeColor(200, 17, 99));
    Bitmap target(200, 200);
    SmoothView view;
    ASSERT_TRUE(view.Resample(source, target));
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(target.GetPixel(x, y), MakeColor(200, 17, 99)) << x << "," << y;
    }
}

TEST(SmoothViewTest, PixelsPastTheEdgeAreMirroredWithoutRepeatingTheEdge) {
    // Four pixels onto seven: target 1 sits half way between sources 0 and 1 and takes the weights
    // 6, -35, 156, 156, -35, 6 from sources -2 .. 3, of which -2 and -1 read sources 2 and 1:
    // (156 * 100 + (156 - 35) * 0 + (6 - 35) * 200 + 6 * 50) / 254 = 39.
    Bitmap source(4, 1);
    const int values[] = {100, 0, 200, 50};
    for (int x = 0; x < 4; ++x)
        source.SetPixel(x, 0, MakeColor(values[x], values[x], values[x]));
    Bitmap target(7, 1);
    SmoothView view;
    ASSERT_TRUE(view.Resample(source, target));
    EXPECT_EQ(target.GetPixel(1, 0), MakeColor(39, 39, 39));
    EXPECT_EQ(target.GetPixel(0, 0), MakeColor(100, 100, 100));  // on a source pixel: that pixel
    EXPECT_EQ(target.GetPixel(6, 0), MakeColor(50, 50, 50));
}

// Black and white pixels in a checkerboard: the largest overshoots, clamped both ways.
Bitmap Checkerboard(int width, int height) {
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.Row(y)[x] = (x + y) % 2 != 0 ? 0xFFFFFF : 0;
    }
    return picture;
}

// Every path this processor runs: the plain passes and the vector ones must give the same bytes.
class SmoothViewPaths : public ::testing::TestWithParam<SmoothPath> {
  protected:
    void SetUp() override {
        view.UsePath(GetParam());
        if (view.Path() != GetParam())
            GTEST_SKIP() << "this processor lacks the instructions";
    }
    SmoothView view;
};

TEST_P(SmoothViewPaths, MatchesAPlainReferenceForTheLoupeSizes) {
    for (int size : {100, 66, 50})
        ASSERT_TRUE(view.Prepare(size, 200));
    for (int size : {100, 66, 50}) {
        for (const Bitmap& source : {Noise(size, size, static_cast<std::uint32_t>(size)), Checkerboard(size, size)}) {
            Bitmap target(200, 200);
            ASSERT_TRUE(view.Resample(source, target));
            ExpectSamePixels(ReferenceResample(source, 200, 200), target);
        }
    }
}

TEST_P(SmoothViewPaths, MatchesTheReferenceForUnevenSizes) {
    const Bitmap source = Noise(37, 9, 5);
    Bitmap target(90, 31);
    ASSERT_TRUE(view.Resample(source, target));
    EXPECT_TRUE(view.IsPrepared(37, 90));
    EXPECT_TRUE(view.IsPrepared(9, 31));
    ExpectSamePixels(ReferenceResample(source, 90, 31), target);
}

std::string PathName(const ::testing::TestParamInfo<SmoothPath>& path) {
    switch (path.param) {
        case SmoothPath::Plain:
            return "Plain";
        case SmoothPath::Sse2:
            return "Sse2";
        case SmoothPath::Avx2:
            return "Avx2";
    }
    return "";
}

INSTANTIATE_TEST_SUITE_P(AllPaths,
                         SmoothViewPaths,
                         ::testing::Values(SmoothPath::Plain, SmoothPath::Sse2, SmoothPath::Avx2),
                         PathName);

}  // namespace
}  // namespace pixo
