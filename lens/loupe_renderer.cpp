#include "lens/loupe_renderer.h"

#include <utility>

#include "measure/exposure.h"
#include "measure/ruler.h"

namespace pixo {
namespace {

constexpr int kW = LoupeRenderer::kSize;
constexpr int kH = LoupeRenderer::kSize;
constexpr LabelId kSizeLabels[] = {LabelId::FactorLabel, LabelId::FactorShade, LabelId::FactorLabel2,
                                   LabelId::FactorShade2};

LabelId RulerNumber(LabelId first, int pair) {
    return static_cast<LabelId>(static_cast<int>(first) + pair - 1);
}

// A plain drawn frame, for systems too slow to combine the lens picture. All of it is drawn in copy mode, so
// it is recorded once as a stamp: its 8-pixel ring alone would cost more than the rest of a draw together.
void DrawPlainFrame(Canvas& canvas) {
    FillLensCorners(canvas, HexColor(0x2C2C40));
    canvas.brush.style = BrushStyle::Clear;
    canvas.pen = {HexColor(0x1C2630), 8, PenStyle::Solid, MixMode::Copy};
    canvas.Ellipse(12, 12, 188, 188);
    canvas.pen = {HexColor(0x808080), 1, PenStyle::Solid, MixMode::Copy};
    canvas.Ellipse(8, 8, 192, 192);
    canvas.pen = {HexColor(0x444F51), 4, PenStyle::Solid, MixMode::Copy};
    canvas.Line(1, 0, 1, 200);
    canvas.Line(0, 1, 200, 1);
    canvas.pen.color = HexColor(0x0A0C11);
    canvas.Line(1, 198, 198, 198);
    canvas.Line(198, 2, 198, 198);
}

void HideRulerNumbers(Labels& labels) {
    for (int pair = 1; pair <= 10; ++pair) {
        labels[RulerNumber(LabelId::R1, pair)].visible = false;
        labels[RulerNumber(LabelId::V1, pair)].visible = false;
    }
}

void PlaceRulerNumbers(const RulerNumberPlace& place, Labels& labels) {
    Label& r = labels[RulerNumber(LabelId::R1, place.pair)];
    r.visible = true;
    r.left = place.rLeft;
    r.top = place.rTop;
    r.text.Clear();
    r.text.AppendInt(place.value);
    Label& v = labels[RulerNumber(LabelId::V1, place.pair)];
    v.visible = true;
    v.left = place.vLeft;
    v.top = place.vTop;
    v.text = r.text.View();
}

// In caliper mode the openings are written in the top-right and bottom-left corners: "40px", "20px".
void ShowCaliperSizes(bool shown, int horizontal, int vertical, Labels& labels) {
    for (LabelId id : kSizeLabels)
        labels[id].visible = shown;
    if (!shown)
        return;
    Text h;
    h.AppendInt(horizontal).Append("px");
    Text v;
    v.AppendInt(vertical).Append("px");
    labels[LabelId::FactorLabel].text = h.View();
    labels[LabelId::FactorShade].text = h.View();
    labels[LabelId::FactorLabel2].text = v.View();
    labels[LabelId::FactorShade2].text = v.View();
    labels[LabelId::FactorLabel].color = HexColor(0x1C2630);
    labels[LabelId::FactorLabel2].color = HexColor(0x1C2630);
}

}  // namespace

void LoupeRenderer::Create() {
    backBuffer_.Resize(kW, kH);
    // The smoothed view resamples one of three square sizes onto the lens; their weights are prepared now so
    // that a draw never computes or allocates them.
    for (const Magnification& m : kMagnifications) {
        if (m.factor > 0)
            smoothView_.Prepare(m.stretchSize, kW);
    }
    smoothSource_.Resize(kMagnifications[1].stretchSize, kMagnifications[1].stretchSize);
    plainFrame_.Record(kW, kH, DrawPlainFrame);
    created_ = true;
}

void LoupeRenderer::SetLensPicture(LensPicture which, Bitmap picture) {
    lensPictures_[static_cast<std::size_t>(which)] = AndPicture(std::move(picture));
}

Color LoupeRenderer::Render(const LoupeScene& scene, const Bitmap& capture, Labels& labels) {
    const Options& options = *scene.options;
    const Color picked = DrawView(scene, capture);
    DrawFrame(options);
    if (RulerOrCaliperShown(options))
        DrawRulerOrCaliper(scene, labels);
    if (scene.cornerGuides)
        DrawCornerGuides(scene);
    if (scene.measure->MeasureShown)
        DrawMeasureStar();
    if (options.crosshair && !scene.cornerGuides)
        DrawCrosshair();
    if (options.colorPicker)
        DrawSwatch(picked, HexColor(0xC0C0C0));
    if (options.exposureCheck)
        DrawExposureCheck(scene, picked);
    if (options.mode == LensMode::Border && !options.plainFrame)
        CombineLensPicture(options.picture);
    if (!RulerOrCaliperShown(options)) {
        HideRulerNumbers(labels);
        ShowCaliperSizes(false, 0, 0, labels);
    }
    return picked;
}

Color LoupeRenderer::DrawView(const LoupeScene& scene, const Bitmap& capture) {
    const Magnification& m = *scene.step;
    // Screen coordinates become the capture's here and for the picked pixel below.
    const int sx = scene.left + m.zoomstep - scene.captureLeft;
    const int sy = scene.top + m.zoomstep - scene.captureTop;
    if (m.factor == 0) {
        CopyRect(capture, sx, sy, backBuffer_, 0, 0, kW, kH, kOutsideCapture);
    } else if (!scene.smoothView) {
        StretchCopy(capture, sx, sy, m.stretchSize, m.stretchSize, backBuffer_, 0, 0, kW, kH, kOutsideCapture);
    } else {
        // Resampled straight into the picture: a separate 200 x 200 target would only be copied over it. The
        // colour under the crosshair is the resampled one.
        CopyRegion(capture, smoothSource_, sx, sy, m.stretchSize, m.stretchSize);
        smoothView_.Resample(smoothSource_, backBuffer_);
        return backBuffer_.GetPixel(kW / 2, kH / 2);
    }
    // Read from the capture rather than from the picture, which the overlays draw over.
    const ScreenPoint centre = CrosshairPixel(scene.left, scene.top, m.factor);
    return capture.GetPixel(centre.x - scene.captureLeft, centre.y - scene.captureTop);
}

void LoupeRenderer::DrawFrame(const Options& options) {
    Canvas canvas(backBuffer_);
    canvas.pen = {kBlack, 1, PenStyle::None, MixMode::NotXor};
    canvas.brush = {kWhite, BrushStyle::Solid};
    if (options.mode != LensMode::Border) {
        canvas.pen = {HexColor(0xC0C0C0), 1, PenStyle::Solid, MixMode::NotXor};
        canvas.Rectangle(0, 0, kW, kH);
        return;
    }
    if (!options.plainFrame) {
        // The picture's plate covers the corners exactly once they are white (see CombineLensPicture).
        FillLensCorners(canvas, kWhite);
        return;
    }
    plainFrame_.Apply(backBuffer_);
}

// The twenty number labels are fixed controls: each draw hides them and places again those the ruler uses.
void LoupeRenderer::DrawRulerOrCaliper(const LoupeScene& scene, Labels& labels) {
    const bool caliper = scene.options->mode == LensMode::Caliper;
    ShowCaliperSizes(caliper, scene.caliperH, scene.caliperV, labels);
    HideRulerNumbers(labels);
    // The jaws are drawn in the ruler's first tick pass: without one (a unit past the view) there are none.
    if (RulerGeometryOf(scene.step->factor, scene.rulerFactor).tickCount < 1)
        return;
    if (caliper)
        DrawCaliper(scene);
    else
        DrawRuler(scene, labels);
}

void LoupeRenderer::DrawCaliper(const LoupeScene& scene) {
    Canvas canvas(backBuffer_);
    const CaliperJaws jaws = CaliperJawsOf(scene.step->factor, scene.caliperH, scene.caliperV);
    canvas.pen = {kBlack, 1, PenStyle::Solid, MixMode::Copy};
    canvas.brush = {jaws.fill, BrushStyle::Solid};
    DrawPolygon(canvas, jaws.vertical);
    DrawPolygon(canvas, jaws.horizontal);
}

void LoupeRenderer::DrawRuler(const LoupeScene& scene, Labels& labels) {
    const RulerGeometry ruler = RulerGeometryOf(scene.step->factor, scene.rulerFactor);
    Canvas canvas(backBuffer_);
    // Not-xor: a black tick inverts the picture under it, a red one keeps its red and inverts the rest.
    canvas.pen = {kBlack, 1, PenStyle::Solid, MixMode::NotXor};
    canvas.brush = {kWhite, BrushStyle::Solid};
    const int o = ruler.offset;
    for (int i = 1; i <= ruler.tickCount; ++i) {
        if (const std::optional<RulerNumberPlace> place =
                PlaceHorNumbers(i, ruler.tickCount, ruler.spacing, scene.rulerFactor, o)) {
            PlaceRulerNumbers(*place, labels);
        }
        const TickLook look = TickLookOf(i);
        canvas.pen.color = look.red ? HexColor(0xFF0000) : kBlack;
        const int p = i * ruler.spacing;
        canvas.Line(p, o, p, o + look.length);
        canvas.Line(o, p, o + look.length, p);
    }
}

void LoupeRenderer::DrawCornerGuides(const LoupeScene& scene) {
    Canvas canvas(backBuffer_);
    canvas.pen = {HexColor(0x008000), 1, PenStyle::Solid, MixMode::NotMask};
    if (scene.cornerStep <= 1) {
        canvas.Line(30, 100, 170, 100);
        canvas.Line(100, 30, 100, 170);
        return;
    }
    // Two half arms point toward the corner already taken.
    const int centreX = scene.left + kW / 2;
    const int centreY = scene.top + kH / 2;
    if (centreX > scene.firstCorner.left)
        canvas.Line(30, 100, 100, 100);
    else
        canvas.Line(100, 100, 170, 100);
    if (centreY > scene.firstCorner.top)
        canvas.Line(100, 30, 100, 100);
    else
        canvas.Line(100, 100, 100, 170);
}

void LoupeRenderer::DrawMeasureStar() {
    Canvas canvas(backBuffer_);
    canvas.pen = {kMeasureStarPen, 1, PenStyle::Solid, MixMode::NotMask};
    for (const StarLine& line : kMeasureStar)
        canvas.Line(line.x0, line.y0, line.x1, line.y1);
}

void LoupeRenderer::DrawCrosshair() {
    Canvas canvas(backBuffer_);
    canvas.pen = {HexColor(0x808080), 1, PenStyle::Solid, MixMode::NotMask};
    canvas.brush.style = BrushStyle::Clear;
    canvas.Ellipse(60, 60, 140, 140);
    canvas.Line(100, 50, 100, 150);
    canvas.Line(50, 100, 150, 100);
}

// The picked colour at the centre, in a frame of the given colour.
void LoupeRenderer::DrawSwatch(Color picked, Color frame) {
    Canvas canvas(backBuffer_);
    // The outline leaves its interior alone: a white brush in not-xor mode changes nothing.
    canvas.pen = {frame, 1, PenStyle::Solid, MixMode::NotXor};
    canvas.brush = {kWhite, BrushStyle::Solid};
    canvas.Rectangle(92, 92, 108, 108);
    // The swatch fills the inside of the outline, pixels 93 to 106 both ways.
    canvas.brush = {picked, BrushStyle::Solid};
    canvas.pen = {kBlack, 1, PenStyle::None, MixMode::Copy};
    canvas.Rectangle(93, 93, 108, 108);
}

// Runs after the colour picker and before the lens picture. With the picker off it draws the centre swatch
// itself, framed in grey instead of the picker's light grey.
void LoupeRenderer::DrawExposureCheck(const LoupeScene& scene, Color picked) {
    Canvas canvas(backBuffer_);
    canvas.pen = {kExposureOutline, 1, PenStyle::Solid, MixMode::Copy};
    const ExposureIndicator indicator = ExposureIndicatorOf(picked, scene.edgeLeft);
    canvas.brush = {indicator.fill, BrushStyle::Solid};
    canvas.Ellipse(indicator.circle.left, indicator.circle.top, indicator.circle.right, indicator.circle.bottom);
    if (indicator.bar) {
        canvas.brush.color = picked;
        canvas.Rectangle(indicator.barBox.left, indicator.barBox.top, indicator.barBox.right, indicator.barBox.bottom);
    }
    if (!scene.options->colorPicker)
        DrawSwatch(picked, kExposureOutline);
}

void LoupeRenderer::CombineLensPicture(LensPicture which) {
    const AndPicture& picture = lensPictures_[static_cast<std::size_t>(which)];
    if (!picture.Empty())
        picture.AndOnto(backBuffer_);
}

}  // namespace pixo
