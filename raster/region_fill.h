#pragma once

#include <array>
#include <cstdint>

#include "raster/bitmap.h"
#include "raster/canvas.h"

// Building blocks of the rasteriser: pixel mixing, one-row coverage masks and the platform's elliptic
// regions. Shapes are rasterised one row at a time into a RowMask on the stack, so drawing never allocates.
namespace pixo::raster {

constexpr Pixel kRgbMask = 0xFFFFFF;

// The raster operations work on all 24 colour bits; the unused top byte stays 0.
constexpr Pixel Mix(Pixel picture, Pixel pen, MixMode mode) {
    switch (mode) {
        case MixMode::NotXor:
            return ~(pen ^ picture) & kRgbMask;
        case MixMode::NotMask:
            return ~(pen & picture) & kRgbMask;
        case MixMode::Copy:
            break;
    }
    return pen & kRgbMask;
}

// Applies the pen to the pixels x0 .. x1 - 1 of row y, clipped to the bitmap.
void MixSpan(Bitmap& bitmap, int y, int x0, int x1, Pixel pen, MixMode mode);

// Rounds a / b up; b must be positive.
constexpr std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// The columns of one row that belong to a region, over a window of kWidth columns starting at Left().
class RowMask {
  public:
    static constexpr int kWidth = 256;

    explicit RowMask(int left = 0) { Reset(left); }

    // Empties the mask and moves its window to start at `left`.
    void Reset(int left);
    int Left() const { return left_; }
    int Right() const { return left_ + kWidth; }

    // Adds the columns x0 .. x1 - 1.
    void Add(int x0, int x1);
    // Flips every column from x on: one call per edge crossing gives the alternate (even-odd) fill.
    void FlipFrom(int x);
    // Adds (removes) the columns that are set in `other`, which must have the same window.
    void Merge(const RowMask& other);
    void Remove(const RowMask& other);
    bool Empty() const;
    // Mixes the pen into the set columns of row y of the bitmap.
    void Apply(Bitmap& bitmap, int y, Pixel pen, MixMode mode) const;

  private:
    static constexpr int kWords = kWidth / 64;
    int left_ = 0;
    std::array<std::uint64_t, kWords> bits_{};
};

// An elliptic region exactly as the platform builds it for the box (left, top, right, bottom): the box loses
// its last column and row, and each row of the ellipse is one span found by an integer ellipse walk.
class EllipticRegion {
  public:
    static constexpr int kMaxHeight = 4096;

    // Returns false (and leaves the region empty) when the ellipse is taller than kMaxHeight.
    bool Build(int left, int top, int right, int bottom);
    int Top() const { return top_; }
    int Bottom() const { return bottom_; }  // exclusive
    // The span x0 .. x1 - 1 of row y; false when the row is not part of the region.
    bool Row(int y, int& x0, int& x1) const;

  private:
    int left_ = 0;
    int top_ = 0;
    int right_ = 0;
    int bottom_ = 0;
    int height_ = 0;  // 0 for a plain rectangle
    // Left uninitialised: Build writes every row it reads, and regions are built on every draw.
    std::array<int, kMaxHeight / 2 + 2> inset_;
};

// The outline points of an ellipse in the box (left, top, right, bottom) in the order the platform draws
// them: one quadrant found by an integer ellipse walk, mirrored across both axes.
class EllipsePath {
  public:
    static constexpr int kMaxQuadrant = 4200;

    // The box must be at least 3 x 3; returns false for ellipses too large to hold.
    bool Build(int left, int top, int right, int bottom);
    int Size() const { return size_; }
    Point At(int index) const;

  private:
    Point HalfAt(int index) const;

    // Plain pairs, left uninitialised: Build writes every point it reads, and paths are built on every draw.
    struct QuadrantPoint {
        int x;
        int y;
    };
    std::array<QuadrantPoint, kMaxQuadrant> quadrant_;
    int count_ = 0;
    int half_ = 0;
    int size_ = 0;
    int left_ = 0;
    int top_ = 0;
    int right_ = 0;
    int bottom_ = 0;
};

}  // namespace pixo::raster
