// Copies between bitmaps with the platform's pixel placement.
#include <algorithm>
#include <cstddef>
#include <utility>

#include "raster/canvas.h"
#include "raster/simd.h"

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

// A run of consecutive source columns that each fill `repeat` consecutive target columns: the columns of an
// enlargement fall into a few such runs (at 3x: runs of 3 broken by two columns of 4).
struct ColumnRun {
    int sourceFirst = 0;
    int sourceCount = 0;
    int targetFirst = 0;
    int repeat = 0;
};
constexpr int kMaxColumnRuns = 64;

// Writes each of `count` source pixels `repeat` times. Repeats of 1 to 4, those of every magnification of
// the loupe, shuffle four pixels at a time.
void RepeatPixels(const Pixel* from, int count, int repeat, Pixel* to) {
    int i = 0;
#if PIXO_SSE2
    auto* out = reinterpret_cast<__m128i*>(to);
    switch (repeat) {
        case 1:
            std::copy(from, from + count, to);
            return;
        case 2:
            for (; i + 4 <= count; i += 4, out += 2) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
                _mm_storeu_si128(out, _mm_unpacklo_epi32(v, v));
                _mm_storeu_si128(out + 1, _mm_unpackhi_epi32(v, v));
            }
            break;
        case 3:
            for (; i + 4 <= count; i += 4, out += 3) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
                _mm_storeu_si128(out, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 0, 0)));
                _mm_storeu_si128(out + 1, _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 2, 1, 1)));
                _mm_storeu_si128(out + 2, _mm_shuffle_epi32(v, _MM_SHUFFLE(3, 3, 3, 2)));
            }
            break;
        case 4:
            for (; i + 4 <= count; i += 4, out += 4) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
                _mm_storeu_si128(out, _mm_shuffle_epi32(v, _MM_SHUFFLE(0, 0, 0, 0)));
                _mm_storeu_si128(out + 1, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 1, 1, 1)));
                _mm_storeu_si128(out + 2, _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 2, 2, 2)));
                _mm_storeu_si128(out + 3, _mm_shuffle_epi32(v, _MM_SHUFFLE(3, 3, 3, 3)));
            }
            break;
        default:
            break;
    }
#endif
    for (; i < count; ++i)
        std::fill_n(to + static_cast<std::ptrdiff_t>(i) * repeat, repeat, from[i]);
}

// Groups the columns [first, last) of the table into runs. False when a column is unmapped, a source column
// lies outside the source, or there are too many runs: then the table is walked pixel by pixel.
bool FindColumnRuns(const int* sourceColumnOf, int first, int last, int sourceWidth, ColumnRun* runs, int& runCount) {
    runCount = 0;
    int column = first;
    while (column < last) {
        const int s = sourceColumnOf[column];
        if (s == kUnmapped || s < 0 || s >= sourceWidth)
            return false;
        int end = column + 1;
        while (end < last && sourceColumnOf[end] == s)
            ++end;
        const int repeat = end - column;
        ColumnRun* run = runCount > 0 ? &runs[runCount - 1] : nullptr;
        if (run != nullptr && run->repeat == repeat && run->sourceFirst + run->sourceCount == s) {
            ++run->sourceCount;
        } else {
            if (runCount == kMaxColumnRuns)
                return false;
            runs[runCount++] = ColumnRun{s, 1, column, repeat};
        }
        column = end;
    }
    return true;
}

// to[x] &= from[x] for x in [first, last); the two rows do not overlap.
void AndRow(const Pixel* from, Pixel* to, int first, int last) {
    int x = first;
#if PIXO_SSE2
    for (; x + 4 <= last; x += 4) {
        auto* out = reinterpret_cast<__m128i*>(to + x);
        const __m128i mask = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x));
        _mm_storeu_si128(out, _mm_and_si128(_mm_loadu_si128(out), mask));
    }
#endif
    for (; x < last; ++x)
        to[x] &= from[x];
}

constexpr Pixel kRgb = 0xFFFFFF;

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
    if (firstColumn >= lastColumn)
        return;
    const unsigned sourceWidth = static_cast<unsigned>(source.Width());
    ColumnRun runs[kMaxColumnRuns];
    int runCount = 0;
    const bool byRuns = FindColumnRuns(sourceColumnOf, firstColumn, lastColumn, source.Width(), runs, runCount);
    const bool allMapped =
        std::find(sourceColumnOf + firstColumn, sourceColumnOf + lastColumn, kUnmapped) == sourceColumnOf + lastColumn;
    // A row that shows the same source row as the row drawn before it is a copy of that row.
    int previousY = -1;
    int previousSourceY = 0;
    MapAxis(sh, th, true, [&](int row, int sourceRow) {
        const int y = ty + row;
        if (y < 0 || y >= target.Height())
            return;
        Pixel* line = target.Row(y) + tx;
        const int sourceY = sy + sourceRow;
        if (allMapped && previousY >= 0 && sourceY == previousSourceY) {
            const Pixel* above = target.Row(previousY) + tx;
            std::copy(above + firstColumn, above + lastColumn, line + firstColumn);
        } else if (sourceY < 0 || sourceY >= source.Height()) {
            for (int column = firstColumn; column < lastColumn; ++column) {
                if (sourceColumnOf[column] != kUnmapped)
                    line[column] = outsidePixel;
            }
        } else if (byRuns) {
            const Pixel* from = source.Row(sourceY);
            for (int i = 0; i < runCount; ++i)
                RepeatPixels(from + runs[i].sourceFirst, runs[i].sourceCount, runs[i].repeat,
                             line + runs[i].targetFirst);
        } else {
            const Pixel* from = source.Row(sourceY);
            for (int column = firstColumn; column < lastColumn; ++column) {
                const int s = sourceColumnOf[column];
                if (s != kUnmapped)
                    line[column] = static_cast<unsigned>(s) < sourceWidth ? from[s] : outsidePixel;
            }
        }
        previousY = y;
        previousSourceY = sourceY;
    });
}

int StretchSourceOf(int sourceLength, int targetLength, int target) {
    if (target < 0 || target >= targetLength || sourceLength <= 0 || sourceLength > targetLength)
        return -1;
    int found = -1;
    MapAxis(sourceLength, targetLength, false, [&](int t, int s) {
        if (t == target)
            found = s;
    });
    return found;
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
    for (int y = 0; y < h; ++y)
        AndRow(source.Row(y), target.Row(y), 0, w);
}

AndPicture::AndPicture(Bitmap picture) : picture_(std::move(picture)) {
    white_.resize(static_cast<std::size_t>(picture_.Height()));
    for (int y = 0; y < picture_.Height(); ++y) {
        const Pixel* row = picture_.Row(y);
        WhiteRun& longest = white_[static_cast<std::size_t>(y)];
        int x = 0;
        while (x < picture_.Width()) {
            if ((row[x] & kRgb) != kRgb) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < picture_.Width() && (row[x] & kRgb) == kRgb)
                ++x;
            if (x - first > longest.last - longest.first)
                longest = WhiteRun{first, x};
        }
    }
}

void AndPicture::AndOnto(Bitmap& target) const {
    const int w = std::min(picture_.Width(), target.Width());
    const int h = std::min(picture_.Height(), target.Height());
    for (int y = 0; y < h; ++y) {
        const WhiteRun& white = white_[static_cast<std::size_t>(y)];
        const int first = std::min(white.first, w);
        const int last = std::clamp(white.last, first, w);
        AndRow(picture_.Row(y), target.Row(y), 0, first);
        AndRow(picture_.Row(y), target.Row(y), last, w);
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
