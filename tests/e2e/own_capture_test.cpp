// The lens shows a frozen capture of the screen taken while it is hidden: after a move it shows the old
// capture of the new place, a recapture shows the desktop as it is now, and never the lens itself.
#include <functional>
#include <string>

#include "e2e/driver/input.h"
#include "e2e/driver/lens_checks.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

// Nothing over the view: every aperture pixel must decode to its own screen position.
class OwnCapture : public BareLensSession {
  protected:
    // The user turns to another program: a click on the test desktop, which then must be the active window.
    bool TurnToDesktop() {
        input::LeftClick(900, 100);
        return WaitUntil([&] { return GetForegroundWindow() == Desktop(); }, kActionTimeout);
    }
};

TEST_F(OwnCapture, DraggedLensShowsTheFrozenCaptureThenRecapturesWithoutItself) {
    DragLensBy(kOnFrame, 150, 70);
    // The capture was taken at the start, before the lens was shown: the new place shows the desktop.
    ExpectApertureDecodes("after the drag", Variant::Plain);

    // The desktop changes; the lens keeps showing its capture until it is asked to take a new one.
    ShowDesktop(Variant::Inverted);
    const ScreenPicture frozen = SettledLens();
    EXPECT_EQ(CheckApertureDecodes(frozen, Under()), "") << "the capture is not frozen";

    PressOnLens(VK_F5);
    ExpectApertureDecodes("after F5", Variant::Inverted);

    // A second recapture at the same place: the lens was on the screen there a moment ago, yet the
    // capture shows only the desktop.
    ShowDesktop(Variant::Plain);
    PressOnLens(VK_F5);
    ExpectApertureDecodes("after a second F5", Variant::Plain);
}

// The user recaptures, sees the lens show the desktop as it is now and types on, with no click: after F5, R
// and a double click the lens is the active window again and the magnification keys reach it.
TEST_F(OwnCapture, KeysReachTheLensRightAfterEachRecapture) {
    const POINT frame = OnLens(kOnFrame);
    struct Step {
        std::string recapture;
        std::function<void()> run;
        Variant desktop;  // the desktop's new look, which the recapture must show
        WORD key;         // then this magnification key
        int factor;
    };
    const Step steps[] = {
        {"F5", [&] { PressOnLens(VK_F5); }, Variant::Inverted, '2', 1},
        {"R", [&] { PressOnLens('R'); }, Variant::Plain, '3', 2},
        {"a double click", [&] { input::DoubleClick(frame.x, frame.y); }, Variant::Inverted, '4', 3},
    };
    int factor = 0;
    for (const Step& step : steps) {
        const auto expectView = [&](const std::string& what, int shownFactor) {
            return ExpectLensEventually(what, [&](const ScreenPicture& lens) {
                return CheckMagnifiedView(lens, Under(step.desktop), shownFactor);
            });
        };
        ShowDesktop(step.desktop);
        step.run();
        ASSERT_TRUE(expectView("after " + step.recapture, factor));
        ASSERT_TRUE(ExpectLensInFront()) << "after " << step.recapture;
        input::Key(step.key);
        ASSERT_TRUE(expectView("key after " + step.recapture, step.factor));
        factor = step.factor;
    }
}

TEST_F(OwnCapture, AutoCaptureRecapturesWhenTheLensIsActivatedAgain) {
    PressOnLens('A', {VK_CONTROL});  // Auto Screen Capture on
    ShowDesktop(Variant::Inverted);
    ASSERT_TRUE(TurnToDesktop()) << "a click on the test desktop did not activate it";
    // Back on the lens, it recaptures with itself hidden.
    ClickLens();
    ExpectApertureDecodes("after coming back", Variant::Inverted);
}

TEST_F(OwnCapture, AddDelayRecapturesAfterLettingTheDesktopRepaint) {
    // The delay option lets one message through and waits before the grab: the result is the same picture.
    ChooseFromLensMenu(MenuId::AddDelay1);
    ShowDesktop(Variant::Inverted);
    PressOnLens(VK_F5);
    ExpectApertureDecodes("after F5 with the delay", Variant::Inverted);
}

TEST_F(OwnCapture, WithoutAutoCaptureComingBackKeepsTheCapture) {
    ShowDesktop(Variant::Inverted);
    ASSERT_TRUE(TurnToDesktop()) << "a click on the test desktop did not activate it";
    ClickLens();
    const ScreenPicture lens = SettledLens();
    EXPECT_EQ(CheckApertureDecodes(lens, Under()), "") << "the lens recaptured although Auto Screen Capture is off";
}

}  // namespace
}  // namespace pixo::e2e
