#include "lens/form_filter.h"

namespace pixo {
namespace {

// The number of screen pixels across the view at each magnification.
int ViewSpanOf(int factor) {
    switch (factor) {
        case 0:
            return 200;
        case 1:
            return 100;
        case 2:
            return 67;
        case 3:
            return 50;
        default:
            return 0;
    }
}

}  // namespace

void TFormFilter::KeyDown(std::uint16_t key, Modifiers modifiers) {
    if (const std::optional<MenuId> item = PopupMenu1.FindShortcut(key, modifiers)) {
        MenuClick(*item);
        return;
    }
    FormKeyDown(key, modifiers);
}

void TFormFilter::KeyUp(std::uint16_t key, Modifiers modifiers) {
    FormKeyUp(key, modifiers);
}

void TFormFilter::FormKeyDown(std::uint16_t key, Modifiers shift) {
    if (key == vk::Letter('A') && !lens.SmoothViewHeld) {
        lens.SmoothViewHeld = true;
        ReInitAfterPopUp();
        return;
    }
    const int step = shift == kCtrl ? 10 : 1;
    const int viewSpan = ViewSpanOf(lens.Factor);
    const bool exactlyShift = shift == kShift;
    IWindowHost& window = services_.window;

    if (shift == kAlt) {
        // Alt switches the readout labels between transparent and opaque, with every key-down it comes with.
        const bool makeOpaque = labels[LabelId::ColorLabel].transparent;
        for (LabelId id : {LabelId::ColorLabel, LabelId::PMSLabel1, LabelId::XYLabel, LabelId::GrayPercentLabel})
            labels[id].transparent = !makeOpaque;
        window.Invalidate();
    }

    auto caliperStep = [&](int& factor, int delta) {
        if (!PopupMenu1.Checked(MenuId::Caliper1))
            return;
        if ((delta < 0 && factor > 1) || (delta > 0 && factor < viewSpan)) {
            factor += delta;
            ReInitAfterPopUp();
        }
    };

    switch (key) {
        case vk::kEscape:
            lens.CornerStep = 0;
            lens.CornerSelecting = false;
            labels[LabelId::CropLabel].visible = false;
            labels[LabelId::CropLabel].text.Clear();
            // Measuring is ended here too once it exists.
            ReInitAfterPopUp();
            break;
        case vk::kLeft:
        case vk::kNumpad4:
            if (exactlyShift)
                caliperStep(lens.CaliperFactorH, -1);
            else
                window.SetLeft(window.Left() - step);
            break;
        case vk::kRight:
        case vk::kNumpad6:
            if (exactlyShift)
                caliperStep(lens.CaliperFactorH, +1);
            else
                window.SetLeft(window.Left() + step);
            break;
        case vk::kUp:
        case vk::kNumpad8:
            if (exactlyShift)
                caliperStep(lens.CaliperFactorV, -1);
            else
                window.SetTop(window.Top() - step);
            break;
        case vk::kDown:
        case vk::kNumpad2:
            if (exactlyShift)
                caliperStep(lens.CaliperFactorV, +1);
            else
                window.SetTop(window.Top() + step);
            break;
        case vk::Letter('P'):
            window.SetLeft(window.Left() == -180 ? 1 : -180);
            window.SetTop(services_.screen.PrimaryScreenSize().height / 2 - 100);
            break;
        case vk::Letter('R'):
            lens.RecaptureRequested = true;
            RestartLens();
            lens.RecaptureRequested = false;
            break;
        case vk::Letter('S'): {
            const bool border = PopupMenu1.Checked(MenuId::LensBorder1);
            const bool ruler = PopupMenu1.Checked(MenuId::Ruler1);
            const bool caliper = PopupMenu1.Checked(MenuId::Caliper1);
            Label& bar = labels[LabelId::CropLabel];
            if (!border && !ruler && !caliper) {
                PopupMenu1.SetChecked(MenuId::LensBorder1, true);
                bar.text = "Graphical magnifier";
            } else if (border && !ruler && !caliper) {
                PopupMenu1.SetChecked(MenuId::Ruler1, true);
                bar.text = "Ruler mode";
            } else if (!border && ruler && !caliper) {
                PopupMenu1.SetChecked(MenuId::Caliper1, true);
                bar.text = "Caliper mode";
            } else if (!border && !ruler && caliper) {
                PopupMenu1.SetChecked(MenuId::Caliper1, false);
                bar.text = "Glass only magnifier";
            }
            StartMessage(bar.text.CStr(), HexColor(0x51BFE2));
            ReInitAfterPopUp();
            break;
        }
        case vk::kAdd:
        case vk::kOemPlus:
            if (!exactlyShift) {
                ZoomIn();
            } else if (PopupMenu1.Checked(MenuId::Ruler1) && lens.RulerFactor < viewSpan) {
                ++lens.RulerFactor;
                ReInitAfterPopUp();
            }
            break;
        case vk::kSubtract:
        case vk::kOemMinus:
            if (!exactlyShift) {
                ZoomOut();
            } else if (PopupMenu1.Checked(MenuId::Ruler1) && lens.RulerFactor > 2) {
                --lens.RulerFactor;
                ReInitAfterPopUp();
            }
            break;
        case vk::kOem5:
            lens.KeyCodeDisplay = !lens.KeyCodeDisplay;
            break;
        default:
            // Space, Ctrl+Insert, Q, C, I and M arrive with region selection and measuring.
            break;
    }

    if (lens.KeyCodeDisplay) {
        Label& zoom = labels[LabelId::ZoomLabel];
        if (exactlyShift)
            zoom.text = "Shiftkey";
        else {
            zoom.text.Clear();
            zoom.text.AppendInt(key);
        }
        zoom.visible = true;
        window.Invalidate();
    }
}

void TFormFilter::FormKeyUp(std::uint16_t /*key*/, Modifiers /*shift*/) {
    lens.SmoothViewHeld = false;
    ReInitAfterPopUp();
}

}  // namespace pixo
