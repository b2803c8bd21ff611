// Copies between bitmaps with the platform's pixel placement.
#include <algorithm>

#include "raster/canvas.h"

namespace pixo {

namespace {

// Calls map(targetIndex, sourceIndex) to place `sourceLength` pixels on `targetLength` pixels the way the
// platform's colour-on-colour stretch does: a Bresenham walk that samples the source at the centre of
// each target pixel; a centre that falls exactly on the border of two source pixels takes the first of
// them. When shrinking, several source pixels meet one target
// pixel; `firstOnly` keeps the first of them, otherwise each is passed on in turn (the last one stays).
template <class Map>
void MapAxis(int sourceLength, int targetLength, bool firstOnly, Map map) {
    if (sourceLength <= targetLength) {
        long long err = 3LL * sourceLength - 2LL * targetLength;
        int s = 0;
        for (int t = 0; t < targetLength; ++t) {
            map(t, s);
            if (err > 0) {
                ++s;
                err += 2LL * sourceLength - 2LL * targetLength;
            } else {
                err += 2LL * sourceLength;
            }
        }
        return;
    }
    long long err = 3LL * targetLength - 2LL * sourceLength;
    int t = 0;
    bool placed = false;
    for (int s = 0; s < sourceLength && t < targetLength; ++s) {
        if (!firstOnly || !placed)
            map(t, s);
        placed = true;
        if (err > 0) {
            ++t;
            placed = false;
            err += 2LL * targetLength - 2LL * sourceLength;
        } else {
            err += 2LL * targetLength;
        }
    }
}

Pixel SourcePixel(const Bitmap& source, int x, int y, Pixel outside) {
    return source.Contains(x, y) ? source.Row(y)[x] : outside;
}

// The widest target a stretch maps through its column table on the stack; wider ones take the slow path.
constexpr int kMaxTableColumns = 4096;
constexpr int kUnmapped = -0x7FFFFFFF;

// Copies source pixels [sx + first, sx + last) of one row to line[tx + first, tx + last), `outside` where the
// source row or column lies outside the source bitmap.
void CopyRow(const Bitmap& source, int sx, int sourceY, Pixel* line, int tx, int first, int last, Pixel outside) {
    if (first >= last)
        return;
    Pixel* to = line + (tx + first);
    if (sourceY < 0 || sourceY >= source.Height()) {
        std::fill(to, to + (last - first), outside);
        return;
    }
    const int insideFirst = std::clamp(-sx, first, last);
    const int insideLast = std::clamp(source.Width() - sx, insideFirst, last);
    std::fill(to, to + (insideFirst - first), outside);
    const Pixel* from = source.Row(sourceY) + (sx + insideFirst);
    std::copy(from, from + (insideLast - insideFirst), to + (insideFirst - first));
    std::fill(to + (insideLast - first), to + (last - first), outside);
}

}  // namespace

void StretchCopy(const Bitmap& source,
                 int sx,
                 int sy,
                 int sw,
                 int sh,
                 Bitmap& target,
                 int tx,
                 int ty,
                 int tw,
                 int th,
                 Color outside) {
    if (sw <= 0 || sh <= 0 || tw <= 0 || th <= 0)
        return;
    // The platform drops the last source column (row) when stretching onto a single one.
    if (tw == 1 && sw > 1)
        --sw;
    if (th == 1 && sh > 1)
        --sh;
    const Pixel outsidePixel = ToPixel(outside);
    if (tw > kMaxTableColumns) {
        MapAxis(sh, th, true, [&](int row, int sourceRow) {
            const int y = ty + row;
            if (y < 0 || y >= target.Height())
                return;
            Pixel* line = target.Row(y);
            MapAxis(sw, tw, false, [&](int column, int sourceColumn) {
                const int x = tx + column;
                if (x >= 0 && x < target.Width())
                    line[x] = SourcePixel(source, sx + sourceColumn, sy + sourceRow, outsidePixel);
            });
        });
        return;
    }
    // The column placement is the same for every row: work it out once. This is the hot path of every
    // magnified draw of the loupe.
    int sourceColumnOf[kMaxTableColumns];
    std::fill(sourceColumnOf, sourceColumnOf + tw, kUnmapped);
    MapAxis(sw, tw, false, [&](int column, int sourceColumn) { sourceColumnOf[column] = sx + sourceColumn; });
    const int firstColumn = std::max(0, -tx);
    const int lastColumn = std::min(tw, target.Width() - tx);
    const unsigned sourceWidth = static_cast<unsigned>(source.Width());
    MapAxis(sh, th, true, [&](int row, int sourceRow) {
        const int y = ty + row;
        if (y < 0 || y >= target.Height())
            return;
        Pixel* line = target.Row(y);
        const int sourceY = sy + sourceRow;
        const bool rowInside = sourceY >= 0 && sourceY < source.Height();
        const Pixel* from = rowInside ? source.Row(sourceY) : nullptr;
        for (int column = firstColumn; column < lastColumn; ++column) {
            const int s = sourceColumnOf[column];
            if (s == kUnmapped)
                continue;
            line[tx + column] = rowInside && static_cast<unsigned>(s) < sourceWidth ? from[s] : outsidePixel;
        }
    });
}

void CopyRect(const Bitmap& source, int sx, int sy, Bitmap& target, int tx, int ty, int w, int h, Color outside) {
    const Pixel outsidePixel = ToPixel(outside);
    const int top = std::max(0, -ty);
    const int bottom = std::min(h, target.Height() - ty);
    const int left = std::max(0, -tx);
    const int right = std::min(w, target.Width() - tx);
    for (int row = top; row < bottom; ++row)
        CopyRow(source, sx, sy + row, target.Row(ty + row), tx, left, right, outsidePixel);
}

void AndCopy(const Bitmap& source, Bitmap& target) {
    const int w = std::min(source.Width(), target.Width());
    const int h = std::min(source.Height(), target.Height());
    for (int y = 0; y < h; ++y) {
        const Pixel* from = source.Row(y);
        Pixel* to = target.Row(y);
        for (int x = 0; x < w; ++x)
            to[x] &= from[x];
    }
}

void CopyRegion(const Bitmap& source, Bitmap& target, int x, int y, int w, int h) {
    w = std::max(w, 0);
    h = std::max(h, 0);
    if (target.Width() != w || target.Height() != h)
        target.Resize(w, h);
    CopyRect(source, x, y, target, 0, 0, w, h, kBlack);
}

}  // namespace pixo
