// The colour readout over the loupe: which label shows what, and the copy to the clipboard.
#include "color/grey.h"
#include "color/notations.h"
#include "color/pms_lookup.h"
#include "lens/form_filter.h"

namespace pixo {

void TFormFilter::UpdateReadout() {
    if (!capture_.HasPixels()) {
        // No grab has worked yet: there is no colour to tell, and none is made up.
        for (LabelId id : {LabelId::ColorLabel, LabelId::PMSLabel1, LabelId::PMSLabel1Shade, LabelId::GrayPercentLabel,
                           LabelId::GrayPercentShade})
            labels[id].text.Clear();
        return;
    }
    const Text grey = GreyText(PickedColor, PopupMenu1.Checked(MenuId::Showblack1));
    Label& greyLabel = labels[LabelId::GrayPercentLabel];
    Label& greyShade = labels[LabelId::GrayPercentShade];
    greyLabel.text = grey.View();
    greyShade.text = grey.View();
    if (!grey.Empty()) {
        greyLabel.visible = true;
        greyShade.visible = true;
    }

    if (PopupMenu1.Checked(MenuId::ShowPMS)) {
        const Text key = HtmlHexText(PickedColor);
        const std::string_view name = PmsName(key.View());
        Label& pms = labels[LabelId::PMSLabel1];
        pms.text.Clear();
        if (!name.empty())
            pms.text.Append("PMS: ").Append(name);
        labels[LabelId::PMSLabel1Shade].text = pms.text.View();
    }

    const NotationChecks checks{
        PopupMenu1.Checked(MenuId::HEXColor1), PopupMenu1.Checked(MenuId::WebSafe1),
        PopupMenu1.Checked(MenuId::HEXgrb1),   PopupMenu1.Checked(MenuId::ToCMYK1),
        PopupMenu1.Checked(MenuId::RGBtoHSB1), PopupMenu1.Checked(MenuId::RGBtoXYZ1),
        PopupMenu1.Checked(MenuId::RGBtoLAB1),
    };
    labels[LabelId::ColorLabel].text = ReadoutText(ChooseNotation(checks), PickedColor, decimalSeparator_).View();
    readoutShown_ = true;
}

void TFormFilter::ApplyReadoutVisibility() {
    const bool picker = PopupMenu1.Checked(MenuId::ShowColVal);
    const bool pms = picker && PopupMenu1.Checked(MenuId::ShowPMS);
    const bool grey = picker && PopupMenu1.Checked(MenuId::Showblack1);
    labels[LabelId::ColorLabel].visible = picker;
    labels[LabelId::ColorShadeLabel].visible = picker;
    labels[LabelId::PMSLabel1].visible = pms;
    labels[LabelId::PMSLabel1Shade].visible = pms;
    labels[LabelId::GrayPercentLabel].visible = grey;
    labels[LabelId::GrayPercentShade].visible = grey;
}

void TFormFilter::ShowColValClick() {
    ApplyReadoutVisibility();
    ClearMeasureDisplay(lens);
    labels[LabelId::CropLabel].visible = false;
    DrawTheLoupe();
    services_.window.Invalidate();
}

void TFormFilter::ShowPMSClick() {
    const bool pms = PopupMenu1.Checked(MenuId::ShowColVal) && PopupMenu1.Checked(MenuId::ShowPMS);
    labels[LabelId::PMSLabel1].visible = pms;
    labels[LabelId::PMSLabel1Shade].visible = pms;
    DrawTheLoupe();
    services_.window.Invalidate();
}

void TFormFilter::CopyValuetoClipboard1Click() {
    // With the picker off since start the label still holds its placeholder, which is no colour value.
    if (!readoutShown_)
        return;
    if (const Failure failure = services_.clipboard.SetText(labels[LabelId::ColorLabel].text.View()))
        ReportError("The colour value was not copied to the clipboard.", *failure);
}

}  // namespace pixo
