#include "color/chart_label.h"
#include "lens/lens_fixture.h"

namespace pixo {
namespace {

class ReadoutLabels : public LensFixture {
  protected:
    // The whole screen in one colour, so the picked pixel is that colour at any position.
    void StartOver(Color c) {
        platform.screen.content = [c](int, int) { return c; };
        Start();
    }
    std::string Text(LabelId id) const { return LabelOf(id).text.Str(); }
};

TEST_F(ReadoutLabels, GreyWithPantoneAndBlackOptions) {
    SetOption(MenuId::Showblack1, true);
    StartOver(HexColor(0x808080));
    EXPECT_EQ(Text(LabelId::ColorLabel), "R128 G128 B128");
    EXPECT_EQ(Text(LabelId::ColorShadeLabel), "R128 G128 B128");
    EXPECT_EQ(Text(LabelId::PMSLabel1), "");
    EXPECT_EQ(Text(LabelId::GrayPercentLabel), "50% black");
    EXPECT_EQ(Text(LabelId::GrayPercentShade), "50% black");
    EXPECT_TRUE(LabelOf(LabelId::GrayPercentLabel).visible);
}

TEST_F(ReadoutLabels, PantoneNameWithItsPrefixAndHiddenWhenOff) {
    StartOver(HexColor(0xE5DBCC));
    EXPECT_EQ(Text(LabelId::PMSLabel1), "PMS: Warm Gray 1");
    EXPECT_EQ(Text(LabelId::PMSLabel1Shade), "PMS: Warm Gray 1");
    EXPECT_TRUE(LabelOf(LabelId::PMSLabel1).visible);
    Click(MenuId::ShowPMS);
    EXPECT_FALSE(LabelOf(LabelId::PMSLabel1).visible);
    EXPECT_FALSE(LabelOf(LabelId::PMSLabel1Shade).visible);
    EXPECT_FALSE(LabelOf(LabelId::GrayPercentShade).visible) << "grey labels follow their option from start";
}

TEST_F(ReadoutLabels, ChoosingANotationTwiceReturnsToRgb) {
    StartOver(HexColor(0xFF8000));
    Press('Y', kCtrl);
    EXPECT_EQ(Text(LabelId::ColorLabel), " C0% M50% Y100% K0%");
    Press('C', kCtrl);
    EXPECT_EQ(platform.clipboard.text, " C0% M50% Y100% K0%");
    Press('Y', kCtrl);
    EXPECT_EQ(Text(LabelId::ColorLabel), "R255 G128 B0");
}

TEST_F(ReadoutLabels, EveryNotationByItsShortcut) {
    StartOver(HexColor(0x123456));
    const struct {
        char key;
        const char* text;
    } cases[] = {
        {'H', "#123456"}, {'S', "H210\xF8 S79.1 B33.7"}, {'Z', "X3.16 Y3.26 Z9.27"}, {'Y', " C79% M40% Y0% K66%"}};
    for (const auto& c : cases) {
        Press(static_cast<std::uint16_t>(c.key), kCtrl);
        EXPECT_EQ(Text(LabelId::ColorLabel), c.text);
    }
    Click(MenuId::HEXgrb1);
    EXPECT_EQ(Text(LabelId::ColorLabel), "$00563412");
    Press('W', kCtrl);
    EXPECT_EQ(Text(LabelId::ColorLabel), "$00563412") << "only the stored settings turn the web-safe notation on";
}

TEST_F(ReadoutLabels, DecimalSeparatorFollowsTheSystemWithoutRestart) {
    StartOver(HexColor(0x808080));
    Press('S', kCtrl);
    EXPECT_EQ(Text(LabelId::ColorLabel), "H0\xF8 S0.0 B50.2");
    platform.locale.decimalSeparator = ",";
    form.SettingsChanged();
    EXPECT_EQ(Text(LabelId::ColorLabel), "H0\xF8 S0,0 B50,2");
}

TEST_F(ReadoutLabels, TurningThePickerOffHidesEverythingAndEndsMeasuring) {
    SetOption(MenuId::Showblack1, true);
    StartOver(HexColor(0x808080));
    Press('M');
    Press('M');  // a mark is set, its status shows, and the picker has stepped aside
    ASSERT_TRUE(form.Measurement().State().MarkSet);
    ASSERT_TRUE(LabelOf(LabelId::CropLabel).visible);
    Press('P', kCtrl);  // the picker back on ends the measuring display
    EXPECT_TRUE(LabelOf(LabelId::ColorLabel).visible);
    EXPECT_FALSE(LabelOf(LabelId::CropLabel).visible);
    Press('P', kCtrl);
    for (LabelId id : {LabelId::ColorLabel, LabelId::ColorShadeLabel, LabelId::PMSLabel1, LabelId::PMSLabel1Shade,
                       LabelId::GrayPercentLabel, LabelId::GrayPercentShade}) {
        EXPECT_FALSE(LabelOf(id).visible) << LabelOf(id).name;
    }
    EXPECT_FALSE(form.Measurement().State().MarkSet);
    EXPECT_FALSE(form.Measurement().State().MeasureShown);
    EXPECT_FALSE(LabelOf(LabelId::CropLabel).visible);
    Click(MenuId::ShowPMS);
    Click(MenuId::ShowPMS);
    EXPECT_FALSE(LabelOf(LabelId::PMSLabel1).visible) << "Pantone on while the picker is off stays hidden";
}

TEST_F(ReadoutLabels, BusyClipboardReportsAndKeepsItsContent) {
    StartOver(HexColor(0xFF8000));
    platform.clipboard.text = "theirs";
    platform.clipboard.busy = true;
    Press('C', kCtrl);
    EXPECT_EQ(platform.clipboard.text, "theirs");
    ASSERT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_EQ(platform.dialogs.errors[0], "The colour value was not copied to the clipboard.\r\nCannot open clipboard");
    MoveTo(Left() + 1, Top());
    EXPECT_EQ(Text(LabelId::ColorLabel), "R255 G128 B0") << "the lens keeps working";
}

TEST_F(ReadoutLabels, NothingToCopyBeforeTheFirstReadout) {
    SetOption(MenuId::ShowColVal, false);
    StartOver(HexColor(0xFF8000));
    Press('C', kCtrl);
    EXPECT_FALSE(platform.clipboard.text.has_value());
    EXPECT_TRUE(platform.dialogs.errors.empty());
}

// A chart chosen names the nearest colour of that chart whatever "Show PMS" says, exactly or with its
// CIEDE2000 distance; Ctrl+N steps through the charts, Ctrl+Shift+C copies the name as shown, and the choice
// is stored after the first version's values.
TEST_F(ReadoutLabels, TheNearestColourNameOfTheChosenChart) {
    SetOption(MenuId::ShowPMS, false);
    StartOver(HexColor(0xE5DBCC));
    EXPECT_FALSE(LabelOf(LabelId::PMSLabel1).visible);
    // The charts' own tests prove the names and distances; here the label shows what they give.
    const std::string ralClassic(NearestChartLabel(Chart::RalClassic, HexColor(0xE5DBCC), ".").View());
    const std::string ralDesign(NearestChartLabel(Chart::RalDesign, HexColor(0xE5DBCC), ".").View());
    ASSERT_EQ(ralClassic.rfind("\u2248RAL ", 0), 0u);
    const struct {
        std::string name;
        MenuId item;
    } kSteps[] = {{"PMS: Warm Gray 1", MenuId::NearestPantone},
                  {ralClassic, MenuId::NearestRalClassic},
                  {ralDesign, MenuId::NearestRalDesign}};
    for (const auto& step : kSteps) {
        Press('N', kCtrl);
        EXPECT_TRUE(Checked(step.item)) << step.name;
        EXPECT_TRUE(LabelOf(LabelId::PMSLabel1).visible);
        EXPECT_EQ(Text(LabelId::PMSLabel1Shade), step.name);
        Press('C', kCtrl | kShift);
        EXPECT_EQ(platform.clipboard.unicode, step.name);
    }
    Click(MenuId::Close1);
    EXPECT_EQ(platform.registry.Get(RegistryRoot::CurrentUser, "Software\\Kestrow Software\\Pixoscope", "NearestName"), 3);
    Press('N', kCtrl);
    EXPECT_TRUE(Checked(MenuId::NearestOff));
    EXPECT_FALSE(LabelOf(LabelId::PMSLabel1).visible);
    platform.clipboard.unicode.reset();
    Press('C', kCtrl | kShift);
    EXPECT_FALSE(platform.clipboard.unicode.has_value()) << "nothing when the label is hidden";
}

}  // namespace
}  // namespace pixo
