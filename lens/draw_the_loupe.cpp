// The picture: every draw composes it afresh from the state of the lens.
#include "capture/desktop.h"
#include "lens/form_filter.h"
#include "lens/label_layout.h"

namespace pixo {

void TFormFilter::DrawTheLoupe() {
    if (!renderer_.Created())
        return;
    const int left = services_.window.Left();
    const int top = services_.window.Top();
    LoupeScene scene = Scene(left, top);
    const Color picked = renderer_.Render(scene, capture_.Held().Pixels(), labels_);
    UpdateXYReadout(left, top);
    if (options_.colorPicker)
        readout_.Update(picked, capture_.Held().HasPixels(), options_, number_.decimal, labels_);
    else
        readout_.Pick(picked);
    // Near the desktop's top edge the readout and the message bar move down, so that they stay visible.
    PlaceLabels(labels_, options_, scene.edgeTop, zoom_.Step());
    bar_.FollowWindow(scene.edgeTop);
    speech_.Changed();
}

void TFormFilter::ReInitAfterPopUp() {
    DrawTheLoupe();
    services_.window.Invalidate();
}

// The lens's place is also taken from the desktop's open edges, as the parts of the lens that would lie beyond
// them, where no monitor shows anything, move inward; on one monitor these are the screen's own coordinates.
LoupeScene TFormFilter::Scene(int left, int top) const {
    const WindowPlace edges = Desktop(capture_.Held().Monitors()).FromOpenEdges(left, top);
    return {.left = left,
            .top = top,
            .edgeLeft = edges.left,
            .edgeTop = edges.top,
            .captureLeft = capture_.Held().Area().left,
            .captureTop = capture_.Held().Area().top,
            .step = &zoom_.Step(),
            .smoothView = keys_.smoothView,
            .options = &options_,
            .measure = &measuring_.State(),
            .rulerFactor = measuring_.RulerFactor(),
            .caliperH = measuring_.CaliperFactorH(),
            .caliperV = measuring_.CaliperFactorV(),
            .cornerGuides = regions_.Selecting(),
            .cornerStep = regions_.Step(),
            .firstCorner = regions_.Crop()};
}

// The XY readout names the pixel the crosshair's centre shows, the one whose colour is read. While a mark is
// set it shows the distance and direction from the mark, both taken at the lens centre.
ScreenPoint TFormFilter::XYReadoutPixel(int left, int top) const {
    return measuring_.State().MarkSet ? ScreenPoint{left + kLensSize / 2, top + kLensSize / 2}
                                      : CrosshairPixel(left, top, zoom_.Factor());
}

void TFormFilter::UpdateXYReadout(int left, int top) {
    const ScreenPoint picked = XYReadoutPixel(left, top);
    Label& xy = labels_[LabelId::XYLabel];
    xy.color = measuring_.ReadoutColor();
    xy.text = measuring_.Readout(picked.x, picked.y, number_.decimal, number_.thousands).View();
    labels_[LabelId::XYShadeLabel].text = xy.text.View();
}

}  // namespace pixo
