// Dragging the lens with the left button: the window follows the pointer exactly and shows the desktop under
// its new place. A drag may start on the colour value, which passes presses on to the lens, but not on the
// magnification factor, which keeps them.
#include "commands/menu_ids.h"
#include "e2e/driver/input.h"
#include "e2e/driver/label_text.h"
#include "e2e/driver/lens_checks.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

// The magnification factor's box in lens coordinates and its text colour.
constexpr RECT kZoomLabel{175, 175, 194, 188};
constexpr Rgb kZoomLabelColour = 0x666D70;

std::size_t ZoomLabelPixels(const ScreenPicture& lens) {
    return PixelsOfColour(lens, kZoomLabel, kZoomLabelColour).size();
}

class LensDrag : public LensSession {};

TEST_F(LensDrag, FollowsThePointerAndShowsTheDesktopUnderItsNewPlace) {
    TurnOverlaysOff();
    // Inside the aperture, where no label lies once the readout is off.
    constexpr POINT kGrab{140, 125};
    const POINT start = LensTopLeft();

    ASSERT_TRUE(DragLensBy(kGrab, 137, 83));
    ExpectApertureShows("view after a drag right and down");

    ASSERT_TRUE(DragLensBy(kGrab, -251, -170));
    EXPECT_EQ(LensTopLeft().x, start.x + 137 - 251);
    EXPECT_EQ(LensTopLeft().y, start.y + 83 - 170);
    ExpectApertureShows("view after a drag left and up");
}

TEST_F(LensDrag, StartsOnTheColourValueButNotOnTheMagnificationFactor) {
    // The colour value, (24,67)-(174,85) while the picker is on, passes the press on to the lens.
    ASSERT_TRUE(DragLensBy({60, 75}, 60, 40));
    ExpectApertureShows("view after a drag from the colour value", OnDefaultOverlays);

    ASSERT_EQ(ZoomLabelPixels(SettledLens()), 0u) << "the magnification factor shows before it is turned on";
    ChooseFromLensMenu(MenuId::ShowMagn1);
    ExpectLensEventually("magnification factor shown", [&](const ScreenPicture& lens) {
        return ZoomLabelPixels(lens) > 0 ? std::string{} : "no text in the magnification factor's box";
    });

    const POINT before = LensTopLeft();
    const POINT onFactor = OnLens(184, 181);
    input::Drag(onFactor, {onFactor.x + 60, onFactor.y + 40}, 8);
    // A drag on the frame afterwards moves the lens by its own distance only: the input is handled in order,
    // so had the first drag moved the lens, it would end up elsewhere.
    const POINT onFrame = OnLens(kOnFrame);
    input::Drag(onFrame, {onFrame.x - 30, onFrame.y - 20}, 8);
    ExpectLensAt(before.x - 30, before.y - 20);
}

}  // namespace
}  // namespace pixo::e2e
