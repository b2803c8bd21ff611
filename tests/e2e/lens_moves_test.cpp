// Moving the lens with the keyboard: the arrow keys move it 1 pixel, 10 with Ctrl; the view follows the
// window over the frozen capture. A double click recaptures.
#include "e2e/driver/input.h"
#include "e2e/driver/lens_checks.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

class LensMoves : public LensSession {
  protected:
    void SetUp() override {
        LensSession::SetUp();
        if (HasFatalFailure())
            return;
        TurnOverlaysOff();
    }

    // The window's top-left corner at (left, top), and the view showing the desktop under that place.
    void ExpectMovedTo(int left, int top) {
        ExpectLensAt(left, top);
        ExpectLensEventually("view at " + std::to_string(left) + "," + std::to_string(top),
                             [&](const ScreenPicture& lens) {
                                 return CheckApertureShows(lens, {POINT{left, top}, Variant::Plain});
                             });
    }
};

TEST_F(LensMoves, ArrowKeysMoveOnePixelAndTenWithCtrl) {
    PressOnLens(VK_RIGHT);
    ExpectMovedTo(kStartPosition.x + 1, kStartPosition.y);
    PressOnLens(VK_DOWN, {VK_CONTROL});
    ExpectMovedTo(kStartPosition.x + 1, kStartPosition.y + 10);
    PressOnLens(VK_LEFT, {VK_CONTROL, VK_SHIFT});  // two modifiers are neither Ctrl nor Shift: one pixel
    ExpectMovedTo(kStartPosition.x, kStartPosition.y + 10);
    PressOnLens(VK_UP);
    ExpectMovedTo(kStartPosition.x, kStartPosition.y + 9);
}

TEST_F(LensMoves, DoubleClickRecaptures) {
    ShowDesktop(Variant::Inverted);
    const POINT frame = OnLens(kOnFrame);
    input::DoubleClick(frame.x, frame.y);
    ExpectApertureDecodes("after the double click", Variant::Inverted);
}

}  // namespace
}  // namespace pixo::e2e
