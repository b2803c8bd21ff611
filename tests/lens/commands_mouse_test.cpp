#include <algorithm>

#include "lens/lens_fixture.h"

namespace pixo {
namespace {

class Mouse : public LensFixture {
  protected:
    void SetUp() override { Start(); }
    void Drag(int fromX, int fromY, int toX, int toY) {
        form.MouseDown(MouseButton::Left, kNoModifier, fromX, fromY, false);
        // The pointer moves on the screen; the window reports it relative to its own position.
        const int screenX = Left() + toX;
        const int screenY = Top() + toY;
        const int startLeft = Left();
        const int startTop = Top();
        form.MouseMove(kNoModifier, true, screenX - startLeft, screenY - startTop);
        form.MouseUp();
    }
};

TEST_F(Mouse, DragKeepsTheGrabbedPointUnderThePointerMovingLeftThenTop) {
    platform.window.calls.clear();
    Drag(20, 30, 65, 10);
    EXPECT_EQ(Left(), 245);
    EXPECT_EQ(Top(), 180);
    const auto& calls = platform.window.calls;
    const auto left = std::find(calls.begin(), calls.end(), "SetLeft 245");
    const auto top = std::find(calls.begin(), calls.end(), "SetTop 180");
    ASSERT_NE(left, calls.end());
    EXPECT_LT(left, top);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Invalidate"), 2) << "two moves, each redrawn";
}

TEST_F(Mouse, DragByPassingLabelsButNotByOthers) {
    const Label& color = LabelOf(LabelId::ColorLabel);
    Drag(color.left + 5, color.top + 5, color.left + 15, color.top + 5);
    EXPECT_EQ(Left(), 210) << "ColorLabel passes the press on";
    SetOption(MenuId::ShowMagn1, true);
    const Label& zoom = LabelOf(LabelId::ZoomLabel);
    ASSERT_TRUE(zoom.visible);
    Drag(zoom.left + 2, zoom.top + 2, zoom.left + 40, zoom.top + 2);
    EXPECT_EQ(Left(), 210) << "a press on ZoomLabel reaches no handler";
    form.MouseDown(MouseButton::Left, kNoModifier, zoom.left + 2, zoom.top + 2, true);
    EXPECT_EQ(platform.screen.grabCount, 1) << "not even a double click";
}

TEST_F(Mouse, DragByTheReadoutKeepsTheGrabbedPointWhenTheReadoutMovesDown) {
    MoveTo(300, -20);
    const Label& color = LabelOf(LabelId::ColorLabel);
    ASSERT_EQ(color.top, 67);
    form.MouseDown(MouseButton::Left, kNoModifier, color.left + 10, color.top + 5, false);
    // The pointer goes 20 pixels up: the window follows, and at Top -40 the readout moves to 115.
    form.MouseMove(kNoModifier, true, color.left + 10, color.top + 5 - 20);
    EXPECT_EQ(Top(), -40);
    ASSERT_EQ(color.top, 115);
    form.MouseMove(kNoModifier, true, color.left + 10, 67 + 5);
    EXPECT_EQ(Top(), -40) << "the pointer has not moved relative to the lens since";
}

TEST_F(Mouse, DoubleClickRecapturesOnceOnItsSecondPress) {
    form.MouseDown(MouseButton::Left, kNoModifier, 10, 10, false);
    EXPECT_EQ(platform.screen.grabCount, 1);
    form.MouseDown(MouseButton::Left, kNoModifier, 10, 10, true);
    EXPECT_EQ(platform.screen.grabCount, 2);
    EXPECT_FALSE(form.Capture().RecaptureRequested());
    form.MouseDown(MouseButton::Right, kNoModifier, 10, 10, true);
    EXPECT_EQ(platform.screen.grabCount, 3) << "double clicks of every button";
}

TEST_F(Mouse, WheelZoomsOneStepPerNotchOnlyWhenAllowed) {
    form.MouseWheel(-120, kNoModifier);
    EXPECT_EQ(form.Magnification().Factor(), 0);
    Click(MenuId::ZoomWheel1);
    form.MouseWheel(-60, kNoModifier);
    EXPECT_EQ(form.Magnification().Factor(), 0) << "half a notch";
    form.MouseWheel(-60, kNoModifier);
    EXPECT_EQ(form.Magnification().Factor(), 1);
    form.MouseWheel(-480, kNoModifier);
    EXPECT_EQ(form.Magnification().Factor(), 3);
    form.MouseWheel(120, kNoModifier);
    EXPECT_EQ(form.Magnification().Factor(), 2);
    form.MouseWheel(600, kNoModifier);
    EXPECT_EQ(form.Magnification().Factor(), 0);
}

TEST_F(Mouse, MagnificationShiftKeepsTheTopLeftPixelWithRulerOrCaliper) {
    Click(MenuId::magnify_4x);
    EXPECT_EQ(Left(), 200) << "no shift without the option";
    Click(MenuId::magnify_1x);
    Click(MenuId::MoveTopLeft1);
    Click(MenuId::magnify_4x);
    EXPECT_EQ(Left(), 200) << "no shift without ruler or caliper";
    Click(MenuId::magnify_1x);
    Click(MenuId::Ruler1);
    Click(MenuId::magnify_4x);
    EXPECT_EQ(Left(), 125);
    EXPECT_EQ(Top(), 125);
    Click(MenuId::magnify_3x);
    Click(MenuId::magnify_2x);
    EXPECT_EQ(Left(), 125 + 9 + 16);
    Click(MenuId::magnify_1x);
    EXPECT_EQ(Left(), 200);
    EXPECT_EQ(Top(), 200);
    EXPECT_EQ(form.Magnification().Zoomstep(), 0);
}

TEST_F(Mouse, ReduceFlickeringIsEnabledExactlyWhileAddDelayIsOff) {
    Click(MenuId::AddDelay1);
    EXPECT_FALSE(form.PopupMenu1Popup().Enabled(MenuId::DoubleBuffer1));
    Click(MenuId::AddDelay1);
    EXPECT_TRUE(form.PopupMenu1Popup().Enabled(MenuId::DoubleBuffer1));
}

}  // namespace
}  // namespace pixo
