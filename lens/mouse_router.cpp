#include "lens/mouse_router.h"

namespace pixo {

std::optional<MouseRouter::Point> MouseRouter::Press(const Labels& labels, int x, int y) {
    ignored_ = false;
    offset_ = {};
    if (const std::optional<LabelId> hit = labels.HitTest(x, y)) {
        const Label& label = labels[*hit];
        if (!label.takesMouse) {
            ignored_ = true;
            return std::nullopt;
        }
        offset_ = {label.left, label.top};
    }
    return Point{x - offset_.x, y - offset_.y};
}

std::optional<MouseRouter::Point> MouseRouter::Move(bool leftHeld, int x, int y) const {
    if (!leftHeld || ignored_)
        return std::nullopt;
    return Point{x - offset_.x, y - offset_.y};
}

int MouseRouter::Notches(int delta) {
    constexpr int kNotch = 120;
    wheel_ += delta;
    const int notches = wheel_ / kNotch;
    wheel_ -= notches * kNotch;
    return notches;
}

}  // namespace pixo
