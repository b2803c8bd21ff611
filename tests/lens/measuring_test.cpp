// The measuring handlers on the whole lens: ruler and caliper drawn with their labels, measure mode driven by
// its keys, the exposure indicator.
#include <climits>
#include <string>
#include <vector>

#include "lens/lens_fixture.h"

namespace pixo {
namespace {

constexpr Color NotXor(Color pen, Color p) {
    return ~(pen ^ p) & 0xFFFFFF;
}
constexpr Color NotMask(Color pen, Color p) {
    return ~(pen & p) & 0xFFFFFF;
}

class Measuring : public LensFixture {
  protected:
    // The screen pixel that the view shows at lens pixel (x, y) at 2x, the window at its start position.
    static Color TwiceView(int x, int y) { return ScreenPixel(250 + x / 2, 250 + y / 2); }
    std::string Text(LabelId id) const { return LabelOf(id).text.Str(); }
};

TEST_F(Measuring, RulerAtTwoTimesDrawsTicksAndPlacesItsNumbers) {
    Start();
    Press('2');
    Press('R', kCtrl);
    // Tick 5 at 100 is red and 13 long, standing 4 pixels off the edge; tick 1 at 20 is black.
    for (int y = 4; y < 17; ++y)
        ASSERT_EQ(LensPixel(100, y), NotXor(HexColor(0xFF0000), TwiceView(100, y))) << y;
    EXPECT_EQ(LensPixel(100, 17), TwiceView(100, 17));
    EXPECT_EQ(LensPixel(4, 100), NotXor(HexColor(0xFF0000), TwiceView(4, 100)));
    EXPECT_EQ(LensPixel(20, 10), NotXor(kBlack, TwiceView(20, 10)));
    const Label& r1 = LabelOf(LabelId::R1);
    const Label& v1 = LabelOf(LabelId::V1);
    EXPECT_TRUE(r1.visible && v1.visible);
    EXPECT_EQ(Text(LabelId::R1), "50");
    EXPECT_EQ(Text(LabelId::V1), "50");
    EXPECT_EQ(r1.left, 97);
    EXPECT_EQ(r1.top, 22);
    EXPECT_EQ(v1.left, 21);
    EXPECT_EQ(v1.top, 97);
    EXPECT_TRUE(r1.font.face == LabelFontFace::Terminal && r1.font.bold);
    EXPECT_FALSE(LabelOf(LabelId::R2).visible);
    EXPECT_FALSE(LabelOf(LabelId::FactorLabel).visible) << "no sizes in ruler mode";

    Press('1');
    EXPECT_EQ(Text(LabelId::R3), "150");
    Press('B', kCtrl);
    EXPECT_FALSE(LabelOf(LabelId::R1).visible) << "the lens border hides every number";
}

TEST_F(Measuring, CaliperShowsItsJawsAndSizesAndShiftArrowsOpenThem) {
    Start();
    Press('K', kCtrl);
    EXPECT_EQ(LensPixel(50, 50), HexColor(0x008000)) << "inside the green vertical jaw at 1:1";
    EXPECT_EQ(LensPixel(40, 60), kBlack) << "its measuring edge x = 40";
    EXPECT_EQ(LensPixel(30, 22), HexColor(0x008000)) << "the horizontal jaw below y = 20";
    EXPECT_EQ(Text(LabelId::FactorLabel), "40px");
    EXPECT_EQ(Text(LabelId::FactorShade), "40px");
    EXPECT_EQ(Text(LabelId::FactorLabel2), "20px");
    EXPECT_EQ(LabelOf(LabelId::FactorLabel).color, HexColor(0x1C2630));
    EXPECT_EQ(LabelOf(LabelId::FactorShade2).color, kWhite);
    EXPECT_TRUE(LabelOf(LabelId::FactorShade2).visible);
    EXPECT_FALSE(LabelOf(LabelId::R1).visible);

    Press(vk::kRight, kShift);
    Press(vk::kUp, kShift);
    EXPECT_EQ(Text(LabelId::FactorLabel), "41px");
    EXPECT_EQ(Text(LabelId::FactorLabel2), "19px");
    EXPECT_EQ(LensPixel(41, 60), kBlack) << "the edge followed";
    Press('2');
    EXPECT_EQ(LensPixel(90, 10), HexColor(0xFF0000)) << "magnified, the jaw is red at x = 82";
}

TEST_F(Measuring, DamagedStoredFactorsDrawWithoutFault) {
    Store("RULERFACTOR", 0);
    Store("CALIPERFACTORH", INT_MAX);
    Store("CALIPERFACTORV", INT_MIN);
    Start();
    Press('R', kCtrl);
    EXPECT_EQ(form.Measurement().RulerFactor(), 2) << "a unit below 1 is raised to the lowest the keys reach";
    EXPECT_EQ(Text(LabelId::R1), "20");
    Press('K', kCtrl);
    EXPECT_EQ(form.Measurement().RulerFactor(), 2);
    EXPECT_EQ(LensPixel(50, 50), ScreenPixel(250, 250)) << "both jaws lie outside the view";
}

struct Key {
    std::uint16_t key;
    Modifiers modifiers;
};
constexpr Key kM{'M', kNoModifier};
constexpr Key kShiftM{'M', kShift};
constexpr Key kEsc{vk::kEscape, kNoModifier};
constexpr Key kCtrlP{'P', kCtrl};
constexpr Key kCtrlE{'E', kCtrl};

TEST_F(Measuring, StatesAndTransitionsOfMeasureMode) {
    const struct {
        const char* what;
        std::vector<Key> before;
        Key event;
        MeasurePhase to;
    } rows[] = {
        {"off, M: armed", {}, kM, MeasurePhase::Armed},
        {"armed, M: marked", {kM}, kM, MeasurePhase::Marked},
        {"marked, M: armed", {kM, kM}, kM, MeasurePhase::Armed},
        {"a fourth M marks again", {kM, kM, kM}, kM, MeasurePhase::Marked},
        {"armed, picker toggled: interrupted", {kM}, kCtrlP, MeasurePhase::Interrupted},
        {"marked, exposure check toggled: interrupted", {kM, kM}, kCtrlE, MeasurePhase::Interrupted},
        {"interrupted, M: marked", {kM, kM, kCtrlP, kCtrlP}, kM, MeasurePhase::Marked},
        {"interrupted with the exposure check on, M: armed", {kM, kM, kCtrlE}, kM, MeasurePhase::Armed},
        {"marked, Shift+M: off", {kM, kM}, kShiftM, MeasurePhase::Off},
        {"armed, Escape: off", {kM}, kEsc, MeasurePhase::Off},
        {"interrupted, Escape: off", {kM, kCtrlE}, kEsc, MeasurePhase::Off},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        FakePlatform fresh;
        TFormFilter other(fresh.services);
        fresh.window.onPositionChanged = [&] { other.WmWindowPosChanged(); };
        other.FormCreate();
        for (const Key& k : row.before)
            other.KeyDown(k.key, k.modifiers);
        other.KeyDown(row.event.key, row.event.modifiers);
        const MeasurePhase phase = PhaseOf(other.Measurement().State());
        EXPECT_EQ(phase, row.to);

        // What the lens shows in each state.
        const Label& bar = other.ShownLabels()[LabelId::CropLabel];
        const bool shown = phase == MeasurePhase::Armed || phase == MeasurePhase::Marked;
        EXPECT_EQ(bar.visible, shown);
        if (phase == MeasurePhase::Armed) {
            EXPECT_EQ(bar.text.Str(), "M = Mark start position  Esc = Close");
            EXPECT_EQ(bar.background, HexColor(0x009BAA));
        } else if (phase == MeasurePhase::Marked) {
            EXPECT_EQ(bar.text.Str(), "Measuring to any location active");
            EXPECT_EQ(bar.background, HexColor(0x54BC00));
            EXPECT_EQ(fresh.sound.played.back(), "SelectClickSound");
            EXPECT_EQ(other.Measurement().State().MarkLeft, 200);
        }
        const Color onStar = other.BackBuffer().GetPixel(80, 80);
        EXPECT_EQ(onStar == NotMask(HexColor(0xC0C0C0), ScreenPixel(280, 280)), shown) << "the star";
        EXPECT_EQ(other.ShownLabels()[LabelId::XYLabel].color,
                  HexColor(phase == MeasurePhase::Marked ? 0xFF0000 : 0x1C2630));
        EXPECT_EQ(other.PopupMenu1Popup().Checked(MenuId::Crosshair1), phase == MeasurePhase::Off);
        EXPECT_EQ(other.PopupMenu1Popup().Checked(MenuId::Test1), phase != MeasurePhase::Off);
    }
}

TEST_F(Measuring, ReadoutFollowsTheLensFromTheMarkWithTheSystemSeparators) {
    Start();
    Press('M');
    Press('M');
    MoveTo(230, 160);
    EXPECT_EQ(Text(LabelId::XYLabel), "50px 53.1\xF8");
    EXPECT_EQ(Text(LabelId::XYShadeLabel), "50px 53.1\xF8");
    EXPECT_TRUE(LabelOf(LabelId::XYLabel).visible);
    MoveTo(200, 200);
    EXPECT_EQ(Text(LabelId::XYLabel), "0px 0\xF8");
    platform.locale.decimalSeparator = ",";
    platform.locale.thousandsSeparator = ".";
    form.SettingsChanged();
    MoveTo(1200, 200);
    EXPECT_EQ(Text(LabelId::XYLabel), "1.000px 0,0\xF8");
    Press(vk::kEscape);
    EXPECT_EQ(Text(LabelId::XYLabel), "x1300 y300");
    EXPECT_FALSE(LabelOf(LabelId::XYLabel).visible) << "the XY option was off before";
}

TEST_F(Measuring, TheEndRestoresTheOptionsOfBeforeOverChangesMadeMeanwhile) {
    Start();
    Press('O', kCtrl);  // crosshair off, XY off, picker on, exposure check off
    Press('M');
    EXPECT_FALSE(Checked(MenuId::ShowColVal));
    EXPECT_FALSE(LabelOf(LabelId::ColorLabel).visible);
    Press('O', kCtrl);  // the crosshair on during the measurement
    Press(vk::kEscape);
    EXPECT_FALSE(Checked(MenuId::Crosshair1));
    EXPECT_FALSE(Checked(MenuId::Test1));
    EXPECT_TRUE(Checked(MenuId::ShowColVal));
    EXPECT_TRUE(LabelOf(LabelId::ColorLabel).visible);
    EXPECT_FALSE(Checked(MenuId::ExpoCheck1));
    EXPECT_EQ(PhaseOf(form.Measurement().State()), MeasurePhase::Off);
}

TEST_F(Measuring, CloseWhileMeasuringLeavesTheOptionsOfBefore) {
    Start();
    Press('M');
    Press('M');
    Press('X', kCtrl);
    EXPECT_TRUE(platform.window.closed);
    EXPECT_TRUE(Checked(MenuId::Crosshair1));
    EXPECT_TRUE(Checked(MenuId::ShowColVal));
    EXPECT_FALSE(Checked(MenuId::Test1));
    // What is stored is the options of before the measurement.
    const std::string key = "Software\\Kestrow Software\\Pixoscope";
    EXPECT_EQ(platform.registry.Get(RegistryRoot::CurrentUser, key, "Crosshair"), 1);
    EXPECT_EQ(platform.registry.Get(RegistryRoot::CurrentUser, key, "RGB"), 1);
}

TEST_F(Measuring, CloseWhileInterruptedLeavesTheOptionsAsTheyStand) {
    Start();
    Press('M');
    Press('E', kCtrl);
    Press('X', kCtrl);
    EXPECT_TRUE(platform.window.closed);
    EXPECT_FALSE(Checked(MenuId::Crosshair1));
    EXPECT_TRUE(Checked(MenuId::ExpoCheck1));
}

TEST_F(Measuring, ExposureIndicatorByClassAndPlace) {
    const struct {
        Color screen;
        Color fill;
        bool bar;
    } rows[] = {
        {kBlack, HexColor(0xFF0000), true},
        {kWhite, HexColor(0xFF0000), true},
        {MakeColor(5, 5, 5), HexColor(0xFF9338), false},
        {HexColor(0x808080), HexColor(0x008000), false},
    };
    for (const auto& row : rows) {
        FakePlatform fresh;
        fresh.screen.content = [&](int, int) { return row.screen; };
        TFormFilter other(fresh.services);
        fresh.window.onPositionChanged = [&] { other.WmWindowPosChanged(); };
        other.FormCreate();
        other.MenuClick(MenuId::ExpoCheck1);
        const Bitmap& picture = other.BackBuffer();
        EXPECT_EQ(picture.GetPixel(40, 93), row.fill) << std::hex << row.screen;
        EXPECT_EQ(picture.GetPixel(40, 100), row.bar ? row.screen : row.fill) << std::hex << row.screen;
        EXPECT_EQ(picture.GetPixel(30, 100), HexColor(0x808080)) << "the grey outline";
        fresh.window.SetLeft(-31);
        EXPECT_EQ(picture.GetPixel(161, 93), row.fill) << "past the left edge the indicator moves right";
        EXPECT_EQ(picture.GetPixel(40, 93), row.screen);
    }
}

TEST_F(Measuring, ExposureCheckFramesTheSwatchInGreyWhenThePickerIsOff) {
    Start();
    Press('E', kCtrl);
    EXPECT_EQ(LensPixel(92, 95), NotXor(HexColor(0xC0C0C0), ScreenPixel(292, 295))) << "the picker's own frame";
    Press('P', kCtrl);
    EXPECT_EQ(LensPixel(92, 95), NotXor(HexColor(0x808080), ScreenPixel(292, 295)));
    EXPECT_EQ(LensPixel(100, 100), ScreenPixel(300, 300)) << "the swatch shows the picked pixel";
    EXPECT_EQ(form.PickedColor(), ScreenPixel(300, 300));
}

}  // namespace
}  // namespace pixo
