// The mouse: presses and drags routed to the window or the label under the pointer, the wheel.
#include "lens/form_filter.h"

namespace pixo {

void TFormFilter::MouseDown(MouseButton button, Modifiers modifiers, int x, int y, bool doubleClick) {
    if (const std::optional<MouseRouter::Point> at = mouse_.Press(labels_, x, y))
        FormMouseDown(button, modifiers, at->x, at->y, doubleClick);
}

void TFormFilter::MouseMove(Modifiers modifiers, bool leftHeld, int x, int y) {
    if (const std::optional<MouseRouter::Point> at = mouse_.Move(leftHeld, x, y))
        FormMouseMove(modifiers, leftHeld, at->x, at->y);
}

void TFormFilter::MouseWheel(int delta, Modifiers modifiers) {
    for (int notches = mouse_.Notches(delta); notches != 0; notches += notches > 0 ? -1 : 1) {
        if (notches > 0)
            FormMouseWheelUp(modifiers);
        else
            FormMouseWheelDown(modifiers);
    }
}

void TFormFilter::FormMouseDown(MouseButton button, Modifiers /*shift*/, int x, int y, bool doubleClick) {
    mouse_.StartDrag({x, y});
    if (doubleClick)
        RecaptureOnRequest();
    if (button == MouseButton::Middle)
        SaveStoredQframe();
}

// Left first, then Top: two moves, each redrawn.
void TFormFilter::FormMouseMove(Modifiers /*shift*/, bool leftHeld, int x, int y) {
    if (!leftHeld)
        return;
    const MouseRouter::Point by = mouse_.DragBy({x, y});
    services_.window.SetLeft(services_.window.Left() + by.x);
    services_.window.SetTop(services_.window.Top() + by.y);
}

// Towards the user zooms in, away zooms out, with the option on.
void TFormFilter::FormMouseWheelDown(Modifiers /*shift*/) {
    if (options_.zoomWheel)
        StepMagnification(+1);
}

void TFormFilter::FormMouseWheelUp(Modifiers /*shift*/) {
    if (options_.zoomWheel)
        StepMagnification(-1);
}

}  // namespace pixo
