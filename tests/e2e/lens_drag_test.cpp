// Dragging the lens with the left button: the window follows the pointer exactly and shows the desktop under
// its new place. A drag may start on the colour value, which passes presses on to the lens, but not on the
// magnification factor, which keeps them.
#include "commands/menu_ids.h"
#include "e2e/driver/input.h"
#include "e2e/driver/lens_checks.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

// The magnification factor's box in lens coordinates and its text colour.
constexpr RECT kZoomLabel{175, 175, 194, 188};
constexpr Rgb kZoomLabelColour = 0x666D70;

class LensDrag : public LensSession {
  protected:
    DesktopUnder Under() const { return {LensTopLeft(), Variant::Plain}; }

    static int ZoomLabelPixels(const ScreenPicture& lens) {
        int count = 0;
        for (int y = kZoomLabel.top; y < kZoomLabel.bottom; ++y) {
            for (int x = kZoomLabel.left; x < kZoomLabel.right; ++x)
                count += lens.At(x, y) == kZoomLabelColour ? 1 : 0;
        }
        return count;
    }
};

TEST_F(LensDrag, FollowsThePointerAndShowsTheDesktopUnderItsNewPlace) {
    PressOnLens('O', {VK_CONTROL});
    PressOnLens('P', {VK_CONTROL});
    // Inside the aperture, where no label lies once the readout is off.
    constexpr POINT kGrab{140, 125};
    const POINT start = LensTopLeft();

    ASSERT_TRUE(DragLensBy(kGrab, 137, 83));
    ExpectLensEventually("view after a drag right and down",
                         [&](const ScreenPicture& lens) { return CheckApertureShows(lens, Under()); });

    ASSERT_TRUE(DragLensBy(kGrab, -251, -170));
    EXPECT_EQ(LensTopLeft().x, start.x + 137 - 251);
    EXPECT_EQ(LensTopLeft().y, start.y + 83 - 170);
    ExpectLensEventually("view after a drag left and up",
                         [&](const ScreenPicture& lens) { return CheckApertureShows(lens, Under()); });
}

TEST_F(LensDrag, StartsOnTheColourValueButNotOnTheMagnificationFactor) {
    // The colour value, (24,67)-(174,85) while the picker is on, passes the press on to the lens.
    ASSERT_TRUE(DragLensBy({60, 75}, 60, 40));
    ExpectLensEventually("view after a drag from the colour value", [&](const ScreenPicture& lens) {
        const LensArea covered = [](int x, int y) {
            return OnCrosshair(x, y) || OnSwatch(x, y) || OnReadoutLabels(x, y);
        };
        return CheckApertureShows(lens, Under(), covered);
    });

    ASSERT_EQ(ZoomLabelPixels(SettledLens()), 0) << "the magnification factor shows before it is turned on";
    ChooseFromLensMenu(MenuId::ShowMagn1);
    ExpectLensEventually("magnification factor shown", [&](const ScreenPicture& lens) {
        return ZoomLabelPixels(lens) > 0 ? std::string{} : "no text in the magnification factor's box";
    });

    const POINT before = LensTopLeft();
    const POINT onFactor = OnLens(184, 181);
    input::Drag(onFactor, {onFactor.x + 60, onFactor.y + 40}, 8);
    // A drag on the frame afterwards moves the lens by its own distance only: the input is handled in order,
    // so had the first drag moved the lens, it would end up elsewhere.
    const POINT onFrame = OnLens(100, 194);
    input::Drag(onFrame, {onFrame.x - 30, onFrame.y - 20}, 8);
    ExpectLensAt(before.x - 30, before.y - 20);
}

}  // namespace
}  // namespace pixo::e2e
