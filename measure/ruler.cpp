#include "measure/ruler.h"

#include <algorithm>

#include "commands/magnification.h"

namespace pixo {
namespace {

constexpr int kViewSize = 200;

// m x value without overflow, for factors and magnifications straight from the settings store.
long long Scaled(int factor, int value) {
    return (static_cast<long long>(factor) + 1) * value;
}

// A jaw further off than this lies wholly outside the view wherever it is; keeping it here keeps its
// points (up to 75 past its edge) within int.
int JawPosition(int factor, int value) {
    return static_cast<int>(std::clamp(Scaled(factor, value), -1000LL, 1000LL));
}

}  // namespace

int ClampedToView(int value, int factor) {
    const Magnification* m = MagnificationOf(factor);
    if (m == nullptr || m->factor == 0)
        return value;
    return std::min(value, m->viewSpan - 1);
}

int ClampedRulerFactor(int value, int factor) {
    return value < 1 ? kLowestRulerFactor : ClampedToView(value, factor);
}

bool CanStepFactor(int value, int delta, int lowest, int factor) {
    return (delta < 0 && value > lowest) || (delta > 0 && value < ViewSpanOf(factor));
}

RulerGeometry RulerGeometryOf(int factor, int rulerFactor) {
    const long long spacing = Scaled(factor, rulerFactor);
    RulerGeometry g{};
    g.offset = factor == 0 ? 0 : 4;
    if (spacing >= 1 && spacing <= kViewSize) {
        g.spacing = static_cast<int>(spacing);
        g.tickCount = kViewSize / g.spacing;
    }
    return g;
}

TickLook TickLookOf(int tick) {
    const bool fifth = tick >= 5 && tick <= 100 && tick % 5 == 0;
    return {fifth, fifth && tick % 10 == 0 ? 17 : 13};
}

std::optional<RulerNumberPlace> PlaceHorNumbers(int tick, int tickCount, int spacing, int rulerFactor, int offset) {
    const int p = tick * spacing;
    if (p >= kViewSize)
        return std::nullopt;
    const int step = tickCount < 10 ? 1 : tickCount <= 40 ? 5 : 10;
    const int pair = tick / step;
    if (tick % step != 0 || pair < 1 || pair > 10)
        return std::nullopt;
    RulerNumberPlace place{};
    place.pair = pair;
    place.value = tick * rulerFactor;
    place.rLeft = p - 3;
    place.rTop = offset + 18;
    place.vLeft = offset + 17;
    // The first number of the finest ruler sits one pixel lower than the others.
    place.vTop = step == 10 && pair == 1 ? p - 2 : p - 3;
    return place;
}

CaliperJaws CaliperJawsOf(int factor, int caliperFactorH, int caliperFactorV) {
    const int h = JawPosition(factor, caliperFactorH);
    const int v = JawPosition(factor, caliperFactorV);
    if (factor == 0) {
        return {{h, 75, h + 20, 75, h + 20, 60, h + 5, 5, h, 0},
                {75, v, 75, v + 20, 60, v + 20, 5, v + 5, 0, v},
                HexColor(0x008000)};
    }
    return {{h, 0, h + 20, 0, h + 20, 15, h + 5, 70, h, 75},
            {0, v, 0, v + 20, 15, v + 20, 70, v + 5, 75, v},
            HexColor(0xFF0000)};
}

}  // namespace pixo
