#pragma once

#include "commands/keys.h"

namespace pixo {

// How far an arrow key moves the lens: ten pixels with exactly Ctrl, one otherwise.
constexpr int ArrowStep(Modifiers modifiers) {
    return modifiers == kCtrl ? 10 : 1;
}

// Where the P key parks the lens depends on the monitors: see Desktop::ParkedPlace (capture/desktop.h).

}  // namespace pixo
