// The drawing operations of Canvas. Each follows the platform's order of work: a one-pixel outline is
// drawn over (or, for rectangles, beside) the interior; a wide outline is a region, and the interior
// is painted only where that region does not reach.
#include <algorithm>
#include <utility>

#include "raster/canvas.h"
#include "raster/region_fill.h"
#include "raster/stroke.h"

namespace pixo {

namespace {

using raster::RowMask;

// The platform's drawing takes coordinates of 28 bits at most and draws nothing beyond them; keeping to
// that range also keeps every sum and difference of coordinates here within int.
constexpr int kLargestCoordinate = (1 << 27) - 1;

bool InRange(int value) {
    return value >= -kLargestCoordinate && value <= kLargestCoordinate;
}

bool InRange(Point p) {
    return InRange(p.x) && InRange(p.y);
}

// Puts a box's corners in order, as the platform accepts them either way round; false when it is empty.
bool SortBox(int& left, int& top, int& right, int& bottom) {
    if (!InRange(left) || !InRange(top) || !InRange(right) || !InRange(bottom))
        return false;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    return left != right && top != bottom;
}

bool HasPen(const Pen& pen) {
    return pen.style == PenStyle::Solid;
}

bool IsWide(const Pen& pen) {
    return HasPen(pen) && pen.width > 1;
}

bool HasBrush(const Brush& brush) {
    return brush.style == BrushStyle::Solid;
}

// Paints, row by row, the interior that addRow(mask, y) gives for the rows top .. bottom - 1.
template <class AddRow>
void FillRows(Bitmap& bitmap, int top, int bottom, Pixel pixel, MixMode mode, AddRow addRow) {
    top = std::max(top, 0);
    bottom = std::min(bottom, bitmap.Height());
    RowMask mask;
    for (int x = 0; x < bitmap.Width(); x += RowMask::kWidth) {
        for (int y = top; y < bottom; ++y) {
            mask.Reset(x);
            addRow(mask, y);
            mask.Apply(bitmap, y, pixel, mode);
        }
    }
}

// A closed polygon through `count` points, as the platform draws it.
template <class PointAt>
void DrawClosedPolygon(Canvas& canvas, int count, PointAt at) {
    if (count < 2)
        return;
    for (int i = 0; i < count; ++i) {
        if (!InRange(at(i)))
            return;
    }
    Bitmap& bitmap = canvas.Target();
    const Pixel penPixel = ToPixel(canvas.pen.color);
    const Pixel brushPixel = ToPixel(canvas.brush.color);
    const MixMode mode = canvas.pen.mode;
    const bool fill = HasBrush(canvas.brush);
    auto interior = [&](RowMask& mask, int y) { raster::AddAlternateRow(mask, y, count, at); };
    if (IsWide(canvas.pen)) {
        const raster::WidePen pen(canvas.pen.width);
        raster::StrokeWide(bitmap, pen, penPixel, mode, count, at, true, fill, brushPixel, interior);
        return;
    }
    if (fill) {
        int top = at(0).y;
        int bottom = at(0).y;
        for (int i = 1; i < count; ++i) {
            top = std::min(top, at(i).y);
            bottom = std::max(bottom, at(i).y);
        }
        FillRows(bitmap, top, bottom, brushPixel, mode, interior);
    }
    if (HasPen(canvas.pen))
        raster::ThinPolyline(bitmap, count, at, true, penPixel, mode);
}

}  // namespace

void Canvas::MoveTo(int x, int y) {
    position_ = Point{x, y};
}

void Canvas::LineTo(int x, int y) {
    const Point from = position_;
    const Point to{x, y};
    position_ = to;
    if (!HasPen(pen) || !InRange(from) || !InRange(to))
        return;
    if (!IsWide(pen)) {
        raster::ThinLine(target_, from, to, ToPixel(pen.color), pen.mode);
        return;
    }
    const std::array<Point, 2> points{from, to};
    auto at = [&points](int i) { return points[static_cast<std::size_t>(i)]; };
    const raster::WidePen widePen(pen.width);
    raster::StrokeWide(target_, widePen, ToPixel(pen.color), pen.mode, 2, at, false, false, 0, [](RowMask&, int) {});
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    if (!SortBox(left, top, right, bottom))
        return;
    // The outline runs through the last column and row inside the rectangle, anticlockwise from the
    // top-right corner.
    --right;
    --bottom;
    const std::array<Point, 4> corners{Point{right, top}, Point{left, top}, Point{left, bottom}, Point{right, bottom}};
    auto at = [&corners](int i) { return corners[static_cast<std::size_t>(i)]; };
    const Pixel penPixel = ToPixel(pen.color);
    const Pixel brushPixel = ToPixel(brush.color);
    const bool fill = HasBrush(brush);
    if (IsWide(pen)) {
        const raster::WidePen widePen(pen.width);
        raster::StrokeWide(target_, widePen, penPixel, pen.mode, 4, at, true, fill, brushPixel,
                           [&](RowMask& mask, int y) {
                               if (y >= top && y < bottom)
                                   mask.Add(left, right);
                           });
        return;
    }
    // Without a pen the fill covers left .. right - 2 and top .. bottom - 2; a one-pixel pen takes
    // the outer ring of that.
    const int inset = HasPen(pen) ? 1 : 0;
    if (HasPen(pen))
        raster::ThinPolyline(target_, 4, at, true, penPixel, pen.mode);
    if (fill) {
        for (int y = top + inset; y < bottom; ++y)
            raster::MixSpan(target_, y, left + inset, right, brushPixel, pen.mode);
    }
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
    // The ellipse's error walk squares and multiplies its sizes in 64 bits: a box beyond 2^20 pixels
    // (the program's are 200) draws nothing rather than overflow.
    constexpr int kLargestEllipse = 1 << 20;
    if (!SortBox(left, top, right, bottom) || right - left > kLargestEllipse || bottom - top > kLargestEllipse)
        return;
    if (right - left <= 2 || bottom - top <= 2) {
        Rectangle(left, top, right, bottom);
        return;
    }
    // The interior is only worked out for a fill; an ellipse too tall for it is not drawn at all.
    const bool fill = HasBrush(brush);
    raster::EllipsePath path;
    raster::EllipticRegion inside;
    if (bottom - top > raster::EllipticRegion::kMaxHeight || !path.Build(left, top, right, bottom))
        return;
    if (fill)
        inside.Build(left, top, right + 1, bottom + 1);
    auto at = [&path](int i) { return path.At(i); };
    auto interior = [&inside](RowMask& mask, int y) {
        int x0 = 0;
        int x1 = 0;
        if (inside.Row(y, x0, x1))
            mask.Add(x0, x1);
    };
    const Pixel penPixel = ToPixel(pen.color);
    const Pixel brushPixel = ToPixel(brush.color);
    if (IsWide(pen)) {
        const raster::WidePen widePen(pen.width);
        raster::StrokeWide(target_, widePen, penPixel, pen.mode, path.Size(), at, true, fill, brushPixel, interior);
        return;
    }
    if (fill)
        FillRows(target_, inside.Top(), inside.Bottom(), brushPixel, pen.mode, interior);
    if (HasPen(pen))
        raster::ThinPolyline(target_, path.Size(), at, true, penPixel, pen.mode);
}

void Canvas::Polygon(std::span<const Point> points) {
    DrawClosedPolygon(*this, static_cast<int>(points.size()),
                      [points](int i) { return points[static_cast<std::size_t>(i)]; });
}

void DrawPolygon(Canvas& canvas, std::span<const int> values) {
    DrawClosedPolygon(canvas, static_cast<int>(values.size() / 2), [values](int i) {
        const auto k = static_cast<std::size_t>(i) * 2;
        return Point{values[k], values[k + 1]};
    });
}

void FillLensCorners(Canvas& canvas, Color color) {
    // The square as a region XOR the circle's elliptic region: each row of the square less the circle's span
    // on it, which lies inside the square.
    raster::EllipticRegion circle;
    circle.Build(15, 15, 185, 185);
    Bitmap& bitmap = canvas.Target();
    const Pixel pixel = ToPixel(color);
    for (int y = 0; y < std::min(200, bitmap.Height()); ++y) {
        int x0 = 0;
        int x1 = 0;
        if (circle.Row(y, x0, x1)) {
            raster::MixSpan(bitmap, y, 0, x0, pixel, MixMode::Copy);
            raster::MixSpan(bitmap, y, x1, 200, pixel, MixMode::Copy);
        } else {
            raster::MixSpan(bitmap, y, 0, 200, pixel, MixMode::Copy);
        }
    }
    canvas.brush = Brush{kWhite, BrushStyle::Solid};
}

}  // namespace pixo
