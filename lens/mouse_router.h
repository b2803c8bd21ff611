#pragma once

#include <optional>

#include "lens/labels.h"

namespace pixo {

// Where the mouse's presses, moves and wheel go. A press lands on the topmost label under the pointer, if
// any; five labels pass it on to the window in their own coordinates, the others take it and do nothing.
// The control that took the press keeps it for the whole drag.
class MouseRouter {
  public:
    struct Point {
        int x = 0;
        int y = 0;
        friend bool operator==(const Point&, const Point&) = default;
    };

    // A press at the window point (x, y): where the window's handler gets it, or nothing.
    std::optional<Point> Press(const Labels& labels, int x, int y);
    // A move at the window point: where the window's handler gets it while the left button drags a press
    // the window took, or nothing.
    std::optional<Point> Move(bool leftHeld, int x, int y) const;
    void Release() { ignored_ = false; }
    // The platform's wheel units (120 a notch): whole notches, positive away from the user; the rest waits.
    int Notches(int delta);

    // The drag starts where the press was, in the coordinates of the control pressed (DragStartX/Y).
    void StartDrag(Point at) { dragStart_ = at; }
    // How far the window moves for the pointer at `at`: the grabbed point stays under the pointer, since the
    // control holding the coordinates moves with the window.
    Point DragBy(Point at) const { return {at.x - dragStart_.x, at.y - dragStart_.y}; }

  private:
    // Where the control that took the last press lies in the window: (0, 0) for the window itself, the
    // label's corner for a label that passes presses on. Its place at the press holds for the whole drag: a
    // readout label that moves inside the lens while it is dragged must not make the lens jump.
    Point offset_;
    bool ignored_ = false;
    int wheel_ = 0;
    Point dragStart_;
};

}  // namespace pixo
