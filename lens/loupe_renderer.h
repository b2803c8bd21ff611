#pragma once

#include <array>
#include <cstddef>

#include "capture/region.h"
#include "commands/magnification.h"
#include "commands/options.h"
#include "lens/labels.h"
#include "measure/measure_mode.h"
#include "raster/bitmap.h"
#include "raster/canvas.h"
#include "raster/smooth_view.h"
#include "raster/stamp.h"

namespace pixo {

// Everything a draw of the loupe depends on, read from the lens's state at the moment of the draw.
struct LoupeScene {
    int left = 0;  // the window's place on the screen
    int top = 0;
    int edgeLeft = 0;  // the window's place from the desktop's open left and top edges (Desktop::FromOpenEdges)
    int edgeTop = 0;
    int captureLeft = 0;  // where the capture's pixel (0, 0) lies on the screen: the virtual screen's corner
    int captureTop = 0;
    const Magnification* step = &kMagnifications[0];
    bool smoothView = false;  // the A key is held
    const Options* options = nullptr;
    const MeasureState* measure = nullptr;
    int rulerFactor = 10;
    int caliperH = 40;
    int caliperV = 20;
    bool cornerGuides = false;  // a region selection draws guides instead of the crosshair
    int cornerStep = 0;
    Region firstCorner;  // its left and top: the corner taken, once the step is above 1
};

// Composes the 200 x 200 loupe picture in the back buffer, from scratch on every draw: the magnified part of
// the capture under the window, the frame, the ruler or caliper (with their number and size labels), the
// corner guides, the measuring star, the crosshair, the colour swatch, the exposure indicator and the lens
// picture. It owns the picture and what it needs to compose it; a draw allocates nothing.
class LoupeRenderer {
  public:
    static constexpr int kSize = 200;
    // What lens pixels show whose source lies outside the captured screen.
    static constexpr Color kOutsideCapture = kBlack;

    // Sizes the picture and prepares the smoothed view's weights and the plain frame, once, at start.
    void Create();
    bool Created() const { return created_; }
    void SetLensPicture(LensPicture which, Bitmap picture);

    // Draws the scene over `capture`, which lies at (captureLeft, captureTop) on the screen, and returns the
    // colour under the crosshair's centre: the captured pixel the view shows at lens (100, 100), or the
    // smoothed view's colour there while it is held.
    Color Render(const LoupeScene& scene, const Bitmap& capture, Labels& labels);
    const Bitmap& Picture() const { return backBuffer_; }

  private:
    Color DrawView(const LoupeScene& scene, const Bitmap& capture);
    void DrawFrame(const Options& options);
    void DrawRulerOrCaliper(const LoupeScene& scene, Labels& labels);
    void DrawCaliper(const LoupeScene& scene);
    void DrawRuler(const LoupeScene& scene, Labels& labels);
    void DrawCornerGuides(const LoupeScene& scene);
    void DrawMeasureStar();
    void DrawCrosshair();
    void DrawSwatch(Color picked, Color frame);
    void DrawExposureCheck(const LoupeScene& scene, Color picked);
    void CombineLensPicture(LensPicture which);

    Bitmap backBuffer_;
    bool created_ = false;
    Bitmap smoothSource_;
    SmoothView smoothView_;
    Stamp plainFrame_;  // the drawn frame, recorded at creation
    std::array<AndPicture, static_cast<std::size_t>(LensPicture::Count)> lensPictures_;
};

// Ruler and caliper show only instead of the lens border.
constexpr bool RulerOrCaliperShown(const Options& options) {
    return options.mode == LensMode::Ruler || options.mode == LensMode::Caliper;
}

}  // namespace pixo
