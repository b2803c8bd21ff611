// The exposure check on the lens: its menu item and the indicator drawn over the view.
#include "lens/form_filter.h"
#include "measure/exposure.h"
#include "raster/canvas.h"

namespace pixo {

// After the item toggled itself. Like the colour picker's toggle it ends the measuring display, not the
// measurement.
void TFormFilter::ExpoCheck1Click() {
    ClearMeasureDisplay(lens);
    labels[LabelId::CropLabel].visible = false;
    ReInitAfterPopUp();
}

// Runs after the colour picker and before the lens picture. With the picker off it draws the centre swatch
// itself, framed in grey instead of the picker's light grey.
void TFormFilter::DrawExposureCheck(int left) {
    Canvas canvas(backBuffer_);
    canvas.pen = {kExposureOutline, 1, PenStyle::Solid, MixMode::Copy};
    const ExposureIndicator indicator = ExposureIndicatorOf(PickedColor, left);
    canvas.brush = {indicator.fill, BrushStyle::Solid};
    canvas.Ellipse(indicator.circle.left, indicator.circle.top, indicator.circle.right, indicator.circle.bottom);
    if (indicator.bar) {
        canvas.brush.color = PickedColor;
        canvas.Rectangle(indicator.barBox.left, indicator.barBox.top, indicator.barBox.right, indicator.barBox.bottom);
    }
    if (!PopupMenu1.Checked(MenuId::ShowColVal))
        DrawSwatch(kExposureOutline);
}

}  // namespace pixo
