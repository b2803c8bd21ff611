#include <algorithm>
#include <cstdint>

#include "commands/magnification.h"
#include "lens/form_filter.h"

namespace pixo {

namespace {

using M = MenuId;
using F = TFormFilter;

struct MenuBinding {
    MenuId item;
    TFormFilter::Handler onClick;
};

// What a click on an item runs after its check mark has changed. Items not listed only change their check
// mark: options that take effect where they are read.
constexpr MenuBinding kMenuHandlers[] = {
    {.item = M::Recapture_screen, .onClick = &F::Recapture_screenClick},
    {.item = M::save1, .onClick = &F::save1Click},
    {.item = M::OpenDumps1, .onClick = &F::OpenDumps1Click},
    {.item = M::ShowColVal, .onClick = &F::ShowColValClick},
    {.item = M::ShowPMS, .onClick = &F::ShowPMSClick},
    {.item = M::CopyValuetoClipboard1, .onClick = &F::CopyValuetoClipboard1Click},
    {.item = M::magnify_1x, .onClick = &F::magnify_1xClick},
    {.item = M::magnify_2x, .onClick = &F::magnify_2xClick},
    {.item = M::magnify_3x, .onClick = &F::magnify_3xClick},
    {.item = M::magnify_4x, .onClick = &F::magnify_4xClick},
    {.item = M::Close1, .onClick = &F::Close1Click},
    {.item = M::TheHelpDialog, .onClick = &F::TheHelpDialogClick},
    {.item = M::howto1, .onClick = &F::howto1Click},
    {.item = M::version1, .onClick = &F::version1Click},
    {.item = M::OpenPMSChartwebbrowser1, .onClick = &F::OpenPMSChartwebbrowser1Click},
    {.item = M::OpenRALColorChart, .onClick = &F::OpenRALColorChartClick},
    {.item = M::RALClassic1, .onClick = &F::RALClassic1Click},
    {.item = M::ExpoCheck1, .onClick = &F::ExpoCheck1Click},
    {.item = M::Crosshair1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::Ruler1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::Caliper1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::LensBorder1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::Showblack1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::ShowMagn1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::RedImage1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::GreenImage1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::Blueimage1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::Ivoryimage1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::NoBorderPict1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::HEXColor1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::WebSafe1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::HEXgrb1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::ToCMYK1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::RGBtoHSB1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::RGBtoLAB1, .onClick = &F::ReInitAfterPopUp},
    {.item = M::RGBtoXYZ1, .onClick = &F::ReInitAfterPopUp},
};

}  // namespace

TFormFilter::Handler TFormFilter::MenuHandlerOf(MenuId id) {
    for (const MenuBinding& binding : kMenuHandlers) {
        if (binding.item == id)
            return binding.onClick;
    }
    return nullptr;
}

void TFormFilter::MenuClick(MenuId id) {
    if (!PopupMenu1.Click(id))
        return;
    if (const Handler handler = MenuHandlerOf(id))
        (this->*handler)();
}

void TFormFilter::PopupMenu1Popup() {
    PopupMenu1.SetEnabled(MenuId::DoubleBuffer1, !PopupMenu1.Checked(MenuId::AddDelay1));
}

// Each magnification handler may first shift the window so that the screen pixel at the top-left corner of
// the view stays there: the shift is the old Zoomstep minus the new one.
void TFormFilter::MagnifyTo(int newFactor) {
    const Magnification& target = kMagnifications[newFactor];
    const bool shift = PopupMenu1.Checked(MenuId::MoveTopLeft1) &&
                       (PopupMenu1.Checked(MenuId::Ruler1) || PopupMenu1.Checked(MenuId::Caliper1));
    if (shift) {
        // 1:1 takes the old shift from Zoomstep itself, the other steps from the table, so an impossible
        // stored Factor shifts nothing.
        int delta = 0;
        if (newFactor == 0) {
            if (lens.Factor > 0)
                delta = lens.Zoomstep;
        } else if (const Magnification* old = MagnificationOf(lens.Factor); old != nullptr && old != &target) {
            delta = old->zoomstep - target.zoomstep;
        }
        if (delta != 0) {
            // The stored Zoomstep may be any number; the window goes no farther than kFarthestPosition.
            const auto moved = [delta](int from) {
                return static_cast<int>(
                    std::clamp<std::int64_t>(std::int64_t{from} + delta, -kFarthestPosition, kFarthestPosition));
            };
            services_.window.SetTop(moved(services_.window.Top()));
            services_.window.SetLeft(moved(services_.window.Left()));
        }
    }
    lens.Zoomstep = target.zoomstep;
    lens.Factor = newFactor;
    DrawTheLoupe();
    services_.window.Invalidate();
}

void TFormFilter::magnify_1xClick() {
    MagnifyTo(0);
}
void TFormFilter::magnify_2xClick() {
    MagnifyTo(1);
}
void TFormFilter::magnify_3xClick() {
    MagnifyTo(2);
}
void TFormFilter::magnify_4xClick() {
    MagnifyTo(3);
}

// The keys and the wheel step one magnification at a time and stop at 1:1 and 4x; an impossible stored
// Factor does not step.
void TFormFilter::ZoomIn() {
    if (lens.Factor >= 0 && lens.Factor < 3)
        MagnifyTo(lens.Factor + 1);
}

void TFormFilter::ZoomOut() {
    if (lens.Factor > 0 && lens.Factor <= 3)
        MagnifyTo(lens.Factor - 1);
}

}  // namespace pixo
