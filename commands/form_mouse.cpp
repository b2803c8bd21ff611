#include "lens/form_filter.h"

namespace pixo {

void TFormFilter::MouseDown(MouseButton button, Modifiers modifiers, int x, int y, bool doubleClick) {
    // A press lands on the topmost label under the pointer, if any. Five labels pass it on to the window's
    // handler in their own coordinates; presses on the others reach no handler at all.
    pressedLabel_.reset();
    pressIgnored_ = false;
    if (const std::optional<LabelId> hit = labels.HitTest(x, y)) {
        const Label& label = labels[*hit];
        if (!label.takesMouse) {
            pressIgnored_ = true;
            return;
        }
        pressedLabel_ = hit;
        FormMouseDown(button, modifiers, x - label.left, y - label.top, doubleClick);
        return;
    }
    FormMouseDown(button, modifiers, x, y, doubleClick);
}

void TFormFilter::MouseMove(Modifiers modifiers, bool leftHeld, int x, int y) {
    // Moves matter only while the left button drags; they go to the control that took the press.
    if (!leftHeld || pressIgnored_)
        return;
    if (pressedLabel_) {
        const Label& label = labels[*pressedLabel_];
        x -= label.left;
        y -= label.top;
    }
    FormMouseMove(modifiers, leftHeld, x, y);
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
    if (doubleClick) {
        lens.RecaptureRequested = true;
        RestartLens();
        lens.RecaptureRequested = false;
    }
    if (button == MouseButton::Middle) {
        // Saving the stored Qframe arrives with region selection.
    }
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
