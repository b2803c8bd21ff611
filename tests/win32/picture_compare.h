#pragma once

// Pixel-by-pixel comparison of a GDI picture with a Canvas picture, and the helpers the comparisons share.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "raster/bitmap.h"
#include "raster/canvas.h"
#include "win32/gdi_painter.h"

namespace pixo::test {

constexpr Pixel kRgb = 0xFFFFFF;

inline bool RunningOnWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// A deterministic pseudo-random picture, so that the mix modes have something to work on.
inline Bitmap Noise(int width, int height, std::uint32_t seed) {
    Bitmap picture(width, height);
    std::uint32_t state = seed;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            state = state * 1664525U + 1013904223U;
            picture.Row(y)[x] = (state >> 8) & kRgb;
        }
    }
    return picture;
}

// A small deterministic generator for shape coordinates.
class Dice {
  public:
    explicit Dice(std::uint32_t seed) : state_(seed) {}
    int Next(int low, int high) {
        state_ = state_ * 1103515245U + 12345U;
        return low + static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(high - low + 1));
    }

  private:
    std::uint32_t state_;
};

// True when `value` occurs in `picture` within one pixel (horizontally, vertically or diagonally) of (x, y).
inline bool OccursNear(const Bitmap& picture, int x, int y, Pixel value) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (picture.Contains(x + dx, y + dy) && (picture.Row(y + dy)[x + dx] & kRgb) == value)
                return true;
        }
    }
    return false;
}

// The tolerance for ellipses and wide pens on other GDI implementations: at every differing pixel, each
// picture's colour occurs in the other picture within one pixel, i.e. an outline is at most one pixel off.
inline bool WithinOnePixel(const Bitmap& a, const Bitmap& b, int x, int y) {
    return OccursNear(b, x, y, a.Row(y)[x] & kRgb) && OccursNear(a, x, y, b.Row(y)[x] & kRgb);
}

enum class Match { Exact, OutlineWithinOnePixel };

// Compares a picture drawn by GDI with the one drawn by Canvas; on a difference both are written as BMP files
// named after the case.
inline void ExpectSamePicture(const std::string& name,
                              const Bitmap& expected,
                              const Bitmap& actual,
                              Match match = Match::Exact) {
    const bool tolerant = match == Match::OutlineWithinOnePixel && !RunningOnWine();
    int differing = 0;
    int beyondTolerance = 0;
    std::string firstDifferences;
    for (int y = 0; y < expected.Height(); ++y) {
        for (int x = 0; x < expected.Width(); ++x) {
            const Pixel e = expected.Row(y)[x] & kRgb;
            const Pixel a = actual.Row(y)[x];
            if (e == a)
                continue;
            ++differing;
            if (tolerant && WithinOnePixel(expected, actual, x, y))
                continue;
            if (++beyondTolerance <= 8)
                firstDifferences += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
        }
    }
    if (beyondTolerance > 0) {
        WriteBmp("gdi_compare_" + name + "_gdi.bmp", expected);
        WriteBmp("gdi_compare_" + name + "_canvas.bmp", actual);
    }
    EXPECT_EQ(beyondTolerance, 0) << name << ": " << differing << " pixels differ from GDI, first at"
                                  << firstDifferences;
    if (tolerant)
        testing::Test::RecordProperty(name + "_outline_pixels_off", differing);
}

// Runs draw(painter) on GDI and on Canvas over the same background and compares the results.
template <class Draw>
void ExpectSamePicture(const std::string& name, const Bitmap& background, Match match, Draw draw) {
    DibSurface surface(background.Width(), background.Height());
    ASSERT_TRUE(surface.Valid());
    surface.Load(background);
    GdiPainter gdi(surface.Dc());
    draw(gdi);
    const Bitmap expected = surface.Read();

    Bitmap actual = background;
    Canvas canvas(actual);
    draw(canvas);
    ExpectSamePicture(name, expected, actual, match);
}

}  // namespace pixo::test
