#include "lens/form_filter.h"

namespace pixo {

void TFormFilter::MouseDown(MouseButton button, Modifiers modifiers, int x, int y, bool doubleClick) {
    // A press lands on the topmost label under the pointer, if any. Five labels pass it on to the window's
    // handler in their own coordinates; presses on the others reach no handler at all.
    pressIgnored_ = false;
    pressOffsetX_ = 0;
    pressOffsetY_ = 0;
    if (const std::optional<LabelId> hit = labels.HitTest(x, y)) {
        const Label& label = labels[*hit];
        if (!label.takesMouse) {
            pressIgnored_ = true;
            return;
        }
        // The label's place at the press holds for the whole drag: a readout label that moves inside the
        // lens while it is dragged (near the top of the screen) must not make the lens jump.
        pressOffsetX_ = label.left;
        pressOffsetY_ = label.top;
    }
    FormMouseDown(button, modifiers, x - pressOffsetX_, y - pressOffsetY_, doubleClick);
}

void TFormFilter::MouseMove(Modifiers modifiers, bool leftHeld, int x, int y) {
    // Moves matter only while the left button drags; they go to the control that took the press.
    if (!leftHeld || pressIgnored_)
        return;
    FormMouseMove(modifiers, leftHeld, x - pressOffsetX_, y - pressOffsetY_);
}

void TFormFilter::MouseUp() {
    pressIgnored_ = false;
}

void TFormFilter::MouseWheel(int delta, Modifiers modifiers) {
    wheelAccumulator_ += delta;
    while (wheelAccumulator_ >= 120) {
        wheelAccumulator_ -= 120;
        FormMouseWheelUp(modifiers);
    }
    while (wheelAccumulator_ <= -120) {
        wheelAccumulator_ += 120;
        FormMouseWheelDown(modifiers);
    }
}

void TFormFilter::FormMouseDown(MouseButton button, Modifiers /*shift*/, int x, int y, bool doubleClick) {
    lens.DragStartX = x;
    lens.DragStartY = y;
    if (doubleClick)
        RecaptureOnRequest();
    if (button == MouseButton::Middle)
        SaveStoredQframe();
}

void TFormFilter::FormMouseMove(Modifiers /*shift*/, bool leftHeld, int x, int y) {
    if (!leftHeld)
        return;
    // The grabbed point stays under the pointer: the control holding the coordinates moves with the window,
    // so the drag start is never updated. Left first, then Top: two moves, each redrawn.
    services_.window.SetLeft(services_.window.Left() - (lens.DragStartX - x));
    services_.window.SetTop(services_.window.Top() - (lens.DragStartY - y));
}

void TFormFilter::FormMouseWheelDown(Modifiers /*shift*/) {
    if (PopupMenu1.Checked(MenuId::ZoomWheel1))
        ZoomIn();
}

void TFormFilter::FormMouseWheelUp(Modifiers /*shift*/) {
    if (PopupMenu1.Checked(MenuId::ZoomWheel1))
        ZoomOut();
}

}  // namespace pixo
