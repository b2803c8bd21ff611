// Region selection with Q and C, and the stored Qframe: saved from a fresh capture, shown in the bar.
#include "lens/form_filter.h"

namespace pixo {

void TFormFilter::CornerKeyDown(CornerKey key) {
    // Every corner is the screen pixel under the lens centre, whatever the magnification.
    const CornerStepResult step =
        regions_.Press(key, services_.window.Left() + kLensSize / 2, services_.window.Top() + kLensSize / 2);
    ApplyCornerStep(step);
    // A crop is saved from the capture the user is looking at: no recapture first.
    if (step.then == CornerThen::SaveCrop && SaveCapture() == SaveResult::Saved)
        bar_.ShowBriefly(CropSavedCaption(options_.saveToClipboard), kInformationColour);
    ReInitAfterPopUp();
}

void TFormFilter::ApplyCornerStep(const CornerStepResult& step) {
    if (step.click)
        (void)PlayResourceSound("SelectClickSound");  // a missing sound has been reported; the corner stands
    if (step.caption != nullptr)
        bar_.SetCaption(step.caption, step.background);
    if (step.showBar)
        bar_.Reveal();
    if (step.closeBar)
        bar_.Close();
    if (step.startTimer)
        bar_.StartTimer();
}

void TFormFilter::EndCornerSelection() {
    regions_.End();
    bar_.Close();
    ReInitAfterPopUp();
}

void TFormFilter::SaveStoredQframe() {
    if (!regions_.HasQframe()) {
        bar_.ShowBriefly(kNoQframeCaption, kInformationColour);
        services_.window.Invalidate();
        return;
    }
    // The Qframe is always saved from a fresh capture: after a failed grab nothing is written.
    if (const Failure failure = Recapture()) {
        ReportError(kScreenCaptureError, *failure);
        return;
    }
    // Taken only now: the recapture may let other messages run.
    regions_.BeginQframeSave();
    (void)SaveCapture();  // a Qframe save confirms itself with the shutter only; failures have been shown
    // A selection in progress ended with the save: its guides go.
    ReInitAfterPopUp();
}

void TFormFilter::ShowStoredQframe() {
    bar_.Toggle(regions_.QframeCaption(), kInformationColour);
    services_.window.Invalidate();
}

}  // namespace pixo
