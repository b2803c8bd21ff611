#pragma once

// The texts of the lens's labels as the user sees them. Labels that no other way reveals (the Pantone name,
// the percent black) are checked against the same text drawn here with the same GDI calls the lens makes:
// the pixels in the label's own colour must be exactly the same set.

#include <windows.h>

#include <set>
#include <string>
#include <utility>

#include "e2e/driver/screen.h"

namespace pixo::e2e {

// A readout label: its box in lens coordinates (right and bottom exclusive) and its text colour.
struct LabelBox {
    RECT box;
    Rgb colour;
};

// The Pantone name in its normal place, above the colour value, and the percent black above it.
constexpr LabelBox kPantoneLabel{{32, 50, 169, 63}, 0x00FF00};
constexpr LabelBox kGreyPercentLabel{{56, 30, 142, 43}, 0x00AACC};

using PixelSet = std::set<std::pair<int, int>>;

// The pixels of `picture` within `area` that are exactly `colour`.
PixelSet PixelsOfColour(const ScreenPicture& picture, const RECT& area, Rgb colour);

// Where a label's text may show: its box, and a margin for glyphs that reach over it (the lens draws
// without clipping to the box).
RECT LabelArea(const LabelBox& label);

// `text` drawn as the lens draws its readout labels (Arial, 13 pixels high, centred at the top of the box,
// transparent) into a 200 x 200 picture of the screen's format; an empty picture when GDI fails.
ScreenPicture RenderLabel(const std::wstring& text, const LabelBox& label);

// Empty when the pixels of the label's colour around its box on the lens are exactly those of `text`
// rendered here, and there are some; otherwise what differs.
std::string CheckLabelText(const ScreenPicture& lens, const std::wstring& text, const LabelBox& label);

// Empty when no pixel around the label's box has the label's colour: the label shows no text.
std::string CheckLabelEmpty(const ScreenPicture& lens, const LabelBox& label);

}  // namespace pixo::e2e
