#include "lens/form_filter.h"

namespace pixo {

void TFormFilter::MenuClick(MenuId id) {
    switch (PopupMenu1.Click(id)) {
        case MenuHandler::None:
            break;
        case MenuHandler::ReInitAfterPopUp:
        case MenuHandler::ExpoCheck1Click:
            ReInitAfterPopUp();
            break;
        case MenuHandler::Recapture_screenClick:
            Recapture_screenClick();
            break;
        case MenuHandler::ShowColValClick:
            ShowColValClick();
            break;
        case MenuHandler::ShowPMSClick:
            ShowPMSClick();
            break;
        case MenuHandler::CopyValuetoClipboard1Click:
            CopyValuetoClipboard1Click();
            break;
        case MenuHandler::magnify_1xClick:
            magnify_1xClick();
            break;
        case MenuHandler::magnify_2xClick:
            magnify_2xClick();
            break;
        case MenuHandler::magnify_3xClick:
            magnify_3xClick();
            break;
        case MenuHandler::magnify_4xClick:
            magnify_4xClick();
            break;
        case MenuHandler::Close1Click:
            Close1Click();
            break;
        case MenuHandler::OpenPMSChartwebbrowser1Click:
        case MenuHandler::OpenRALColorChartClick:
        case MenuHandler::RALClassic1Click:
        case MenuHandler::save1Click:
        case MenuHandler::OpenDumps1Click:
        case MenuHandler::TheHelpDialogClick:
        case MenuHandler::howto1Click:
        case MenuHandler::version1Click:
            // Capture saving and the help commands arrive with their features.
            break;
    }
}

void TFormFilter::PopupMenu1Popup() {
    PopupMenu1.SetEnabled(MenuId::DoubleBuffer1, !PopupMenu1.Checked(MenuId::AddDelay1));
}

// Each magnification handler may first shift the window so that the screen pixel at the top-left corner of
// the view stays there: the shift is the old Zoomstep minus the new one.
void TFormFilter::MagnifyTo(int newFactor, int newZoomstep) {
    const bool shift = PopupMenu1.Checked(MenuId::MoveTopLeft1) &&
                       (PopupMenu1.Checked(MenuId::Ruler1) || PopupMenu1.Checked(MenuId::Caliper1));
    if (shift) {
        static constexpr int kZoomsteps[] = {0, 50, 66, 75};
        int delta = 0;
        if (newFactor == 0) {
            if (lens.Factor > 0)
                delta = lens.Zoomstep;
        } else if (lens.Factor >= 0 && lens.Factor <= 3 && lens.Factor != newFactor) {
            delta = kZoomsteps[lens.Factor] - newZoomstep;
        }
        if (delta != 0) {
            services_.window.SetTop(services_.window.Top() + delta);
            services_.window.SetLeft(services_.window.Left() + delta);
        }
    }
    lens.Zoomstep = newZoomstep;
    lens.Factor = newFactor;
    DrawTheLoupe();
    services_.window.Invalidate();
}

void TFormFilter::magnify_1xClick() {
    MagnifyTo(0, 0);
}
void TFormFilter::magnify_2xClick() {
    MagnifyTo(1, 50);
}
void TFormFilter::magnify_3xClick() {
    MagnifyTo(2, 66);
}
void TFormFilter::magnify_4xClick() {
    MagnifyTo(3, 75);
}

void TFormFilter::ZoomIn() {
    switch (lens.Factor) {
        case 0:
            magnify_2xClick();
            break;
        case 1:
            magnify_3xClick();
            break;
        case 2:
            magnify_4xClick();
            break;
        default:
            break;
    }
}

void TFormFilter::ZoomOut() {
    switch (lens.Factor) {
        case 1:
            magnify_1xClick();
            break;
        case 2:
            magnify_2xClick();
            break;
        case 3:
            magnify_3xClick();
            break;
        default:
            break;
    }
}

}  // namespace pixo
