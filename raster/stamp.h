#pragma once

#include <vector>

#include "raster/bitmap.h"
#include "raster/canvas.h"

namespace pixo {

// A drawing made in copy mode only, recorded once as runs of one colour and put down again on every draw.
// Copy mode paints a pixel the same whatever lies beneath, so putting the stamp down gives exactly the
// picture that the drawing itself gives, at the cost of a few fills.
class Stamp {
  public:
    // Records what `draw(canvas)` paints on a bitmap of the given size. `draw` must use copy mode only (and
    // may leave interiors unchanged with a clear brush).
    template <class Draw>
    void Record(int width, int height, Draw draw) {
        // A pixel that the drawing paints ends up the same on a black and on a white picture; one it leaves
        // alone keeps the two different colours.
        Bitmap onBlack(width, height);
        Bitmap onWhite(width, height);
        onWhite.Fill(kWhite);
        Canvas black(onBlack);
        Canvas white(onWhite);
        draw(black);
        draw(white);
        RecordPainted(onBlack, onWhite);
    }
    bool Empty() const { return runs_.empty(); }
    // Paints the recorded pixels onto the target (clipped to it).
    void Apply(Bitmap& target) const;

  private:
    void RecordPainted(const Bitmap& onBlack, const Bitmap& onWhite);

    struct Run {
        int y = 0;
        int x0 = 0;
        int x1 = 0;  // exclusive
        Pixel pixel = 0;
    };
    std::vector<Run> runs_;
};

}  // namespace pixo
