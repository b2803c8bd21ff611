// The mouse wheel steps the magnification, one step per notch, only while "Use mouse wheel to zoom" is on:
// towards the user zooms in, away zooms out, and it stops at 1:1 and 4x.
#include "commands/menu_ids.h"
#include "e2e/driver/input.h"
#include "e2e/driver/lens_checks.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

constexpr int kTowardsUser = -1;
constexpr int kAwayFromUser = 1;

// Starts at 1:1 with nothing over the view.
class LensWheel : public BareLensSession {
  protected:
    // One notch with the pointer on the frame of the lens, which is the active window.
    void Notch(int direction) {
        ExpectLensInFront();
        const POINT at = OnLens(kOnFrame);
        input::MoveTo(at.x, at.y);
        input::Wheel(direction);
    }

    // After a notch that must change nothing: an arrow key, handled after the notch, moves the lens one pixel,
    // and the view at the new place still has the same magnification.
    void ExpectNothingChanged(const std::string& what, int factor) {
        const POINT was = LensTopLeft();
        PressOnLens(VK_RIGHT);
        ExpectLensAt(was.x + 1, was.y);
        ExpectMagnifiedView(what, factor);
    }
};

TEST_F(LensWheel, StepsTheMagnificationOnlyWhenTheOptionIsOn) {
    Notch(kTowardsUser);
    ExpectNothingChanged("a notch with the option off", 0);

    ChooseFromLensMenu(MenuId::ZoomWheel1);
    Notch(kTowardsUser);
    ExpectMagnifiedView("one notch in: 2x", 1);
    Notch(kTowardsUser);
    ExpectMagnifiedView("two notches in: 3x", 2);
    Notch(kTowardsUser);
    ExpectMagnifiedView("three notches in: 4x", 3);
    Notch(kTowardsUser);
    ExpectNothingChanged("a notch in at 4x", 3);

    Notch(kAwayFromUser);
    ExpectMagnifiedView("one notch out: 3x", 2);
    Notch(kAwayFromUser);
    ExpectMagnifiedView("two notches out: 2x", 1);
    Notch(kAwayFromUser);
    ExpectMagnifiedView("three notches out: 1:1", 0);
    Notch(kAwayFromUser);
    ExpectNothingChanged("a notch out at 1:1", 0);
}

}  // namespace
}  // namespace pixo::e2e
