// Measuring on the lens: the M keys, the end of a measurement, the exposure check's toggle.
#include "lens/form_filter.h"

namespace pixo {

// M begins a measurement, then marks and unmarks the start position; Shift+M ends it. Both first save the
// options into the slots still empty.
void TFormFilter::MeasureKeyDown(Modifiers shift) {
    if (shift == kShift) {
        AfterMeasureRestore(measuring_.SaveAndFinish(options_));
    } else {
        const MeasureKeyOutcome outcome = measuring_.Mark(options_, services_.window.Left(), services_.window.Top());
        if (outcome.colorPickerStopped)
            ColourReadout::ApplyVisibility(options_, labels_);
        if (outcome.marked)
            (void)PlayResourceSound("SelectClickSound");  // a missing sound has been reported; the mark stands
        // The status stays until something hides it: no timer.
        bar_.Show(outcome.message.text, outcome.message.background);
    }
    ReInitAfterPopUp();
}

// Escape's part: a running measurement ends and the lens shows the options of before it.
void TFormFilter::EndMeasuring() {
    if (!measuring_.State().MeasureActive)
        return;
    ResetAfterMeasuring();
    ReInitAfterPopUp();
}

void TFormFilter::ResetAfterMeasuring() {
    AfterMeasureRestore(measuring_.Finish(options_));
}

// The readout labels follow the restored picker whether it comes back on or stays off, so that no stale
// colour value stays on the lens with the picker off; the measurement's status goes.
void TFormFilter::AfterMeasureRestore(const MeasureRestore& restore) {
    if (!restore.restored)
        return;
    ColourReadout::ApplyVisibility(options_, labels_);
    bar_.Hide();
}

// After the item toggled itself. Like the colour picker's toggle it ends the measuring display, not the
// measurement.
void TFormFilter::ExpoCheck1Click() {
    measuring_.ClearDisplay();
    bar_.Hide();
    ReInitAfterPopUp();
}

}  // namespace pixo
