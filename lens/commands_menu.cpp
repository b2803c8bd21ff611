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
    {.item = M::CopyColourName, .onClick = &F::CopyColourNameClick},
    {.item = M::NearestOff, .onClick = &F::ShowPMSClick},
    {.item = M::NearestPantone, .onClick = &F::ShowPMSClick},
    {.item = M::NearestRalClassic, .onClick = &F::ShowPMSClick},
    {.item = M::NearestRalDesign, .onClick = &F::ShowPMSClick},
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
    if (!PopupMenu(options_, zoom_.Factor()).Click(id))
        return;
    if (const Handler handler = MenuHandlerOf(id))
        (this->*handler)();
}

// Each magnification may first move the window so that the screen pixel at the view's top-left corner, the
// origin of the ruler and the caliper, stays there. The sizes then keep within the new view.
void TFormFilter::MagnifyTo(int factor) {
    const bool keepTopLeft = options_.moveTopLeft && RulerOrCaliperShown(options_);
    const std::int64_t shift = zoom_.MagnifyTo(factor, keepTopLeft);
    measuring_.ClampToView(zoom_.Factor());
    if (shift != 0)
        MoveWindowBy(shift, shift);
    DrawTheLoupe();
    services_.window.Invalidate();
}

// The keys and the wheel step one magnification at a time and stop at 1:1 and 4x.
void TFormFilter::StepMagnification(int direction) {
    if (const std::optional<int> next = zoom_.Next(direction))
        MagnifyTo(*next);
}

// The stored Zoomstep may be any number; the window goes no farther than kFarthestPosition. Top first, then
// Left, as the magnification commands always moved it.
void TFormFilter::MoveWindowBy(std::int64_t dx, std::int64_t dy) {
    const auto moved = [](int from, std::int64_t by) {
        return static_cast<int>(std::clamp<std::int64_t>(from + by, -kFarthestPosition, kFarthestPosition));
    };
    services_.window.SetTop(moved(services_.window.Top(), dy));
    services_.window.SetLeft(moved(services_.window.Left(), dx));
}

}  // namespace pixo
