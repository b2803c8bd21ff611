#include "lens/label_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pixo {

int ApertureWidthOver(int top, int bottom) {
    constexpr int kCentre = 100;
    constexpr int kRadius = 85;
    const int farthest = std::max(std::abs(top - kCentre), std::abs(bottom - 1 - kCentre));
    if (farthest >= kRadius || bottom <= top)
        return 0;
    // Whole pixels of the chord at that row, both halves alike.
    return 2 * static_cast<int>(std::sqrt(static_cast<double>(kRadius * kRadius - farthest * farthest)));
}

void PlaceLabels(Labels& labels, const Options& options, int windowTop, const Magnification& step) {
    labels[LabelId::ZoomLabel].text = step.zoomText;
    labels[LabelId::ZoomLabel].visible = options.showMagnification;
    labels[LabelId::XYLabel].visible = options.showXY;
    labels[LabelId::XYShadeLabel].visible = options.showXY;

    const int readoutTop = ReadoutTop(windowTop);
    labels[LabelId::ColorLabel].top = readoutTop;
    labels[LabelId::ColorShadeLabel].top = readoutTop + 1;
    // The Pantone name sits 17 pixels above the colour value, or below it when the readout is lowered; its
    // shade lies one pixel toward the lens centre.
    const bool lowered = readoutTop == 115;
    labels[LabelId::PMSLabel1].top = lowered ? 132 : 50;
    labels[LabelId::PMSLabel1Shade].top = lowered ? 133 : 49;
}

}  // namespace pixo
