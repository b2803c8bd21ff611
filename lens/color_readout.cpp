// The colour readout's commands: the picker and Pantone toggles, the copy to the clipboard, and the readout
// as screen readers are told it.
#include "lens/form_filter.h"

namespace pixo {

void TFormFilter::ShowColValClick() {
    ColourReadout::ApplyVisibility(options_, labels_);
    measuring_.ClearDisplay();
    bar_.Hide();
    ReInitAfterPopUp();
}

void TFormFilter::ShowPMSClick() {
    ColourReadout::ApplyVisibility(options_, labels_);
    ReInitAfterPopUp();
}

void TFormFilter::CopyValuetoClipboard1Click() {
    const std::optional<std::string_view> text = readout_.CopyText(labels_);
    if (!text)
        return;
    if (const Failure failure = services_.clipboard.SetText(*text))
        ReportError("The colour value was not copied to the clipboard.", *failure);
}

void TFormFilter::CopyColourNameClick() {
    const std::optional<std::string_view> name = ColourReadout::NameText(labels_);
    if (!name)
        return;
    if (const Failure failure = services_.clipboard.SetUnicodeText(*name))
        ReportError("The colour name was not copied to the clipboard.", *failure);
}

void TFormFilter::NextNearestName() {
    options_.nearest = pixo::NextNearestName(options_.nearest);
    ShowPMSClick();
}

AccessibleTexts TFormFilter::AccessibleReadout() const {
    return AccessibleTextsOf({.labels = labels_,
                              .copied = readout_.CopyText(labels_),
                              .picker = options_.colorPicker,
                              .marked = measuring_.State().MarkSet,
                              .pixel = XYReadoutPixel(services_.window.Left(), services_.window.Top()),
                              .factor = zoom_.Factor()});
}

}  // namespace pixo
