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

// The width of the lens's round aperture (radius 85 around the lens centre) over the rows top .. bottom - 1,
// where it is narrowest there; 0 for rows outside it.
int ApertureWidthOver(int top, int bottom);

// What every draw does to the labels besides their texts: the magnification label's text, which labels the
// options show, and where the colour and Pantone readouts sit for the window's top.
void PlaceLabels(Labels& labels, const Options& options, int windowTop, const Magnification& step);

}  // namespace pixo
