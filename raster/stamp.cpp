#include "raster/stamp.h"

#include <algorithm>

namespace pixo {

void Stamp::RecordPainted(const Bitmap& onBlack, const Bitmap& onWhite) {
    runs_.clear();
    for (int y = 0; y < onBlack.Height(); ++y) {
        const Pixel* black = onBlack.Row(y);
        const Pixel* white = onWhite.Row(y);
        int x = 0;
        while (x < onBlack.Width()) {
            if (black[x] != white[x]) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < onBlack.Width() && black[x] == white[x] && black[x] == black[first])
                ++x;
            runs_.push_back(Run{y, first, x, black[first]});
        }
    }
}

void Stamp::Apply(Bitmap& target) const {
    for (const Run& run : runs_) {
        if (run.y >= target.Height())
            break;
        const int x1 = std::min(run.x1, target.Width());
        if (run.x0 < x1) {
            Pixel* row = target.Row(run.y);
            std::fill(row + run.x0, row + x1, run.pixel);
        }
    }
}

}  // namespace pixo
