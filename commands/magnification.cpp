#include "commands/magnification.h"

#include "raster/canvas.h"

namespace pixo {

ScreenPoint CrosshairPixel(int left, int top, int factor) {
    constexpr int kViewSize = 200;
    constexpr int kCentre = kViewSize / 2;
    const Magnification* m = MagnificationOf(factor);
    if (m == nullptr || m->factor == 0)
        return {left + kCentre, top + kCentre};
    const int offset = m->zoomstep + StretchSourceOf(m->stretchSize, kViewSize, kCentre);
    return {left + offset, top + offset};
}

}  // namespace pixo
