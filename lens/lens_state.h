#pragma once

#include <string>

#include "measure/measure_mode.h"
#include "raster/colors.h"

namespace pixo {

// The lens window's shared variables. Every handler reads and writes them directly; the options live in the
// pop-up menu's check marks instead (see PopupMenu). The measurement's fields (MarkSet, MeasureActive, ...)
// come from MeasureState, so that measure mode's state machine can work on them directly.
struct LensState : MeasureState {
    int Factor = 0;  // magnification index: 0 = 1:1, 1 = 2x, 2 = 3x, 3 = 4x
    int Zoomstep = 0;
    int RulerFactor = 10;
    int CaliperFactorH = 40;
    int CaliperFactorV = 20;

    bool CornerSelecting = false;
    int CornerStep = 0;
    bool SmoothViewHeld = false;
    bool KeyCodeDisplay = false;
    bool RecaptureRequested = false;

    int Frame1X = 0;
    int Frame1Y = 0;
    int Frame2X = 0;
    int Frame2Y = 0;

    bool Recapturing = false;
    bool LensPainted = false;
    bool LensShown = false;

    int CenterX = 0;
    int CenterY = 0;
    int CropLeft = 0;
    int CropTop = 0;
    int CropWidth = 0;
    int CropHeight = 0;
    int DragStartX = 0;
    int DragStartY = 0;

    std::string DocumentsDir;
    std::string CaptureFolder;
    std::string SettingsKeyName;
    std::string ProductName;
};

}  // namespace pixo
