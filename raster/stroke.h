#pragma once

#include <algorithm>
#include <array>

#include "raster/bitmap.h"
#include "raster/canvas.h"
#include "raster/region_fill.h"

// Lines and outlines with the platform's pixel rules: one-pixel pens step along the line with a biased
// Bresenham walk; wider pens paint the union of a band per segment and a round cap at every point.
namespace pixo::raster {

inline bool operator==(Point a, Point b) {
    return a.x == b.x && a.y == b.y;
}

// A one-pixel line from a to b; b itself is left out.
void ThinLine(Bitmap& bitmap, Point a, Point b, Pixel pen, MixMode mode);

// One-pixel lines through the points in order, each leaving out its end point; closed adds the line back
// to the first point.
template <class PointAt>
void ThinPolyline(Bitmap& bitmap, int count, PointAt at, bool closed, Pixel pen, MixMode mode) {
    // Outlines of ellipses are mostly steps between neighbouring pixels: such a line, its end left out, is
    // its first pixel alone.
    auto line = [&](Point a, Point b) {
        const int dx = b.x - a.x;
        const int dy = b.y - a.y;
        if (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1 && (dx != 0 || dy != 0)) {
            if (a.x >= 0 && a.y >= 0 && a.x < bitmap.Width() && a.y < bitmap.Height()) {
                Pixel& p = bitmap.Row(a.y)[a.x];
                p = Mix(p, pen, mode);
            }
            return;
        }
        ThinLine(bitmap, a, b, pen, mode);
    };
    for (int i = 0; i + 1 < count; ++i)
        line(at(i), at(i + 1));
    if (closed && count >= 2)
        line(at(count - 1), at(0));
}

// A band of consecutive rows in which a region is collected before it is painted.
class RowBand {
  public:
    static constexpr int kRows = 32;

    void Reset(int top, int rows, int left) {
        top_ = top;
        rows_ = rows;
        for (int i = 0; i < rows; ++i)
            masks_[static_cast<std::size_t>(i)].Reset(left);
    }
    int Top() const { return top_; }
    int Bottom() const { return top_ + rows_; }
    RowMask& Row(int y) { return masks_[static_cast<std::size_t>(y - top_)]; }
    // Adds the columns x0 .. x1 - 1 to row y when the row is in the band.
    void Add(int y, int x0, int x1) {
        if (y >= top_ && y < top_ + rows_)
            Row(y).Add(x0, x1);
    }

  private:
    int top_ = 0;
    int rows_ = 0;
    std::array<RowMask, kRows> masks_;
};

// The parts of a wide, round-capped pen: the round dot painted at every point and the band along a segment.
class WidePen {
  public:
    explicit WidePen(int width);
    int Width() const { return width_; }
    // The dot centred (as the platform centres it) on p.
    void AddCap(RowBand& band, Point p) const;
    // The band of the pen's width along the segment from p1 to p2.
    void AddSegment(RowBand& band, Point p1, Point p2) const;

  private:
    int width_;
    EllipticRegion cap_;
};

// Visits the parts of a wide stroke through the points in the platform's order: segment bands, and round
// dots at the ends (caps) and at every corner (joins). Repeated points at either end are skipped.
template <class PointAt, class CapFn, class SegmentFn>
void ForEachStrokePart(int n, PointAt at, bool closed, CapFn cap, SegmentFn segment) {
    int first = 0;
    int last = n - 1;
    while (last - first + 1 > 2 && at(first) == at(first + 1))
        ++first;
    while (last - first + 1 > 2 && at(last) == at(last - 1))
        --last;
    const int num = last - first + 1;
    auto point = [&](int i) { return at(first + i); };
    auto body = [&](int i, int j) {
        const Point a = point(i);
        const Point b = point(j);
        if (a == b)
            return false;
        segment(a, b);
        return true;
    };
    if (!closed) {
        cap(point(0));
        cap(point(num - 1));
        const int count = num - 1;
        body(0, 1);
        if (count == 1)
            return;
        for (int i = 1; i < count - 1; ++i) {
            if (body(i, i + 1))
                cap(point(i));
        }
        body(count - 1, count);
        cap(point(count - 1));
        return;
    }
    body(0, 1);
    for (int i = 1; i < num - 1; ++i) {
        if (body(i, i + 1))
            cap(point(i));
    }
    body(num - 1, 0);
    cap(point(num - 1));
    cap(point(0));
}

// Paints a wide stroke through `count` points with the pen; when `fill` is set, the interior that
// addInterior(mask, y) adds for each row is painted with the brush where the stroke does not cover it.
template <class PointAt, class InteriorFn>
void StrokeWide(Bitmap& bitmap,
                const WidePen& pen,
                Pixel penPixel,
                MixMode mode,
                int count,
                PointAt at,
                bool closed,
                bool fill,
                Pixel brushPixel,
                InteriorFn addInterior) {
    if (count < 2 || bitmap.Empty())
        return;
    Point low = at(0);
    Point high = at(0);
    for (int i = 1; i < count; ++i) {
        const Point p = at(i);
        low = Point{std::min(low.x, p.x), std::min(low.y, p.y)};
        high = Point{std::max(high.x, p.x), std::max(high.y, p.y)};
    }
    const int reach = pen.Width() + 1;
    const int top = std::max(low.y - reach, 0);
    const int bottom = std::min(high.y + reach + 1, bitmap.Height());
    const int left = std::max(low.x - reach, 0);
    const int right = std::min(high.x + reach + 1, bitmap.Width());

    RowBand outline;
    RowBand inside;
    for (int x = left; x < right; x += RowMask::kWidth) {
        for (int y = top; y < bottom; y += RowBand::kRows) {
            const int rows = std::min(RowBand::kRows, bottom - y);
            outline.Reset(y, rows, x);
            ForEachStrokePart(
                count, at, closed, [&](Point p) { pen.AddCap(outline, p); },
                [&](Point p1, Point p2) { pen.AddSegment(outline, p1, p2); });
            if (fill) {
                inside.Reset(y, rows, x);
                for (int row = y; row < y + rows; ++row) {
                    addInterior(inside.Row(row), row);
                    inside.Row(row).Remove(outline.Row(row));
                    inside.Row(row).Apply(bitmap, row, brushPixel, mode);
                }
            }
            for (int row = y; row < y + rows; ++row)
                outline.Row(row).Apply(bitmap, row, penPixel, mode);
        }
    }
}

// Adds row y of the polygon through the points, filled by the alternate rule, to the mask. The platform
// samples each pixel at its top-left corner: a left edge includes its pixel, a right edge does not, and
// the last row of an edge belongs to the next one.
template <class PointAt>
void AddAlternateRow(RowMask& mask, int y, int count, PointAt at) {
    if (count < 2)
        return;
    RowMask crossings(mask.Left());
    Point previous = at(count - 1);
    for (int i = 0; i < count; ++i) {
        const Point current = at(i);
        const Point& upper = previous.y < current.y ? previous : current;
        const Point& lower = previous.y < current.y ? current : previous;
        if (upper.y != lower.y && y >= upper.y && y < lower.y) {
            const std::int64_t x =
                upper.x + CeilDiv(static_cast<std::int64_t>(lower.x - upper.x) * (y - upper.y), lower.y - upper.y);
            crossings.FlipFrom(static_cast<int>(std::clamp<std::int64_t>(x, mask.Left(), mask.Right())));
        }
        previous = current;
    }
    mask.Merge(crossings);
}

}  // namespace pixo::raster
