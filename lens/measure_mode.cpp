// Measure mode on the lens: the M keys, the end of a measurement, and the star at the lens centre. The state
// machine and the readout text are measure/measure_mode.h.
#include "lens/form_filter.h"
#include "raster/canvas.h"

namespace pixo {

MeasureOptions TFormFilter::CurrentMeasureOptions() const {
    return {PopupMenu1.Checked(MenuId::Crosshair1), PopupMenu1.Checked(MenuId::Test1),
            PopupMenu1.Checked(MenuId::ShowColVal), PopupMenu1.Checked(MenuId::ExpoCheck1)};
}

void TFormFilter::SetMeasureOptions(const MeasureOptions& options) {
    PopupMenu1.SetChecked(MenuId::Crosshair1, options.crosshair);
    PopupMenu1.SetChecked(MenuId::Test1, options.showXY);
    PopupMenu1.SetChecked(MenuId::ShowColVal, options.colorPicker);
    PopupMenu1.SetChecked(MenuId::ExpoCheck1, options.expoCheck);
}

// M begins a measurement, then marks and unmarks the start position; Shift+M ends it. Both first save the
// options into the slots still empty.
void TFormFilter::MeasureKeyDown(Modifiers shift) {
    SaveMeasureOptions(lens, CurrentMeasureOptions());
    if (shift == kShift) {
        ResetAfterMeasuring();
    } else {
        MeasureOptions options = CurrentMeasureOptions();
        const MeasureKeyOutcome outcome = MeasureKey(lens, options, services_.window.Left(), services_.window.Top());
        SetMeasureOptions(options);
        if (outcome.colorPickerStopped)
            ApplyReadoutVisibility();
        if (outcome.marked)
            PlayResourceSound("SelectClickSound");
        // The status stays until something hides it: no timer.
        Label& bar = labels[LabelId::CropLabel];
        bar.text = outcome.message.text;
        bar.background = outcome.message.background;
        bar.visible = true;
    }
    ReInitAfterPopUp();
}

// Escape's part: a running measurement ends and the lens shows the options of before it.
void TFormFilter::EndMeasuring() {
    if (!lens.MeasureActive)
        return;
    ResetAfterMeasuring();
    ReInitAfterPopUp();
}

void TFormFilter::ResetAfterMeasuring() {
    MeasureOptions options = CurrentMeasureOptions();
    if (!RestoreAfterMeasuring(lens, options).restored)
        return;
    SetMeasureOptions(options);
    // The readout labels follow the restored picker whether it comes back on or stays off, so that no
    // stale colour value stays on the lens with the picker off.
    ApplyReadoutVisibility();
    labels[LabelId::CropLabel].visible = false;
}

void TFormFilter::DrawMeasureStar() {
    Canvas canvas(backBuffer_);
    canvas.pen = {kMeasureStarPen, 1, PenStyle::Solid, MixMode::NotMask};
    for (const StarLine& line : kMeasureStar)
        canvas.Line(line.x0, line.y0, line.x1, line.y1);
}

}  // namespace pixo
