#include "capture/corner_selection.h"

#include <cstdlib>

namespace pixo {
namespace {

const char* ByKey(CornerKey key, const char* q, const char* c) {
    return key == CornerKey::Q ? q : c;
}

// The second corner and the first make the rectangle; of two corners, the pixel on the larger coordinate
// lies outside it.
void TakeSecondCorner(Region& crop, int x2, int y2) {
    crop.width = std::abs(x2 - crop.left);
    if (x2 < crop.left)
        crop.left -= crop.width;
    crop.height = std::abs(y2 - crop.top);
    if (y2 < crop.top)
        crop.top -= crop.height;
}

}  // namespace

const char* CropSavedCaption(bool toClipboard) {
    return toClipboard ? "Crop saved to the clipboard" : "Crop saved to file";
}

std::string QframeText(int left, int top, int width, int height) {
    return "Qframe: x" + std::to_string(left) + " y" + std::to_string(top) + " | h" + std::to_string(height) + " w" +
           std::to_string(width);
}

CornerStepResult StepCorners(CornerSelection& selection, CornerKey key, int centreX, int centreY) {
    CornerStepResult result;
    selection.step += 1;
    selection.selecting = true;
    Region& crop = selection.crop;
    switch (selection.step) {
        case 1:
            result.caption = ByKey(key, "Select first Qframe corner and Press Q", "Select first corner and Press C");
            result.background = kFirstCornerColour;
            result.showBar = true;
            break;
        case 2:
            result.click = true;
            crop.left = centreX;
            crop.top = centreY;
            result.caption =
                ByKey(key, "Select next Qframe corner and Press Q", "Select next corner - press C to capture");
            result.background = kNextCornerColour;
            break;
        case 3:
            TakeSecondCorner(crop, centreX, centreY);
            selection.selecting = false;
            if (crop.width <= 0 || crop.height <= 0) {
                // The step stays 3: the next press closes the message.
                result.caption =
                    ByKey(key, "Nothing selected! Press Esc to Close", "Nothing selected! Press C to Close");
                result.background = kNothingSelectedColour;
            } else if (key == CornerKey::Q) {
                result.click = true;
                result.then = CornerThen::StoreQframe;
                selection.step = 0;
                result.caption = kQframeSetCaption;
                result.background = kInformationColour;
                result.startTimer = true;
            } else {
                result.then = CornerThen::SaveCrop;  // the save ends the selection and says where it went
            }
            break;
        case 4:
            if (crop.width <= 0 || crop.height <= 0 || key == CornerKey::C) {
                selection.step = 0;
                selection.selecting = false;
                result.closeBar = true;
            }
            break;
        default:
            break;  // only Escape ends such a selection
    }
    return result;
}

}  // namespace pixo
