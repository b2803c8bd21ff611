#pragma once

#include "commands/magnification.h"
#include "commands/options.h"
#include "lens/labels.h"

namespace pixo {

// The readout's place: below the lens centre while the window's top lies more than 25 pixels above the
// screen (where the usual place would be off the screen), otherwise above it.
constexpr int ReadoutTop(int windowTop) {
    return windowTop < -25 ? 115 : 67;
}

// What every draw does to the labels besides their texts: the magnification label's text, which labels the
// options show, and where the colour and Pantone readouts sit for the window's top.
void PlaceLabels(Labels& labels, const Options& options, int windowTop, const Magnification& step);

}  // namespace pixo
