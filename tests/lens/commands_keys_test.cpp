#include "lens/lens_fixture.h"

namespace pixo {
namespace {

class Keyboard : public LensFixture {
  protected:
    void SetUp() override { Start(); }
    void Down(std::uint16_t key, Modifiers m = kNoModifier) { form.KeyDown(key, m); }
    void Up(std::uint16_t key = 0) { form.KeyUp(key, kNoModifier); }
    const char* BarText() const { return LabelOf(LabelId::CropLabel).text.CStr(); }
};

TEST_F(Keyboard, ArrowsAndKeypadMoveByOneTenOrOneWithTwoModifiers) {
    Press(vk::kLeft);
    EXPECT_EQ(Left(), 199);
    Press(vk::kLeft, kCtrl);
    EXPECT_EQ(Left(), 189);
    Press(vk::kLeft, kCtrl | kShift);
    EXPECT_EQ(Left(), 188) << "two modifiers match neither Ctrl nor Shift";
    Press(vk::kLeft, kShift);
    EXPECT_EQ(Left(), 188) << "Shift sizes the caliper instead";
    Press(vk::kNumpad6, kCtrl);
    Press(vk::kNumpad2);
    Press(vk::kUp, kAlt);
    Press(vk::kNumpad8);
    Press(vk::kDown, kCtrl);
    EXPECT_EQ(Left(), 198);
    EXPECT_EQ(Top(), 209);
    EXPECT_EQ(LabelOf(LabelId::XYLabel).text.View(), "x298 y309") << "each move redraws";
}

TEST_F(Keyboard, ZoomKeysStepAndStopAtTheEnds) {
    Press(vk::kSubtract);
    EXPECT_EQ(form.Magnification().Factor(), 0);
    for (int i = 0; i < 5; ++i)
        Press(vk::kOemPlus);
    EXPECT_EQ(form.Magnification().Factor(), 3);
    EXPECT_TRUE(Checked(MenuId::magnify_4x));
    Press(vk::kOemMinus);
    EXPECT_EQ(form.Magnification().Factor(), 2);
    Press('1');
    EXPECT_EQ(form.Magnification().Factor(), 0);
    EXPECT_TRUE(Checked(MenuId::magnify_1x));
}

TEST_F(Keyboard, ShiftPlusAndMinusSizeTheRulerWithinTwoAndTheViewSpan) {
    Press(vk::kAdd, kShift);
    EXPECT_EQ(form.Measurement().RulerFactor(), 10) << "ruler off: nothing";
    Press(vk::Letter('R'), kCtrl);
    ASSERT_TRUE(Checked(MenuId::Ruler1));
    Press(vk::kOemPlus, kShift);
    EXPECT_EQ(form.Measurement().RulerFactor(), 11);
    EXPECT_EQ(form.Magnification().Factor(), 0) << "a shifted plus does not zoom";
    while (form.Measurement().RulerFactor() > 3)
        Press(vk::kSubtract, kShift);
    Press(vk::kSubtract, kShift);
    Press(vk::kSubtract, kShift);
    EXPECT_EQ(form.Measurement().RulerFactor(), 2);
}

TEST_F(Keyboard, CaliperSizesStopAtTheViewSpan) {
    Press(vk::Letter('K'), kCtrl);
    Press('3');
    for (int i = 0; i < 40; ++i)
        form.KeyDown(vk::kRight, kShift);
    // The keys stop at the view span, 67 at 3x; the redraw after each step clamps the caliper to 66.
    EXPECT_EQ(form.Measurement().CaliperFactorH(), 66);
    for (int i = 0; i < 18; ++i)
        Press(vk::kUp, kShift);
    ASSERT_EQ(form.Measurement().CaliperFactorV(), 2);
    Press(vk::kUp, kShift);
    Press(vk::kNumpad8, kShift);
    EXPECT_EQ(form.Measurement().CaliperFactorV(), 1);
}

TEST_F(Keyboard, ParkTogglesBetweenMinus180AndOne) {
    Press(vk::Letter('P'));
    EXPECT_EQ(Left(), -180);
    EXPECT_EQ(Top(), 768 / 2 - 100);
    Press(vk::Letter('P'));
    EXPECT_EQ(Left(), 1);
    Press(vk::Letter('P'));
    EXPECT_EQ(Left(), -180);
}

TEST_F(Keyboard, SCyclesTheLensModesWithTheirCaptions) {
    const struct {
        MenuId checked;
        const char* caption;
    } ring[] = {{MenuId::Ruler1, "Ruler mode"},
                {MenuId::Caliper1, "Caliper mode"},
                {MenuId::None, "Glass only magnifier"},
                {MenuId::LensBorder1, "Graphical magnifier"}};
    for (const auto& step : ring) {
        Press(vk::Letter('S'));
        EXPECT_STREQ(BarText(), step.caption);
        for (MenuId id : {MenuId::Ruler1, MenuId::Caliper1, MenuId::LensBorder1})
            EXPECT_EQ(Checked(id), id == step.checked) << step.caption;
        EXPECT_TRUE(LabelOf(LabelId::CropLabel).visible);
        EXPECT_EQ(LabelOf(LabelId::CropLabel).background, HexColor(0x51BFE2));
        EXPECT_TRUE(platform.timer.running);
    }
}

TEST_F(Keyboard, ShortcutsGoToTheMenuAndNeverToTheKeyHandler) {
    Press(vk::Letter('S'), kCtrl);
    EXPECT_TRUE(Checked(MenuId::RGBtoHSB1));
    EXPECT_TRUE(Checked(MenuId::LensBorder1)) << "Ctrl+S does not cycle the lens mode";
    Press(vk::Letter('P'), kCtrl);
    EXPECT_FALSE(Checked(MenuId::ShowColVal));
    EXPECT_EQ(Left(), 200) << "Ctrl+P does not park";
    Press(vk::Letter('A'), kCtrl);
    EXPECT_TRUE(Checked(MenuId::AutoCapture1));
    EXPECT_FALSE(form.SmoothViewHeld());
}

TEST_F(Keyboard, AHeldShowsTheSmoothViewUntilAnyKeyIsReleased) {
    Press('2');
    Press(vk::kOem5);  // the key-code display on
    Down(vk::Letter('A'), kAlt);
    EXPECT_TRUE(form.SmoothViewHeld());
    EXPECT_TRUE(LabelOf(LabelId::ColorLabel).transparent) << "the first A skips the Alt toggle";
    EXPECT_FALSE(LabelOf(LabelId::ZoomLabel).visible) << "and the key code display";
    Down(vk::Letter('A'), kAlt);
    EXPECT_FALSE(LabelOf(LabelId::ColorLabel).transparent) << "an auto-repeat goes on like any key";
    EXPECT_STREQ(LabelOf(LabelId::ZoomLabel).text.CStr(), "65");
    Up(16);
    EXPECT_FALSE(form.SmoothViewHeld());
}

TEST_F(Keyboard, AltTogglesTheReadoutBackgroundsWithEveryKeyDown) {
    Down(vk::kLeft, kAlt);
    EXPECT_EQ(Left(), 199) << "Alt+Left also moves one pixel";
    for (LabelId id : {LabelId::ColorLabel, LabelId::PMSLabel1, LabelId::XYLabel, LabelId::GrayPercentLabel})
        EXPECT_FALSE(LabelOf(id).transparent);
    EXPECT_TRUE(LabelOf(LabelId::ColorShadeLabel).transparent);
    Down(18, kAlt);
    EXPECT_TRUE(LabelOf(LabelId::ColorLabel).transparent);
}

TEST_F(Keyboard, BackslashShowsKeyCodesUntilTheNextRedraw) {
    Down(vk::kOem5);
    EXPECT_STREQ(LabelOf(LabelId::ZoomLabel).text.CStr(), "220");
    EXPECT_TRUE(LabelOf(LabelId::ZoomLabel).visible);
    Up();
    EXPECT_STREQ(LabelOf(LabelId::ZoomLabel).text.CStr(), "1:1");
    EXPECT_FALSE(LabelOf(LabelId::ZoomLabel).visible);
    Down(vk::kLeft);
    EXPECT_STREQ(LabelOf(LabelId::ZoomLabel).text.CStr(), "37");
    Down(16, kShift);
    EXPECT_STREQ(LabelOf(LabelId::ZoomLabel).text.CStr(), "Shiftkey");
}

TEST_F(Keyboard, EscapeEndsACornerSelection) {
    Press('C');
    Press('C');
    ASSERT_TRUE(form.Selection().Selecting());
    ASSERT_EQ(form.Selection().Step(), 2);
    ASSERT_TRUE(LabelOf(LabelId::CropLabel).visible);
    Press(vk::kEscape);
    EXPECT_FALSE(form.Selection().Selecting());
    EXPECT_EQ(form.Selection().Step(), 0);
    EXPECT_FALSE(LabelOf(LabelId::CropLabel).visible);
    EXPECT_TRUE(LabelOf(LabelId::CropLabel).text.Empty());
}

TEST_F(Keyboard, RRecapturesAndUnknownKeysDoNothing) {
    Press(vk::Letter('R'));
    EXPECT_EQ(platform.screen.grabCount, 2);
    EXPECT_EQ(platform.clock.sleeps, std::vector<int>{TFormFilter::kUncoverWaitMs})
        << "the key recaptures at once: only the hidden lens's wait before the grab";
    const int left = Left();
    const int grabs = platform.screen.grabCount;
    Press(vk::Letter('Z'));
    Press(vk::kInsert, kShift);
    EXPECT_EQ(Left(), left);
    EXPECT_EQ(platform.screen.grabCount, grabs);
}

}  // namespace
}  // namespace pixo
