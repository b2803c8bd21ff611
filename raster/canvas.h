#pragma once

#include <span>

#include "raster/bitmap.h"
#include "raster/colors.h"

namespace pixo {

// How a pen or brush combines with the picture (the raster operations of the platform).
enum class MixMode {
    Copy,     // the pen's colour
    NotXor,   // ~(pen ^ picture)
    NotMask,  // ~(pen & picture)
};

enum class PenStyle { Solid, None };
enum class BrushStyle { Solid, Clear };

struct Pen {
    Color color = kBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    MixMode mode = MixMode::Copy;
};

struct Brush {
    Color color = kWhite;
    BrushStyle style = BrushStyle::Solid;
};

struct Point {
    int x = 0;
    int y = 0;
};

// A drawing surface over a Bitmap that follows the platform's drawing conventions exactly:
// - lines leave out their end point;
// - rectangles and ellipses are given as (left, top, right, bottom) with right and bottom exclusive;
// - the pen's mix mode applies to outlines and to fills alike;
// - a clear brush leaves the interior of a shape unchanged.
// Everything is clipped to the bitmap. Nothing here allocates.
class Canvas {
  public:
    explicit Canvas(Bitmap& target) : target_(target) {}

    Pen pen;
    Brush brush;

    Bitmap& Target() { return target_; }

    void MoveTo(int x, int y);
    // Draws from the current position to (x, y), leaving out (x, y), and moves there.
    void LineTo(int x, int y);
    void Line(int x0, int y0, int x1, int y1) {
        MoveTo(x0, y0);
        LineTo(x1, y1);
    }
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);
    // Closed polygon through the points, filled by the alternate (even-odd) rule.
    void Polygon(std::span<const Point> points);

    Color GetPixel(int x, int y) const { return target_.GetPixel(x, y); }

  private:
    Bitmap& target_;
    Point position_;
};

// Fills the part of the square (0,0)-(200,200) outside the circle inscribed in (15,15)-(185,185) with the
// colour in copy mode (the square as a polygon region XOR the elliptic region), then leaves the canvas's
// brush white and solid.
void FillLensCorners(Canvas& canvas, Color color);

// Draws the closed polygon through the points given as consecutive (x, y) pairs with the canvas's pen and
// brush.
void DrawPolygon(Canvas& canvas, std::span<const int> values);

// Nearest-neighbour stretch of the source rectangle onto the target rectangle, exactly as the platform's
// stretch copy places pixels (colour-on-colour mode). Target pixels whose source lies outside the source
// bitmap get `outside`.
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
                 Color outside);

// The source index that StretchCopy shows at `target` when it stretches `sourceLength` pixels over
// `targetLength` (enlarging or equal); -1 for a target index outside 0 .. targetLength - 1.
int StretchSourceOf(int sourceLength, int targetLength, int target);

// Copies a w x h rectangle from the source at (sx, sy) to the target at (tx, ty); pixels whose source lies
// outside the source bitmap get `outside`.
void CopyRect(const Bitmap& source, int sx, int sy, Bitmap& target, int tx, int ty, int w, int h, Color outside);

// Each target pixel becomes its value AND the source pixel at the same position (over the smaller size).
void AndCopy(const Bitmap& source, Bitmap& target);

// A picture that is ANDed over others, as the lens pictures are over the loupe. ANDing white changes no pixel
// (the top byte of a pixel is always 0), so the longest run of white pixels of each row, found once here, is
// skipped: in the lens pictures that is the aperture, more than half of the picture.
class AndPicture {
  public:
    AndPicture() = default;
    explicit AndPicture(Bitmap picture);

    bool Empty() const { return picture_.Empty(); }
    const Bitmap& Picture() const { return picture_; }
    // What AndCopy(Picture(), target) does.
    void AndOnto(Bitmap& target) const;

  private:
    struct WhiteRun {
        int first = 0;
        int last = 0;  // exclusive
    };
    Bitmap picture_;
    std::vector<WhiteRun> white_;  // one per row
};

// Sizes the target to w x h and copies that rectangle of the source into it (black outside the source).
void CopyRegion(const Bitmap& source, Bitmap& target, int x, int y, int w, int h);

}  // namespace pixo
