// The keyboard: menu shortcuts first, then the key handler's own keys.
#include "lens/form_filter.h"

namespace pixo {

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
    if (shift == kAlt)
        ToggleReadoutOpacity();

    if (const ArrowKey* arrow = FindArrowKey(key)) {
        ArrowKeyDown(arrow->dx, arrow->dy, shift);
    } else {
        switch (key) {
            case vk::kEscape:
                EndCornerSelection();
                EndMeasuring();
                break;
            case vk::Letter('M'):
                MeasureKeyDown(shift);
                break;
            case vk::kSpace:
                SaveStoredQframe();
                break;
            case vk::kInsert:
                if (shift == kCtrl)
                    SaveStoredQframe();  // Insert alone is the full-screen save's shortcut
                break;
            case vk::Letter('Q'):
                CornerKeyDown(CornerKey::Q);
                break;
            case vk::Letter('C'):
                CornerKeyDown(CornerKey::C);
                break;
            case vk::Letter('I'):
                ShowStoredQframe();
                break;
            case vk::Letter('P'): {
                IWindowHost& window = services_.window;
                window.SetLeft(window.Left() == -180 ? 1 : -180);
                window.SetTop(services_.screen.PrimaryScreenSize().height / 2 - 100);
                break;
            }
            case vk::Letter('R'):
                RecaptureOnRequest();
                break;
            case vk::Letter('S'):
                CycleLensMode();
                break;
            case vk::kAdd:
            case vk::kOemPlus:
                if (shift == kShift)
                    StepRulerFactor(+1);
                else
                    ZoomIn();
                break;
            case vk::kSubtract:
            case vk::kOemMinus:
                if (shift == kShift)
                    StepRulerFactor(-1);
                else
                    ZoomOut();
                break;
            case vk::kOem5:
                lens.KeyCodeDisplay = !lens.KeyCodeDisplay;
                break;
            default:
                break;
        }
    }
    if (lens.KeyCodeDisplay)
        ShowKeyCode(key, shift);
}

void TFormFilter::FormKeyUp(std::uint16_t /*key*/, Modifiers /*shift*/) {
    lens.SmoothViewHeld = false;
    ReInitAfterPopUp();
}

// An arrow moves the lens one pixel (ten with Ctrl alone); with exactly Shift it sizes the caliper instead,
// within 1 .. ViewSpan, and only in caliper mode.
void TFormFilter::ArrowKeyDown(int dx, int dy, Modifiers modifiers) {
    if (modifiers != kShift) {
        const int step = modifiers == kCtrl ? 10 : 1;
        IWindowHost& window = services_.window;
        if (dx != 0)
            window.SetLeft(window.Left() + dx * step);
        else
            window.SetTop(window.Top() + dy * step);
        return;
    }
    if (!PopupMenu1.Checked(MenuId::Caliper1))
        return;
    int& factor = dx != 0 ? lens.CaliperFactorH : lens.CaliperFactorV;
    const int delta = dx + dy;
    if (CanStepFactor(factor, delta, kLowestCaliperFactor, lens.Factor)) {
        factor += delta;
        ReInitAfterPopUp();
    }
}

// Shift with + or - sizes the ruler unit within 2 .. ViewSpan, only in ruler mode.
void TFormFilter::StepRulerFactor(int delta) {
    if (!PopupMenu1.Checked(MenuId::Ruler1))
        return;
    if (CanStepFactor(lens.RulerFactor, delta, kLowestRulerFactor, lens.Factor)) {
        lens.RulerFactor += delta;
        ReInitAfterPopUp();
    }
}

// Alt switches the readout labels between transparent and opaque, with every key-down it comes with.
void TFormFilter::ToggleReadoutOpacity() {
    const bool makeOpaque = labels[LabelId::ColorLabel].transparent;
    for (LabelId id : {LabelId::ColorLabel, LabelId::PMSLabel1, LabelId::XYLabel, LabelId::GrayPercentLabel})
        labels[id].transparent = !makeOpaque;
    services_.window.Invalidate();
}

void TFormFilter::EndCornerSelection() {
    lens.CornerStep = 0;
    lens.CornerSelecting = false;
    labels[LabelId::CropLabel].visible = false;
    labels[LabelId::CropLabel].text.Clear();
    ReInitAfterPopUp();
}

// S steps through lens border, ruler, caliper and glass only, and names the new mode in the message bar.
void TFormFilter::CycleLensMode() {
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
}

// With the key-code display on, the magnification label shows the code of every key pressed.
void TFormFilter::ShowKeyCode(std::uint16_t key, Modifiers modifiers) {
    Label& zoom = labels[LabelId::ZoomLabel];
    if (modifiers == kShift) {
        zoom.text = "Shiftkey";
    } else {
        zoom.text.Clear();
        zoom.text.AppendInt(key);
    }
    zoom.visible = true;
    services_.window.Invalidate();
}

}  // namespace pixo
