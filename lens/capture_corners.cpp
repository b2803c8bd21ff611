// Region selection with Q and C, and the stored Qframe: saved from a fresh capture, shown in the bar.
#include "lens/form_filter.h"

namespace pixo {

void TFormFilter::CornerKeyDown(CornerKey key) {
    CornerSelection selection{
        lens.CornerStep, lens.CornerSelecting, {lens.CropLeft, lens.CropTop, lens.CropWidth, lens.CropHeight}};
    // Every corner is the screen pixel under the lens centre, whatever the magnification.
    const CornerStepResult step =
        StepCorners(selection, key, services_.window.Left() + kLensSize / 2, services_.window.Top() + kLensSize / 2);
    lens.CornerStep = selection.step;
    lens.CornerSelecting = selection.selecting;
    lens.CropLeft = selection.crop.left;
    lens.CropTop = selection.crop.top;
    lens.CropWidth = selection.crop.width;
    lens.CropHeight = selection.crop.height;

    Label& bar = labels[LabelId::CropLabel];
    if (step.click)
        PlayResourceSound("SelectClickSound");
    if (step.caption != nullptr) {
        bar.text = step.caption;
        bar.background = step.background;
    }
    if (step.showBar)
        bar.visible = true;
    if (step.closeBar) {
        bar.visible = false;
        bar.text.Clear();
    }
    if (step.startTimer)
        StartTimer1();

    if (step.then == CornerThen::StoreQframe) {
        lens.Frame1X = lens.CropLeft;
        lens.Frame1Y = lens.CropTop;
        lens.Frame2X = lens.CropWidth;
        lens.Frame2Y = lens.CropHeight;
    } else if (step.then == CornerThen::SaveCrop) {
        // A crop is saved from the capture the user is looking at: no recapture first.
        if (SaveCapture() == SaveResult::Saved) {
            bar.text = CropSavedCaption(PopupMenu1.Checked(MenuId::SaveToClipB1));
            bar.background = kInformationColour;
            bar.visible = true;
            StartTimer1();
        }
    }
    ReInitAfterPopUp();
}

void TFormFilter::SaveStoredQframe() {
    if (lens.Frame2X <= 0 || lens.Frame2Y <= 0) {
        StartMessage(kNoQframeCaption, kInformationColour);
        services_.window.Invalidate();
        return;
    }
    // The Qframe is always saved from a fresh capture: after a failed grab nothing is written.
    if (const Failure failure = Recapture()) {
        ReportError(kScreenCaptureError, *failure);
        return;
    }
    // Taken only now: the recapture may let other messages run.
    lens.CropLeft = lens.Frame1X;
    lens.CropTop = lens.Frame1Y;
    lens.CropWidth = lens.Frame2X;
    lens.CropHeight = lens.Frame2Y;
    lens.CornerStep = 10;
    (void)SaveCapture();  // a Qframe save confirms itself with the shutter only; failures have been shown
    // A selection in progress ended with the save: its guides go.
    ReInitAfterPopUp();
}

void TFormFilter::ShowStoredQframe() {
    const std::string text = QframeText(lens.Frame1X, lens.Frame1Y, lens.Frame2X, lens.Frame2Y);
    Label& bar = labels[LabelId::CropLabel];
    if (bar.text == text) {
        bar.visible = !bar.visible;
    } else {
        bar.background = kInformationColour;
        bar.text = text;
        bar.visible = true;
    }
    services_.window.Invalidate();
}

}  // namespace pixo
