// The keyboard: one key map holds the menu shortcuts and the lens's own keys.
#include "capture/desktop.h"
#include "commands/lens_moves.h"
#include "lens/form_filter.h"

namespace pixo {

void TFormFilter::KeyDown(std::uint16_t key, Modifiers modifiers) {
    const KeyBinding* binding = FindKey(key, modifiers);
    if (binding != nullptr && binding->command == KeyCommand::MenuItem) {
        MenuClick(binding->item);
        return;
    }
    FormKeyDown(key, modifiers);
}

void TFormFilter::FormKeyDown(std::uint16_t key, Modifiers shift) {
    const KeyBinding* binding = FindKey(key, shift);
    if (binding != nullptr && binding->command == KeyCommand::SmoothView && !keys_.smoothView) {
        keys_.smoothView = true;
        ReInitAfterPopUp();
        return;
    }
    // Alt switches the readout backgrounds, with every key-down it comes with.
    if (shift == kAlt)
        ToggleReadoutOpacity();
    if (binding != nullptr && binding->command != KeyCommand::MenuItem)
        RunKeyCommand(*binding, shift);
    if (keys_.keyCodes)
        ShowKeyCode(key, shift);
}

void TFormFilter::FormKeyUp(std::uint16_t /*key*/, Modifiers /*shift*/) {
    keys_.smoothView = false;
    ReInitAfterPopUp();
}

void TFormFilter::RunKeyCommand(const KeyBinding& binding, Modifiers shift) {
    switch (binding.command) {
        case KeyCommand::Arrow:
            return ArrowKeyDown(binding.dx, binding.dy, shift);
        case KeyCommand::Measure:
            return MeasureKeyDown(shift);
        case KeyCommand::Park:
            return Park();
        case KeyCommand::Recapture:
            return RecaptureOnRequest();
        case KeyCommand::CycleMode:
            return CycleLensMode();
        case KeyCommand::ZoomIn:
            return StepMagnification(+1);
        case KeyCommand::ZoomOut:
            return StepMagnification(-1);
        case KeyCommand::RulerUp:
            return StepRulerFactor(+1);
        case KeyCommand::RulerDown:
            return StepRulerFactor(-1);
        case KeyCommand::KeyCodes:
            keys_.keyCodes = !keys_.keyCodes;
            return;
        case KeyCommand::NextNearestName:
            return NextNearestName();
        default:
            return RunSelectionCommand(binding.command);
    }
}

void TFormFilter::RunSelectionCommand(KeyCommand command) {
    switch (command) {
        case KeyCommand::Escape:
            EndCornerSelection();
            return EndMeasuring();
        case KeyCommand::SaveQframe:
            return SaveStoredQframe();
        case KeyCommand::CornerQ:
            return CornerKeyDown(CornerKey::Q);
        case KeyCommand::CornerC:
            return CornerKeyDown(CornerKey::C);
        case KeyCommand::ShowQframe:
            return ShowStoredQframe();
        default:
            return;
    }
}

// An arrow moves the lens one pixel (ten with Ctrl alone); with exactly Shift it sizes the caliper instead,
// within 1 .. ViewSpan, and only in caliper mode.
void TFormFilter::ArrowKeyDown(int dx, int dy, Modifiers modifiers) {
    IWindowHost& window = services_.window;
    if (modifiers != kShift) {
        if (dx != 0)
            window.SetLeft(window.Left() + dx * ArrowStep(modifiers));
        else
            window.SetTop(window.Top() + dy * ArrowStep(modifiers));
        return;
    }
    if (options_.mode == LensMode::Caliper && measuring_.StepCaliper(dx != 0, dx + dy, zoom_.Factor()))
        ReInitAfterPopUp();
}

// Shift with + or - sizes the ruler unit within 2 .. ViewSpan, only in ruler mode.
void TFormFilter::StepRulerFactor(int delta) {
    if (options_.mode == LensMode::Ruler && measuring_.StepRuler(delta, zoom_.Factor()))
        ReInitAfterPopUp();
}

void TFormFilter::Park() {
    const MonitorLayout monitors = services_.screen.Monitors();
    const WindowPlace place = Desktop(monitors).ParkedPlace(services_.window.Left(), services_.window.Top());
    services_.window.SetLeft(place.left);
    services_.window.SetTop(place.top);
}

void TFormFilter::ToggleReadoutOpacity() {
    const bool makeOpaque = labels_[LabelId::ColorLabel].transparent;
    for (LabelId id : {LabelId::ColorLabel, LabelId::PMSLabel1, LabelId::XYLabel, LabelId::GrayPercentLabel})
        labels_[id].transparent = !makeOpaque;
    services_.window.Invalidate();
}

// S steps through lens border, ruler, caliper and glass only, and names the new mode in the message bar.
void TFormFilter::CycleLensMode() {
    options_.mode = NextLensMode(options_.mode);
    bar_.ShowBriefly(LensModeName(options_.mode), kInformationColour);
    ReInitAfterPopUp();
}

// With the key-code display on, the magnification label shows the code of every key pressed.
void TFormFilter::ShowKeyCode(std::uint16_t key, Modifiers modifiers) {
    Label& zoom = labels_[LabelId::ZoomLabel];
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
