#include "raster/region_fill.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace pixo::raster {

void MixSpan(Bitmap& bitmap, int y, int x0, int x1, Pixel pen, MixMode mode) {
    if (y < 0 || y >= bitmap.Height())
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, bitmap.Width());
    if (x0 >= x1)
        return;
    Pixel* row = bitmap.Row(y);
    // One plain loop per mode, which the compiler vectorises.
    switch (mode) {
        case MixMode::Copy:
            std::fill(row + x0, row + x1, pen & kRgbMask);
            return;
        case MixMode::NotXor: {
            // ~(pen ^ p) is (~pen) ^ p. A white pen changes nothing, as the top byte of a pixel is always 0.
            const Pixel inverse = ~pen & kRgbMask;
            if (inverse == 0)
                return;
            for (int x = x0; x < x1; ++x)
                row[x] = (row[x] ^ inverse) & kRgbMask;
            return;
        }
        case MixMode::NotMask:
            for (int x = x0; x < x1; ++x)
                row[x] = ~(row[x] & pen) & kRgbMask;
            return;
    }
}

namespace {

// Calls op(word, bits) for the words and bit masks that cover the window columns a .. b - 1.
template <class Op>
void ForWordRange(int a, int b, Op op) {
    while (a < b) {
        const int word = a / 64;
        const int end = std::min(b, (word + 1) * 64);
        const int count = end - a;
        const std::uint64_t ones = count == 64 ? ~0ULL : ((1ULL << count) - 1);
        op(word, ones << (a % 64));
        a = end;
    }
}

// The integer error walk along a quarter of the ellipse inscribed in a box of (a + 1) x (b + 1) pixels, a pixel
// at a time from the middle row outwards. The region and the outline both follow it, so they agree.
class EllipseWalk {
  public:
    EllipseWalk(std::int64_t a, std::int64_t b)
        : asq_(8 * a * a),
          bsq_(8 * b * b),
          dx_(4 * b * b * (1 - a)),
          dy_(4 * a * a * (1 + b % 2)),
          err_(dx_ + dy_ + a * a * (b % 2)) {}

    struct Step {
        bool column;  // the walk moves one column inwards
        bool row;     // the walk moves one row outwards
    };
    Step Next() {
        const std::int64_t e2 = 2 * err_;
        const Step step{e2 >= dx_, e2 <= dy_};
        if (step.column) {
            dx_ += bsq_;
            err_ += dx_;
        }
        if (step.row) {
            dy_ += asq_;
            err_ += dy_;
        }
        return step;
    }

  private:
    std::int64_t asq_;
    std::int64_t bsq_;
    std::int64_t dx_;
    std::int64_t dy_;
    std::int64_t err_;
};

}  // namespace

void RowMask::Reset(int left) {
    left_ = left;
    bits_.fill(0);
}

void RowMask::Add(int x0, int x1) {
    const int a = std::clamp(x0 - left_, 0, kWidth);
    const int b = std::clamp(x1 - left_, 0, kWidth);
    ForWordRange(a, b, [this](int word, std::uint64_t bits) { bits_[static_cast<std::size_t>(word)] |= bits; });
}

void RowMask::FlipFrom(int x) {
    const int a = std::clamp(x - left_, 0, kWidth);
    ForWordRange(a, kWidth, [this](int word, std::uint64_t bits) { bits_[static_cast<std::size_t>(word)] ^= bits; });
}

void RowMask::Merge(const RowMask& other) {
    for (std::size_t i = 0; i < bits_.size(); ++i)
        bits_[i] |= other.bits_[i];
}

void RowMask::Remove(const RowMask& other) {
    for (std::size_t i = 0; i < bits_.size(); ++i)
        bits_[i] &= ~other.bits_[i];
}

bool RowMask::Empty() const {
    return std::all_of(bits_.begin(), bits_.end(), [](std::uint64_t w) { return w == 0; });
}

void RowMask::Apply(Bitmap& bitmap, int y, Pixel pen, MixMode mode) const {
    if (y < 0 || y >= bitmap.Height())
        return;
    int runStart = -1;
    for (int word = 0; word < kWords; ++word) {
        std::uint64_t bits = bits_[static_cast<std::size_t>(word)];
        int bit = 0;
        while (bit < 64) {
            // Find the next change between set and clear columns.
            const std::uint64_t rest = bits >> bit;
            if (runStart < 0) {
                if (rest == 0)
                    break;
                bit += std::countr_zero(rest);
                runStart = word * 64 + bit;
            } else {
                const int ones = std::countr_one(rest);
                bit += ones;
                if (bit < 64) {
                    MixSpan(bitmap, y, left_ + runStart, left_ + word * 64 + bit, pen, mode);
                    runStart = -1;
                }
            }
        }
    }
    if (runStart >= 0)
        MixSpan(bitmap, y, left_ + runStart, left_ + kWidth, pen, mode);
}

bool EllipticRegion::Build(int left, int top, int right, int bottom) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    // The platform's elliptic region leaves out the last column and row of its box.
    --right;
    --bottom;
    const int width = right - left;
    const int height = bottom - top;
    height_ = 0;
    if (width < 2 || height < 2) {
        // Too thin for an ellipse: the (possibly reordered) rectangle itself.
        left_ = std::min(left, right);
        right_ = std::max(left, right);
        top_ = std::min(top, bottom);
        bottom_ = std::max(top, bottom);
        if (left_ == right_ || top_ == bottom_)
            bottom_ = top_;
        return true;
    }
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = top;
    if (height > kMaxHeight)
        return false;
    bottom_ = bottom;
    height_ = height;

    // Integer ellipse walk from the middle row down to the bottom row; each row keeps the inset of the
    // column where the walk entered it. The upper half mirrors the lower half.
    EllipseWalk walk(width - 1, height - 1);
    const int half = height / 2;
    const int rows = height - half;
    int x = 0;
    int y = half;
    inset_[0] = 0;
    while (x <= width / 2) {
        const EllipseWalk::Step step = walk.Next();
        if (step.column)
            ++x;
        if (step.row) {
            ++y;
            if (y - half >= rows)
                break;
            inset_[static_cast<std::size_t>(y - half)] = x;
        }
    }
    for (int row = y - half + 1; row < rows; ++row)
        inset_[static_cast<std::size_t>(row)] = x;
    return true;
}

bool EllipticRegion::Row(int y, int& x0, int& x1) const {
    if (y < top_ || y >= bottom_)
        return false;
    if (height_ == 0) {
        x0 = left_;
        x1 = right_;
        return x0 < x1;
    }
    const int i = y - top_;
    const int half = height_ / 2;
    const int k = i >= half ? i - half : (height_ - 1 - i) - half;
    const int inset = inset_[static_cast<std::size_t>(k)];
    x0 = left_ + inset;
    x1 = right_ - inset;
    return x0 < x1;
}

bool EllipsePath::Build(int left, int top, int right, int bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    size_ = 0;
    const int width = right - left;
    const int height = bottom - top;
    if (width < 3 || height < 3)
        return false;

    // The quadrant from the right end of the middle row up to the top middle, as an integer ellipse walk.
    EllipseWalk walk(width - 1, height - 1);
    int px = width - 1;
    int py = height / 2;
    count_ = 0;
    while (px >= width / 2) {
        if (count_ == kMaxQuadrant)
            return false;
        quadrant_[static_cast<std::size_t>(count_++)] = QuadrantPoint{left + px, top + height - 1 - py};
        const EllipseWalk::Step step = walk.Next();
        if (step.column)
            --px;
        if (step.row)
            ++py;
    }
    // An odd width or height has a middle column or row that the mirror image would repeat.
    half_ = width % 2 != 0 ? 2 * count_ - 1 : 2 * count_;
    size_ = height % 2 != 0 ? 2 * half_ - 1 : 2 * half_;
    return true;
}

Point EllipsePath::HalfAt(int index) const {
    if (index < count_) {
        const QuadrantPoint& p = quadrant_[static_cast<std::size_t>(index)];
        return Point{p.x, p.y};
    }
    const QuadrantPoint& p = quadrant_[static_cast<std::size_t>(half_ - 1 - index)];
    return Point{left_ + right_ - 1 - p.x, p.y};
}

Point EllipsePath::At(int index) const {
    if (index < half_)
        return HalfAt(index);
    const Point p = HalfAt(size_ - 1 - index);
    return Point{p.x, top_ + bottom_ - 1 - p.y};
}

}  // namespace pixo::raster
