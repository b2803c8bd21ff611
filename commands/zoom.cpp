#include "commands/zoom.h"

namespace pixo {

std::int64_t Zoom::MagnifyTo(int factor, bool keepTopLeft) {
    const Magnification* target = MagnificationOf(factor);
    if (target == nullptr)
        return 0;
    std::int64_t shift = 0;
    if (keepTopLeft) {
        if (factor == 0)
            shift = factor_ > 0 ? zoomstep_ : 0;
        else if (factor != factor_)
            shift = std::int64_t{Step().zoomstep} - target->zoomstep;
    }
    factor_ = factor;
    zoomstep_ = target->zoomstep;
    return shift;
}

std::optional<int> Zoom::Next(int direction) const {
    const int next = factor_ + direction;
    if (next < 0 || next > 3)
        return std::nullopt;
    return next;
}

void Zoom::RestoreFactor(int factor) {
    if (MagnificationOf(factor) != nullptr)
        factor_ = factor;
}

}  // namespace pixo
