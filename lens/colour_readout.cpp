#include "lens/colour_readout.h"

#include "color/readout.h"

namespace pixo {
namespace {

void SetPair(Labels& labels, LabelId label, LabelId shade, std::string_view text) {
    labels[label].text = text;
    labels[shade].text = text;
}

}  // namespace

void ColourReadout::Update(Color picked,
                           bool fromCapture,
                           const Options& options,
                           std::string_view decimalSeparator,
                           Labels& labels) {
    picked_ = picked;
    if (!fromCapture) {
        SetPair(labels, LabelId::ColorLabel, LabelId::ColorShadeLabel, "");
        SetPair(labels, LabelId::PMSLabel1, LabelId::PMSLabel1Shade, "");
        SetPair(labels, LabelId::GrayPercentLabel, LabelId::GrayPercentShade, "");
        return;
    }
    const ReadoutTexts texts =
        ReadoutFor(picked, options.notation, options.showPms, options.showBlack, decimalSeparator);
    SetPair(labels, LabelId::GrayPercentLabel, LabelId::GrayPercentShade, texts.grey.View());
    // Percent black appears at the first grey; a colour that is not grey leaves the labels as they are shown.
    if (!texts.grey.Empty()) {
        labels[LabelId::GrayPercentLabel].visible = true;
        labels[LabelId::GrayPercentShade].visible = true;
    }
    // While the Pantone name is not asked for its labels are hidden and keep their text.
    if (options.showPms)
        SetPair(labels, LabelId::PMSLabel1, LabelId::PMSLabel1Shade, texts.pms.View());
    SetPair(labels, LabelId::ColorLabel, LabelId::ColorShadeLabel, texts.value.View());
    shown_ = true;
}

void ColourReadout::ApplyVisibility(const Options& options, Labels& labels) {
    const bool picker = options.colorPicker;
    const bool pms = picker && options.showPms;
    const bool grey = picker && options.showBlack;
    labels[LabelId::ColorLabel].visible = picker;
    labels[LabelId::ColorShadeLabel].visible = picker;
    labels[LabelId::PMSLabel1].visible = pms;
    labels[LabelId::PMSLabel1Shade].visible = pms;
    labels[LabelId::GrayPercentLabel].visible = grey;
    labels[LabelId::GrayPercentShade].visible = grey;
}

std::optional<std::string_view> ColourReadout::CopyText(const Labels& labels) const {
    // With the picker off since start the label still holds its placeholder, which is no colour value.
    if (!shown_)
        return std::nullopt;
    return labels[LabelId::ColorLabel].text.View();
}

}  // namespace pixo
