// The pixel ruler and the caliper over the view, with their number and size labels.
#include "lens/form_filter.h"
#include "raster/canvas.h"

namespace pixo {
namespace {

constexpr LabelId kSizeLabels[] = {LabelId::FactorLabel, LabelId::FactorShade, LabelId::FactorLabel2,
                                   LabelId::FactorShade2};

LabelId RulerNumber(LabelId first, int pair) {
    return static_cast<LabelId>(static_cast<int>(first) + pair - 1);
}

}  // namespace

// Runs in ruler and caliper mode only, after the frame. The twenty number labels are fixed controls:
// each draw hides them and places again those that the ruler uses.
void TFormFilter::DrawRulerAndCaliper() {
    const bool caliper = PopupMenu1.Checked(MenuId::Caliper1);
    ShowCaliperSizes(caliper);
    MeasureLabelsOff();
    const RulerGeometry ruler = RulerGeometryOf(lens.Factor, lens.RulerFactor);
    // The jaws are drawn in the ruler's first tick pass: without one (a unit past the view) there are none.
    if (ruler.tickCount < 1)
        return;

    Canvas canvas(backBuffer_);
    if (caliper) {
        const CaliperJaws jaws = CaliperJawsOf(lens.Factor, lens.CaliperFactorH, lens.CaliperFactorV);
        canvas.pen = {kBlack, 1, PenStyle::Solid, MixMode::Copy};
        canvas.brush = {jaws.fill, BrushStyle::Solid};
        DrawPolygon(canvas, jaws.vertical);
        DrawPolygon(canvas, jaws.horizontal);
        return;
    }
    // Not-xor: a black tick inverts the picture under it, a red one keeps its red and inverts the rest.
    canvas.pen = {kBlack, 1, PenStyle::Solid, MixMode::NotXor};
    const int o = ruler.offset;
    for (int i = 1; i <= ruler.tickCount; ++i) {
        if (const std::optional<RulerNumberPlace> place =
                PlaceHorNumbers(i, ruler.tickCount, ruler.spacing, lens.RulerFactor, o)) {
            PlaceRulerNumbers(*place);
        }
        const TickLook look = TickLookOf(i);
        canvas.pen.color = look.red ? HexColor(0xFF0000) : kBlack;
        const int p = i * ruler.spacing;
        canvas.Line(p, o, p, o + look.length);
        canvas.Line(o, p, o + look.length, p);
    }
}

void TFormFilter::PlaceRulerNumbers(const RulerNumberPlace& place) {
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
void TFormFilter::ShowCaliperSizes(bool shown) {
    for (LabelId id : kSizeLabels)
        labels[id].visible = shown;
    if (!shown)
        return;
    Text horizontal;
    horizontal.AppendInt(lens.CaliperFactorH).Append("px");
    Text vertical;
    vertical.AppendInt(lens.CaliperFactorV).Append("px");
    labels[LabelId::FactorLabel].text = horizontal.View();
    labels[LabelId::FactorShade].text = horizontal.View();
    labels[LabelId::FactorLabel2].text = vertical.View();
    labels[LabelId::FactorShade2].text = vertical.View();
    labels[LabelId::FactorLabel].color = HexColor(0x1C2630);
    labels[LabelId::FactorLabel2].color = HexColor(0x1C2630);
}

void TFormFilter::MeasureLabelsOff() {
    for (int pair = 1; pair <= 10; ++pair) {
        labels[RulerNumber(LabelId::R1, pair)].visible = false;
        labels[RulerNumber(LabelId::V1, pair)].visible = false;
    }
}

// Outside ruler and caliper mode no number and no size shows.
void TFormFilter::HideMeasureLabels() {
    MeasureLabelsOff();
    for (LabelId id : kSizeLabels)
        labels[id].visible = false;
}

}  // namespace pixo
