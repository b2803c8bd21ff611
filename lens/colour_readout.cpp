#include "lens/colour_readout.h"

#include "color/chart_label.h"
#include "color/readout.h"

namespace pixo {
namespace {

void SetPair(Labels& labels, LabelId label, LabelId shade, std::string_view text, bool utf8 = false) {
    labels[label].text = text;
    labels[shade].text = text;
    labels[label].utf8 = utf8;
    labels[shade].utf8 = utf8;
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
    const bool nearest = options.nearest != NearestName::Off;
    const ReadoutTexts texts =
        ReadoutFor(picked, options.notation, options.showPms && !nearest, options.showBlack, decimalSeparator);
    SetPair(labels, LabelId::GrayPercentLabel, LabelId::GrayPercentShade, texts.grey.View());
    // Percent black appears at the first grey; a colour that is not grey leaves the labels as they are shown.
    if (!texts.grey.Empty()) {
        labels[LabelId::GrayPercentLabel].visible = true;
        labels[LabelId::GrayPercentShade].visible = true;
    }
    // A chart chosen names the nearest colour whatever "Show PMS" says. While no name is asked for the labels
    // are hidden and keep their text.
    if (nearest) {
        const Utf8Text name = NearestChartLabel(ChartOf(options.nearest), picked, decimalSeparator);
        SetPair(labels, LabelId::PMSLabel1, LabelId::PMSLabel1Shade, name.View(), true);
    } else if (options.showPms) {
        SetPair(labels, LabelId::PMSLabel1, LabelId::PMSLabel1Shade, texts.pms.View());
    }
    SetPair(labels, LabelId::ColorLabel, LabelId::ColorShadeLabel, texts.value.View());
    shown_ = true;
}

void ColourReadout::ApplyVisibility(const Options& options, Labels& labels) {
    const bool picker = options.colorPicker;
    const bool pms = picker && (options.showPms || options.nearest != NearestName::Off);
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

std::optional<std::string_view> ColourReadout::NameText(const Labels& labels) {
    const Label& name = labels[LabelId::PMSLabel1];
    if (!name.visible || name.text.Empty())
        return std::nullopt;
    // Without the UTF-8 flag the text is a Pantone name of the table, all ASCII: the same bytes in UTF-8.
    return name.text.View();
}

void ColourReadout::PrepareCharts() {
    for (const Chart chart : {Chart::Pantone, Chart::RalClassic, Chart::RalDesign})
        (void)NearestChartColor(chart, kBlack);  // the answer does not matter: the index is built
}

}  // namespace pixo
