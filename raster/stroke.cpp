#include "raster/stroke.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace pixo::raster {

namespace {

// Octants counted clockwise from the positive x axis (y grows downwards), as bit masks.
unsigned OctantMask(std::int64_t dx, std::int64_t dy) {
    int octant = 0;
    if (dy > 0)
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    else
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    return 1U << (octant - 1);
}

constexpr unsigned kXMajor = 0x99;       // octants 1, 4, 5, 8
constexpr unsigned kXIncreasing = 0xC3;  // octants 1, 2, 7, 8
constexpr unsigned kYIncreasing = 0x0F;  // octants 1, 2, 3, 4
// Octants 3, 5, 6 and 8 round their half-way steps the other way, so that a line and its reverse cover the
// same pixels.
constexpr unsigned kBiased = 0xB4;

int RoundAway(double f) {
    return static_cast<int>(f > 0 ? f + 0.5 : f - 0.5);
}

}  // namespace

void ThinLine(Bitmap& bitmap, Point a, Point b, Pixel pen, MixMode mode) {
    if (a.y == b.y) {
        if (a.x <= b.x)
            MixSpan(bitmap, a.y, a.x, b.x, pen, mode);
        else
            MixSpan(bitmap, a.y, b.x + 1, a.x + 1, pen, mode);
        return;
    }
    if (a.x == b.x) {
        const int y0 = a.y <= b.y ? a.y : b.y + 1;
        const int y1 = a.y <= b.y ? b.y : a.y + 1;
        for (int y = std::max(y0, 0); y < std::min(y1, bitmap.Height()); ++y)
            MixSpan(bitmap, y, a.x, a.x + 1, pen, mode);
        return;
    }
    const std::int64_t dx = static_cast<std::int64_t>(b.x) - a.x;
    const std::int64_t dy = static_cast<std::int64_t>(b.y) - a.y;
    const unsigned octant = OctantMask(dx, dy);
    const std::int64_t bias = (octant & kBiased) != 0 ? 1 : 0;
    const bool xMajor = (octant & kXMajor) != 0;
    const int xStep = (octant & kXIncreasing) != 0 ? 1 : -1;
    const int yStep = (octant & kYIncreasing) != 0 ? 1 : -1;
    const std::int64_t major = xMajor ? std::abs(dx) : std::abs(dy);
    const std::int64_t minor = xMajor ? std::abs(dy) : std::abs(dx);
    const std::int64_t majorStart = xMajor ? a.x : a.y;
    const std::int64_t minorStart = xMajor ? a.y : a.x;
    const int majorStep = xMajor ? xStep : yStep;
    const int minorStep = xMajor ? yStep : xStep;
    const std::int64_t majorLimit = xMajor ? bitmap.Width() : bitmap.Height();

    // Only the steps whose major coordinate lies on the bitmap are walked; the walk's state at the first
    // of them follows from the step count.
    std::int64_t first = 0;
    std::int64_t end = major;  // the end point is left out
    if (majorStep > 0) {
        first = std::max<std::int64_t>(first, -majorStart);
        end = std::min(end, majorLimit - majorStart);
    } else {
        first = std::max<std::int64_t>(first, majorStart - (majorLimit - 1));
        end = std::min(end, majorStart + 1);
    }
    if (first >= end)
        return;
    std::int64_t minorSteps = (first * 2 * minor + bias + major - 1) / (2 * major);
    std::int64_t err = 2 * minor - major + 2 * first * minor - 2 * minorSteps * major;
    for (std::int64_t k = first; k < end; ++k) {
        const std::int64_t along = majorStart + k * majorStep;
        const std::int64_t across = minorStart + minorSteps * minorStep;
        const std::int64_t x = xMajor ? along : across;
        const std::int64_t y = xMajor ? across : along;
        if (x >= 0 && y >= 0 && x < bitmap.Width() && y < bitmap.Height()) {
            Pixel& p = bitmap.Row(static_cast<int>(y))[x];
            p = Mix(p, pen, mode);
        }
        if (err + bias > 0) {
            ++minorSteps;
            err += 2 * minor - 2 * major;
        } else {
            err += 2 * minor;
        }
    }
}

// Widths beyond 2^20 pixels (the program's pens are at most 8) are taken as 2^20, so that the dot's
// elliptic region and the segment's arithmetic cannot overflow.
WidePen::WidePen(int width) : width_(std::min(width, 1 << 20)) {
    // The platform's round dot: an elliptic region one pixel wider on the right and bottom than on the
    // left and top, so that the dot is as wide as the pen.
    cap_.Build(-(width_ / 2), -(width_ / 2), (width_ + 1) / 2 + 1, (width_ + 1) / 2 + 1);
}

void WidePen::AddCap(RowBand& band, Point p) const {
    const int top = std::max(band.Top(), p.y + cap_.Top());
    const int bottom = std::min(band.Bottom(), p.y + cap_.Bottom());
    for (int y = top; y < bottom; ++y) {
        int x0 = 0;
        int x1 = 0;
        if (cap_.Row(y - p.y, x0, x1))
            band.Row(y).Add(p.x + x0, p.x + x1);
    }
}

void WidePen::AddSegment(RowBand& band, Point p1, Point p2) const {
    const int dx = p2.x - p1.x;
    const int dy = p2.y - p1.y;
    if (dy == 0) {
        const int top = std::max(band.Top(), p1.y - width_ / 2);
        const int bottom = std::min(band.Bottom(), p1.y - width_ / 2 + width_);
        for (int y = top; y < bottom; ++y)
            band.Row(y).Add(std::min(p1.x, p2.x), std::max(p1.x, p2.x));
        return;
    }
    if (dx == 0) {
        const int top = std::max(band.Top(), std::min(p1.y, p2.y));
        const int bottom = std::min(band.Bottom(), std::max(p1.y, p2.y));
        for (int y = top; y < bottom; ++y)
            band.Row(y).Add(p1.x - width_ / 2, p1.x - width_ / 2 + width_);
        return;
    }
    if (std::max(p1.y, p2.y) + width_ < band.Top() || std::min(p1.y, p2.y) - width_ >= band.Bottom())
        return;

    // A slanted segment is a quadrilateral: the pen's width split into a narrow and a wide half across
    // the segment, each rounded to whole pixels.
    const double length = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
    const double widthX = static_cast<double>(width_) * std::abs(dy) / length;  // in double: no overflow
    const double widthY = static_cast<double>(width_) * std::abs(dx) / length;
    Point narrow{RoundAway(widthX / 2), RoundAway(widthY / 2)};
    Point wide{RoundAway((widthX + 1) / 2), RoundAway((widthY + 1) / 2)};
    if (dx < 0) {
        wide.y = -wide.y;
        narrow.y = -narrow.y;
    }
    if (dy < 0) {
        std::swap(narrow, wide);
        wide.x = -wide.x;
        narrow.x = -narrow.x;
    }
    const std::array<Point, 4> corners{Point{p1.x - narrow.x, p1.y + narrow.y}, Point{p1.x + wide.x, p1.y - wide.y},
                                       Point{p2.x + wide.x, p2.y - wide.y}, Point{p2.x - narrow.x, p2.y + narrow.y}};
    int top = corners[0].y;
    int bottom = corners[0].y;
    for (const Point& c : corners) {
        top = std::min(top, c.y);
        bottom = std::max(bottom, c.y);
    }
    top = std::max(top, band.Top());
    bottom = std::min(bottom, band.Bottom());
    auto corner = [&corners](int i) { return corners[static_cast<std::size_t>(i)]; };
    for (int y = top; y < bottom; ++y)
        AddAlternateRow(band.Row(y), y, 4, corner);
}

}  // namespace pixo::raster
