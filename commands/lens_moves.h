#pragma once

#include "commands/keys.h"

namespace pixo {

// How far an arrow key moves the lens: ten pixels with exactly Ctrl, one otherwise.
constexpr int ArrowStep(Modifiers modifiers) {
    return modifiers == kCtrl ? 10 : 1;
}

struct LensPlace {
    int left = 0;
    int top = 0;
    friend bool operator==(const LensPlace&, const LensPlace&) = default;
};

// The P key: a lens parked at the screen's left edge (its Left at -180, twenty pixels of it showing) comes
// back one pixel inside the screen; any other lens parks there. Either way it goes to the screen's vertical
// middle.
constexpr LensPlace ParkedPlace(int left, int screenHeight) {
    constexpr int kParkedLeft = -180;
    return {left == kParkedLeft ? 1 : kParkedLeft, screenHeight / 2 - 100};
}

}  // namespace pixo
