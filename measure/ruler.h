#pragma once

// The pixel ruler and the caliper: their three size factors with the bounds of each magnification, and the
// overlays they draw over the 200 x 200 view. Positions are view pixels from the view's top-left corner; the
// factors count pixels of the captured screen, each shown as m = Factor + 1 view pixels (also at 3x, where
// the view stretches 66 captured pixels over 200).

#include <array>
#include <optional>

#include "raster/colors.h"

namespace pixo {

// ---- The size factors

// The lowest values the Shift keys step down to.
constexpr int kLowestRulerFactor = 2;
constexpr int kLowestCaliperFactor = 1;

// What every draw does to one factor at magnification `factor`: a value that reaches past the view is
// pulled back to the last pixel of it (100 or more at 2x becomes 99, 67 or more at 3x 66, 50 or more at 4x
// 49); 1:1 clamps nothing from above, and a clamped value stays when the view returns to 1:1. A factor
// outside 0..3 changes nothing.
int ClampedToView(int value, int factor);
// The ruler's unit as every draw leaves it: clamped to the view, and a unit below 1 (which only a damaged
// stored setting can hold, and which would put every tick on one spot) raised to the lowest the keys reach.
int ClampedRulerFactor(int value, int factor);
// Whether a Shift key may step a factor by `delta` (+1 or -1) at magnification `factor`: up while it is
// below the view span (200, 100, 67, 50), down while it is above `lowest`.
bool CanStepFactor(int value, int delta, int lowest, int factor);

// ---- The ruler

struct RulerGeometry {
    int spacing;    // view pixels between neighbouring ticks: m x RulerFactor
    int offset;     // how far the ticks stand off the view's edge: 0 at 1:1, 4 when magnified
    int tickCount;  // ticks 1 to tickCount lie at i x spacing; 0 (no tick pass at all) when the spacing is
                    // not positive or passes 200
};
RulerGeometry RulerGeometryOf(int factor, int rulerFactor);

struct TickLook {
    bool red;    // every fifth tick is red, otherwise black
    int length;  // 17 for ticks 10, 20, ..., 100, otherwise 13
};
TickLook TickLookOf(int tick);

// Where the number labels of one tick go: the pair R<pair> (under the top ruler) and V<pair> (right of the
// left ruler), both reading `value`, the tick's distance from the view's edge in captured pixels.
struct RulerNumberPlace {
    int pair;  // 1 to 10
    int value;
    int rLeft;
    int rTop;
    int vLeft;
    int vTop;
};
// The numbers of tick `tick` of `tickCount`, or nothing when the tick is not labelled or lies outside the
// view. Fewer than 10 ticks label every tick, 10 to 40 every fifth, more every tenth; ten pairs at most.
std::optional<RulerNumberPlace> PlaceHorNumbers(int tick, int tickCount, int spacing, int rulerFactor, int offset);

// ---- The caliper

// Two filled five-point jaws, each as (x, y) pairs for DrawPolygon. The vertical jaw's measuring edge is
// the line x = m x CaliperFactorH from y = 0 to 75, the horizontal jaw's the line y = m x CaliperFactorV from
// x = 0 to 75. At 1:1 the jaws are green and point up and left; magnified they are red and point the other
// way.
struct CaliperJaws {
    std::array<int, 10> vertical;
    std::array<int, 10> horizontal;
    Color fill;
};
CaliperJaws CaliperJawsOf(int factor, int caliperFactorH, int caliperFactorV);

}  // namespace pixo
