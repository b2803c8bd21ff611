// The lens shows a frozen capture of the screen taken while it is hidden: after a move it shows the old
// capture of the new place, a recapture shows the desktop as it is now, and never the lens itself.
#include "e2e/driver/input.h"
#include "e2e/driver/lens_checks.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

class OwnCapture : public LensSession {
  protected:
    void SetUp() override {
        LensSession::SetUp();
        if (HasFatalFailure())
            return;
        // Nothing over the view: every aperture pixel must decode to its own screen position.
        PressOnLens('O', {VK_CONTROL});
        PressOnLens('P', {VK_CONTROL});
        ExpectLensEventually("plain view", [&](const ScreenPicture& lens) {
            return CheckApertureShows(lens, {LensTopLeft(), Variant::Plain});
        });
    }

    // Drags the lens by its frame by (dx, dy) and waits until the window has arrived.
    void DragLensBy(int dx, int dy) {
        const POINT from = OnLens(100, 194);
        const POINT target{LensTopLeft().x + dx, LensTopLeft().y + dy};
        input::Drag(from, {from.x + dx, from.y + dy}, 8);
        EXPECT_TRUE(WaitUntil(
            [&] {
                const POINT now = LensTopLeft();
                return now.x == target.x && now.y == target.y;
            },
            kActionTimeout))
            << "the lens did not follow the drag to " << target.x << "," << target.y;
    }

    void ExpectApertureDecodes(const std::string& what, Variant variant) {
        ExpectLensEventually(what, [&](const ScreenPicture& lens) {
            return CheckApertureDecodes(lens, {LensTopLeft(), variant});
        });
    }
};

TEST_F(OwnCapture, DraggedLensShowsTheFrozenCaptureThenRecapturesWithoutItself) {
    DragLensBy(150, 70);
    // The capture was taken at the start, before the lens was shown: the new place shows the desktop.
    ExpectApertureDecodes("after the drag", Variant::Plain);

    // The desktop changes; the lens keeps showing its capture until it is asked to take a new one.
    ShowDesktop(Variant::Inverted);
    const ScreenPicture frozen = SettledLens();
    EXPECT_EQ(CheckApertureDecodes(frozen, {LensTopLeft(), Variant::Plain}), "") << "the capture is not frozen";

    PressOnLens(VK_F5);
    ExpectApertureDecodes("after F5", Variant::Inverted);

    // A second recapture at the same place: the lens was on the screen there a moment ago, yet the
    // capture shows only the desktop.
    ShowDesktop(Variant::Plain);
    PressOnLens(VK_F5);
    ExpectApertureDecodes("after a second F5", Variant::Plain);
}

TEST_F(OwnCapture, AutoCaptureRecapturesWhenTheLensIsActivatedAgain) {
    PressOnLens('A', {VK_CONTROL});  // Auto Screen Capture on
    ShowDesktop(Variant::Inverted);
    // The user turns to another program...
    input::LeftClick(900, 100);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Desktop(); }, kActionTimeout))
        << "a click on the test desktop did not activate it";
    // ... and comes back to the lens, which recaptures with itself hidden.
    ActivateLens();
    ExpectApertureDecodes("after coming back", Variant::Inverted);
}

TEST_F(OwnCapture, WithoutAutoCaptureComingBackKeepsTheCapture) {
    ShowDesktop(Variant::Inverted);
    input::LeftClick(900, 100);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Desktop(); }, kActionTimeout))
        << "a click on the test desktop did not activate it";
    ActivateLens();
    const ScreenPicture lens = SettledLens();
    EXPECT_EQ(CheckApertureDecodes(lens, {LensTopLeft(), Variant::Plain}), "")
        << "the lens recaptured although Auto Screen Capture is off";
}

}  // namespace
}  // namespace pixo::e2e
