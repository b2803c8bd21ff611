#pragma once

#include <string>

#include "capture/region.h"
#include "raster/colors.h"

namespace pixo {

// Region selection: the user points the lens centre at two opposite corners and presses Q (a Qframe, stored
// and saved on demand) or C (a crop, saved at once) at each. One selection may mix the two keys: each press
// chooses its own caption and, at the second corner, the outcome.
enum class CornerKey { Q, C };

// Backgrounds of the message bar.
constexpr Color kFirstCornerColour = HexColor(0xF43FA5);
constexpr Color kNextCornerColour = HexColor(0xFF9338);
constexpr Color kNothingSelectedColour = HexColor(0xFF0000);
constexpr Color kInformationColour = HexColor(0x51BFE2);

constexpr const char kQframeSetCaption[] = "Qframe set - use Space Bar to capture";
constexpr const char kNoQframeCaption[] = "No Qframe assigned";
// A region save whose rectangle lies wholly outside the screen capture, or has no width or height.
constexpr const char kNothingToSaveCaption[] = "Nothing to save in that region";
const char* CropSavedCaption(bool toClipboard);

// "Qframe: x120 y80 | h300 w400": the stored Qframe's place and size, height before width.
std::string QframeText(int left, int top, int width, int height);

// The selection as the lens holds it. `step` counts the Q and C presses since the selection began (0 idle,
// 10 while a stored Qframe is saved); `selecting` makes the lens draw corner guides instead of the
// crosshair; `crop` holds the first corner during a selection and the rectangle to save after it.
struct CornerSelection {
    int step = 0;
    bool selecting = false;
    Region crop;
};

enum class CornerThen {
    Nothing,
    StoreQframe,  // the crop rectangle becomes the stored Qframe
    SaveCrop,     // save the crop rectangle from the current capture, then say where it went
};

// What one press asks of the lens besides the selection's own change.
struct CornerStepResult {
    const char* caption = nullptr;  // the bar's new caption and background; null: both unchanged
    Color background = kBlack;
    bool showBar = false;
    bool closeBar = false;  // hide the bar and empty its caption
    bool startTimer = false;
    bool click = false;  // the click sound of an accepted corner
    CornerThen then = CornerThen::Nothing;
};

// One press of Q or C with the lens centre at (centreX, centreY), screen pixels.
CornerStepResult StepCorners(CornerSelection& selection, CornerKey key, int centreX, int centreY);

}  // namespace pixo
