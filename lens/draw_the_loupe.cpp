#include "commands/magnification.h"
#include "lens/form_filter.h"
#include "raster/canvas.h"

namespace pixo {
namespace {

constexpr int kW = TFormFilter::kLensSize;
constexpr int kH = TFormFilter::kLensSize;

}  // namespace

void TFormFilter::DrawTheLoupe() {
    if (!backBufferCreated_)
        return;
    const int left = services_.window.Left();
    const int top = services_.window.Top();
    lens.CenterX = left + kW / 2;
    lens.CenterY = top + kH / 2;
    // The XY readout names the pixel the crosshair's centre shows, the one whose colour is read.
    const ScreenPoint picked = CrosshairPixel(left, top, lens.Factor);

    Label& xy = labels[LabelId::XYLabel];
    xy.color = XYReadoutColor(lens);
    xy.text = XYReadout(lens, picked.x, picked.y, decimalSeparator_, thousandsSeparator_).View();
    labels[LabelId::XYShadeLabel].text = xy.text.View();

    DrawMagnifiedView(left, top);
    PickedColor = PickColor(picked);
    DrawFrame();
    if (RulerOrCaliperShown())
        DrawRulerAndCaliper();
    if (lens.CornerSelecting)
        DrawCornerGuides();
    if (lens.MeasureShown)
        DrawMeasureStar();
    if (PopupMenu1.Checked(MenuId::Crosshair1) && !lens.CornerSelecting)
        DrawCrosshair();
    if (PopupMenu1.Checked(MenuId::ShowColVal))
        DrawColorPicker();
    if (PopupMenu1.Checked(MenuId::ExpoCheck1))
        DrawExposureCheck(left);
    if (PopupMenu1.Checked(MenuId::LensBorder1) && !PopupMenu1.Checked(MenuId::NoBorderPict1))
        CombineLensPicture();
    PlaceLabels(top);
}

void TFormFilter::ReInitAfterPopUp() {
    DrawTheLoupe();
    services_.window.Invalidate();
}

void TFormFilter::DrawMagnifiedView(int left, int top) {
    const Magnification* m = MagnificationOf(lens.Factor);
    if (m == nullptr)
        return;  // an impossible stored factor draws nothing new over the last picture
    const int sx = left + m->zoomstep;
    const int sy = top + m->zoomstep;
    if (m->factor == 0) {
        CopyRect(capture_.Pixels(), sx, sy, backBuffer_, 0, 0, kW, kH, kOutsideCapture);
    } else if (!lens.SmoothViewHeld) {
        StretchCopy(capture_.Pixels(), sx, sy, m->stretchSize, m->stretchSize, backBuffer_, 0, 0, kW, kH,
                    kOutsideCapture);
    } else {
        // Resampled straight into the picture: a separate 200 x 200 target would only be copied over it.
        CopyRegion(capture_.Pixels(), smoothSource_, sx, sy, m->stretchSize, m->stretchSize);
        smoothView_.Resample(smoothSource_, backBuffer_);
    }
    // The ruler and caliper never measure past the view.
    lens.RulerFactor = ClampedRulerFactor(lens.RulerFactor, m->factor);
    lens.CaliperFactorH = ClampedToView(lens.CaliperFactorH, m->factor);
    lens.CaliperFactorV = ClampedToView(lens.CaliperFactorV, m->factor);
    PopupMenu1.SetChecked(m->item, true);
    labels[LabelId::ZoomLabel].text = m->zoomText;
}

// The colour under the crosshair's centre: the captured pixel that the view shows at lens (100, 100), read
// from the capture rather than from the picture, which the overlays draw over. The smoothed view shows a
// resampled colour there instead, and that is the one read.
Color TFormFilter::PickColor(ScreenPoint picked) const {
    if (lens.SmoothViewHeld && lens.Factor > 0 && lens.Factor <= 3)
        return backBuffer_.GetPixel(kW / 2, kH / 2);
    return capture_.PixelAt(picked.x, picked.y);
}

void TFormFilter::DrawFrame() {
    Canvas canvas(backBuffer_);
    canvas.pen = {kBlack, 1, PenStyle::None, MixMode::NotXor};
    canvas.brush = {kWhite, BrushStyle::Solid};
    if (!PopupMenu1.Checked(MenuId::LensBorder1)) {
        canvas.pen = {HexColor(0xC0C0C0), 1, PenStyle::Solid, MixMode::NotXor};
        canvas.Rectangle(0, 0, kW, kH);
        return;
    }
    if (!PopupMenu1.Checked(MenuId::NoBorderPict1)) {
        // The picture's plate covers the corners exactly once they are white (see CombineLensPicture).
        FillLensCorners(canvas, kWhite);
        return;
    }
    plainFrame_.Apply(backBuffer_);
}

void TFormFilter::DrawPlainFrame(Canvas& canvas) {
    // A plain drawn frame, for systems too slow to combine the lens picture. All of it is drawn in copy mode,
    // so FormCreate records it once as a stamp that DrawFrame puts down: its 8-pixel ring alone would cost
    // more than the rest of a draw together.
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

void TFormFilter::DrawCornerGuides() {
    Canvas canvas(backBuffer_);
    canvas.pen = {HexColor(0x008000), 1, PenStyle::Solid, MixMode::NotMask};
    if (lens.CornerStep <= 1) {
        canvas.Line(30, 100, 170, 100);
        canvas.Line(100, 30, 100, 170);
        return;
    }
    // Two half arms point toward the corner already taken.
    if (lens.CenterX > lens.CropLeft)
        canvas.Line(30, 100, 100, 100);
    else
        canvas.Line(100, 100, 170, 100);
    if (lens.CenterY > lens.CropTop)
        canvas.Line(100, 30, 100, 100);
    else
        canvas.Line(100, 100, 100, 170);
}

void TFormFilter::DrawCrosshair() {
    Canvas canvas(backBuffer_);
    canvas.pen = {HexColor(0x808080), 1, PenStyle::Solid, MixMode::NotMask};
    canvas.brush.style = BrushStyle::Clear;
    canvas.Ellipse(60, 60, 140, 140);
    canvas.Line(100, 50, 100, 150);
    canvas.Line(50, 100, 150, 100);
}

void TFormFilter::DrawColorPicker() {
    UpdateReadout();
    labels[LabelId::ColorShadeLabel].text = labels[LabelId::ColorLabel].text.View();
    DrawSwatch(HexColor(0xC0C0C0));
}

// The picked colour at the centre, in a frame of the given colour.
void TFormFilter::DrawSwatch(Color frame) {
    Canvas canvas(backBuffer_);
    // The outline leaves its interior alone: a white brush in not-xor mode changes nothing.
    canvas.pen = {frame, 1, PenStyle::Solid, MixMode::NotXor};
    canvas.brush = {kWhite, BrushStyle::Solid};
    canvas.Rectangle(92, 92, 108, 108);
    // The swatch fills the inside of the outline, pixels 93 to 106 both ways.
    canvas.brush = {PickedColor, BrushStyle::Solid};
    canvas.pen = {kBlack, 1, PenStyle::None, MixMode::Copy};
    canvas.Rectangle(93, 93, 108, 108);
}

// Ruler and caliper show only instead of the lens border.
bool TFormFilter::RulerOrCaliperShown() const {
    return (PopupMenu1.Checked(MenuId::Ruler1) || PopupMenu1.Checked(MenuId::Caliper1)) &&
           !PopupMenu1.Checked(MenuId::LensBorder1);
}

const AndPicture& TFormFilter::CurrentLensPicture() const {
    LensImage which = LensImage::Default;
    if (PopupMenu1.Checked(MenuId::GreenImage1))
        which = LensImage::Green;
    else if (PopupMenu1.Checked(MenuId::RedImage1))
        which = LensImage::Red;
    else if (PopupMenu1.Checked(MenuId::Blueimage1))
        which = LensImage::Blue;
    else if (PopupMenu1.Checked(MenuId::Ivoryimage1))
        which = LensImage::Ivory;
    return lensPictures_[static_cast<std::size_t>(which)];
}

void TFormFilter::CombineLensPicture() {
    const AndPicture& picture = CurrentLensPicture();
    if (!picture.Empty())
        picture.AndOnto(backBuffer_);
}

void TFormFilter::PlaceLabels(int top) {
    if (!RulerOrCaliperShown())
        HideMeasureLabels();
    labels[LabelId::ZoomLabel].visible = PopupMenu1.Checked(MenuId::ShowMagn1);
    labels[LabelId::XYLabel].visible = PopupMenu1.Checked(MenuId::Test1);
    labels[LabelId::XYShadeLabel].visible = PopupMenu1.Checked(MenuId::Test1);

    // Near the top of the screen the readout moves below the centre so that it stays visible.
    const int readoutTop = top < -25 ? 115 : 67;
    labels[LabelId::ColorLabel].top = readoutTop;
    labels[LabelId::ColorShadeLabel].top = readoutTop + 1;
    if (readoutTop == 115) {
        labels[LabelId::PMSLabel1].top = 132;
        labels[LabelId::PMSLabel1Shade].top = 133;
    } else {
        labels[LabelId::PMSLabel1].top = 50;
        labels[LabelId::PMSLabel1Shade].top = 49;
    }
    Label& crop = labels[LabelId::CropLabel];
    crop.top = top < -5 ? kH - crop.height : 0;
}

}  // namespace pixo
