// The settings store and the help commands as the lens window runs them.
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

#include "commands/keys.h"
#include "help/help_files.h"
#include "lens_fixture.h"
#include "settings/settings_table.h"

namespace pixo {
namespace {

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
constexpr char kKey[] = "Software\\Kestrow Software\\Pixoscope";
constexpr char kAppDir[] = "C:\\Program Files\\Pixoscope\\";

class SettingsInTheLens : public LensFixture {
  protected:
    // A complete store at the defaults, with some values changed.
    void Store(const std::map<std::string, std::int32_t>& changed, RegistryRoot root = kUser) {
        for (const SettingRow& row : kSettingRows) {
            const auto it = changed.find(row.name);
            platform.registry.Set(root, kKey, row.name, it != changed.end() ? it->second : row.Default());
        }
    }
    std::optional<std::int32_t> Stored(const char* name, RegistryRoot root = kUser) const {
        return platform.registry.Get(root, kKey, name);
    }
    bool Visible(LabelId id) const { return LabelOf(id).visible; }
};

TEST_F(SettingsInTheLens, TheFirstRunCreatesTheKeyAndTheCloseWritesEveryValueAtItsDefault) {
    Start();
    EXPECT_TRUE(platform.registry.values.empty());
    EXPECT_EQ(Left(), 200);
    EXPECT_TRUE(Checked(MenuId::LensBorder1));

    form.FormClose();
    ASSERT_EQ(platform.registry.values.size(), kSettingCount);
    for (const SettingRow& row : kSettingRows)
        EXPECT_EQ(Stored(row.name), row.Default()) << row.name;
}

TEST_F(SettingsInTheLens, WhatACloseStoresComesBackAtTheNextStart) {
    Start();
    Click(MenuId::Caliper1);
    Click(MenuId::HEXColor1);
    Click(MenuId::Crosshair1);
    Press('3');
    for (int i = 0; i < 7; ++i)
        Press(vk::kLeft, kShift);  // the caliper 33 wide
    MoveTo(-140, 0);
    Press('Q');
    Press('Q');
    MoveTo(-100, 300);
    Press('Q');  // the Qframe from (-40, 100), 40 x 300
    MoveTo(321, 123);
    Press('X', kCtrl);  // Close: writes, and the window's close writes again
    EXPECT_TRUE(platform.window.closed);

    TFormFilter next(platform.services);
    platform.window.onPositionChanged = [&next] { next.WmWindowPosChanged(); };
    next.FormCreate();
    EXPECT_EQ(platform.window.left, 321);
    EXPECT_EQ(platform.window.top, 123);
    EXPECT_TRUE(next.PopupMenu1Popup().Checked(MenuId::Caliper1));
    EXPECT_FALSE(next.PopupMenu1Popup().Checked(MenuId::LensBorder1));
    EXPECT_TRUE(next.PopupMenu1Popup().Checked(MenuId::HEXColor1));
    EXPECT_FALSE(next.PopupMenu1Popup().Checked(MenuId::Crosshair1));
    EXPECT_TRUE(next.PopupMenu1Popup().Checked(MenuId::magnify_3x));
    EXPECT_EQ(next.Magnification().Factor(), 2);
    EXPECT_EQ(next.Magnification().Zoomstep(), 66);
    EXPECT_EQ(next.Measurement().CaliperFactorH(), 33);
    EXPECT_EQ(next.Selection().Qframe().left, -40);
    EXPECT_EQ(next.Selection().Qframe().height, 300);
    EXPECT_EQ(next.BackBuffer().GetPixel(150, 120), form.BackBuffer().GetPixel(150, 120));
}

TEST_F(SettingsInTheLens, ReadoutLabelsFollowTheOptionsRead) {
    const struct {
        std::map<std::string, std::int32_t> stored;
        bool withoutZoomstep;  // the read stops at "Zoomstep", after the picker options
        bool colour, pms, grey;
    } kCases[] = {
        {{}, false, true, true, false},
        {{{"RGB", 0}}, false, false, false, false},
        {{{"RGB", 1}, {"PMS", 0}}, false, true, false, false},
        {{{"%Black", 1}}, false, true, true, true},
        {{{"RGB", 0}, {"%Black", 1}}, false, false, false, false},
        {{{"RGB", 0}}, true, false, false, false},
    };
    for (const auto& c : kCases) {
        FakePlatform local;
        TFormFilter lens(local.services);
        lens.SetLensPicture(LensPicture::Default, PlatePicture(kDefaultPlate));
        for (const SettingRow& row : kSettingRows) {
            const auto it = c.stored.find(row.name);
            local.registry.Set(kUser, kKey, row.name, it != c.stored.end() ? it->second : row.Default());
        }
        if (c.withoutZoomstep)
            local.registry.values.erase({kUser, kKey, "Zoomstep"});
        lens.FormCreate();
        const auto& l = lens.ShownLabels();
        const std::string what = c.stored.empty() ? "defaults" : c.stored.begin()->first;
        EXPECT_EQ(l[LabelId::ColorLabel].visible, c.colour) << what;
        EXPECT_EQ(l[LabelId::ColorShadeLabel].visible, c.colour) << what;
        EXPECT_EQ(l[LabelId::PMSLabel1].visible, c.pms) << what;
        EXPECT_EQ(l[LabelId::PMSLabel1Shade].visible, c.pms) << what;
        EXPECT_EQ(l[LabelId::GrayPercentShade].visible, c.grey) << what;
    }
}

// A damaged value costs nothing else: a missing "Zoomstep" and a "WinStatusTop" of another type keep their
// defaults, every other value is read, and the close writes them back as they were.
TEST_F(SettingsInTheLens, ADamagedValueKeepsItsDefaultAndCostsNoOther) {
    Store({{"WinStatusTop", 90},
           {"WinStatusLeft", 310},
           {"Factor", 3},
           {"ShowMagn", 1},
           {"AddDelay", 1},
           {"ZoomWheel", 1},
           {"RULERFACTOR", 5},
           {"Frame2X", 64}});
    platform.registry.values.erase({kUser, kKey, "Zoomstep"});
    platform.registry.wrongType.insert("WinStatusTop");
    Start();
    EXPECT_EQ(Top(), 200);
    EXPECT_EQ(Left(), 310);
    EXPECT_EQ(form.Magnification().Factor(), 3);
    EXPECT_TRUE(Checked(MenuId::ShowMagn1));
    EXPECT_EQ(form.Magnification().Zoomstep(), 0);
    EXPECT_TRUE(Checked(MenuId::AddDelay1));
    EXPECT_TRUE(Checked(MenuId::ZoomWheel1));
    EXPECT_EQ(form.Measurement().RulerFactor(), 5);
    EXPECT_EQ(form.Selection().Qframe().width, 64);
    EXPECT_FALSE(form.DoubleBuffered()) << "AddDelay was read";
    Click(MenuId::Close1);
    EXPECT_EQ(Stored("Frame2X"), 64);
    EXPECT_EQ(Stored("RULERFACTOR"), 5);
}

// Settings a user may read but not write (the machine-wide key of a standard user) are read, and the
// refusal to store them is said once, with the key, though the close writes twice.
TEST_F(SettingsInTheLens, ARefusedWriteIsReportedOnceWithTheKey) {
    Store({{"Factor", 2}});
    platform.registry.refuseWrites = true;
    Start();
    EXPECT_EQ(form.Magnification().Factor(), 2);
    Click(MenuId::Close1);
    EXPECT_EQ(platform.dialogs.errors,
              std::vector<std::string>{"The settings were not saved to HKEY_CURRENT_USER\\Software\\Kestrow "
                                       "Software\\Pixoscope.\r\nSystem Error.  Code: 5.\r\nAccess is denied."});
}

TEST_F(SettingsInTheLens, HexWebIsTheOnlyRoadToTheWebSafeNotation) {
    platform.screen.content = [](int, int) { return HexColor(0xFF8000); };
    Store({{"HEXWEB", 1}});
    Start();
    EXPECT_TRUE(Checked(MenuId::WebSafe1));
    EXPECT_EQ(LabelOf(LabelId::ColorLabel).text.View(), "#FF6600");
    Press('W', kCtrl);  // the hidden item's shortcut only redraws
    EXPECT_TRUE(Checked(MenuId::WebSafe1));
    form.FormClose();
    EXPECT_EQ(Stored("HEXWEB"), 1);

    Click(MenuId::HEXColor1);
    form.FormClose();
    EXPECT_EQ(Stored("HEXWEB"), 0) << "another notation replaces it for good";
    EXPECT_EQ(Stored("HEX"), 1);
}

TEST_F(SettingsInTheLens, TheMarkerFileIsLookedForAtEveryReadAndWrite) {
    const std::string marker = std::string(kAppDir) + "localmachinekey.on";
    platform.files.files[marker] = {};
    Store({{"WinStatusLeft", 444}}, RegistryRoot::LocalMachine);
    Start();
    EXPECT_EQ(Left(), 444);
    EXPECT_FALSE(platform.registry.HasKey(kUser, kKey));

    platform.files.files.erase(marker);
    form.FormClose();
    EXPECT_EQ(Stored("WinStatusLeft"), 444);
    platform.files.files[marker] = {};
    MoveTo(10, 20);
    form.FormClose();
    EXPECT_EQ(Stored("WinStatusLeft", RegistryRoot::LocalMachine), 10);
    EXPECT_EQ(Stored("WinStatusLeft"), 444);
}

TEST_F(SettingsInTheLens, ASessionEndStoresTheSettings) {
    Start();
    form.WmEndSession(false);  // another program refused the end: the session goes on
    EXPECT_TRUE(platform.registry.values.empty());
    Click(MenuId::ZoomWheel1);
    form.WmEndSession(true);
    EXPECT_EQ(platform.registry.values.size(), kSettingCount);
    EXPECT_EQ(Stored("ZoomWheel"), 1);
}

// Stored values outside every range: taken as they are, never a crash or a hang, and the lens stays
// reachable.
struct OutOfRange {
    const char* what;
    std::map<std::string, std::int32_t> stored;
    int left, top;  // where the lens starts
};

void PrintTo(const OutOfRange& c, std::ostream* os) {
    *os << c.what;
}

class OutOfRangeSettings : public SettingsInTheLens, public ::testing::WithParamInterface<OutOfRange> {};

TEST_P(OutOfRangeSettings, StartAndEveryLensCommandWork) {
    const OutOfRange& c = GetParam();
    Store(c.stored);
    Start();
    EXPECT_EQ(Left(), c.left);
    EXPECT_EQ(Top(), c.top);
    for (const std::uint16_t key :
         {std::uint16_t{'S'}, std::uint16_t{'1'}, vk::kAdd, vk::kSubtract, std::uint16_t{'4'}})
        Press(key);
    Press(vk::kAdd, kShift);
    Press(vk::kSubtract, kShift);
    Press(vk::kRight, kShift);
    Press(vk::kLeft, kShift);
    Press(vk::kSpace);
    form.FormClose();
    EXPECT_EQ(platform.registry.values.size(), kSettingCount);
}

INSTANTIATE_TEST_SUITE_P(
    Stored,
    OutOfRangeSettings,
    ::testing::Values(
        OutOfRange{"factor 7", {{"Factor", 7}, {"Zoomstep", 75}}, 200, 200},
        OutOfRange{"factor -1", {{"Factor", -1}}, 200, 200},
        OutOfRange{"zero ruler", {{"RULERFACTOR", 0}, {"RULER", 1}}, 200, 200},
        OutOfRange{"negative ruler", {{"RULERFACTOR", -5}, {"RULER", 1}, {"Factor", 2}}, 200, 200},
        OutOfRange{"negative caliper", {{"CALIPERFACTORH", -3}, {"CALIPERFACTORV", 0}, {"CALIPER", 1}}, 200, 200},
        OutOfRange{"negative Qframe", {{"Frame1X", -500}, {"Frame2X", -20}, {"Frame2Y", -1}}, 200, 200},
        OutOfRange{"parked", {{"WinStatusLeft", -180}, {"WinStatusTop", 284}}, -180, 284},
        OutOfRange{"far off", {{"WinStatusLeft", -30000}, {"WinStatusTop", 90000}}, 200, 200},
        OutOfRange{"just off", {{"WinStatusLeft", 1024}, {"WinStatusTop", 100}}, 200, 200},
        OutOfRange{"largest position", {{"WinStatusLeft", INT32_MAX}, {"WinStatusTop", INT32_MAX}}, 200, 200},
        OutOfRange{"smallest position", {{"WinStatusLeft", INT32_MIN}, {"WinStatusTop", INT32_MIN}}, 200, 200},
        OutOfRange{"extreme numbers",
                   {{"Factor", INT32_MIN},
                    {"Zoomstep", INT32_MAX},
                    {"RULERFACTOR", INT32_MAX},
                    {"RULER", 1},
                    {"CALIPERFACTORH", INT32_MIN},
                    {"Frame1X", INT32_MAX},
                    {"Frame1Y", INT32_MIN},
                    {"Frame2X", INT32_MAX},
                    {"Frame2Y", INT32_MAX}},
                   200,
                   200},
        // The 1:1 key shifts the window by the stored Zoomstep when the ruler moves with the magnification.
        OutOfRange{"largest zoomstep",
                   {{"Factor", 1}, {"Zoomstep", INT32_MAX}, {"RULER", 1}, {"YXMoveOnMeasure", 1}},
                   200,
                   200},
        OutOfRange{"smallest zoomstep",
                   {{"Factor", 3}, {"Zoomstep", INT32_MIN}, {"RULER", 1}, {"YXMoveOnMeasure", 1}},
                   200,
                   200}),
    [](const ::testing::TestParamInfo<OutOfRange>& param) {
        std::string name;
        for (const char ch : std::string(param.param.what))
            name += ch == ' ' || ch == '-' ? '_' : ch;
        return name;
    });

class HelpCommands : public LensFixture {};

TEST_F(HelpCommands, F1OpensTheHelpFileBesideTheProgramAndChangesNothing) {
    platform.files.files[std::string(kAppDir) + "Pixoscope.chm"] = {};
    Start();
    const Bitmap before = form.BackBuffer();
    Press(vk::kF1);
    ASSERT_EQ(platform.shell.opened.size(), 1u);
    EXPECT_EQ(platform.shell.opened[0], std::string(kAppDir) + "Pixoscope.chm");
    EXPECT_TRUE(std::equal(before.Data(), before.Data() + 200 * 200, form.BackBuffer().Data()));
    EXPECT_TRUE(platform.dialogs.messages.empty());
}

TEST_F(HelpCommands, ChartPagesOpenWhenTheyArePresentAndAMissingOneIsNamed) {
    Start();
    const struct {
        MenuId item;
        const char* file;
    } kPages[] = {
        {MenuId::OpenPMSChartwebbrowser1, "kestrow_pantone_pms.html"},
        {MenuId::OpenRALColorChart, "kestrow_ral_design.html"},
        {MenuId::RALClassic1, "kestrow_ral_classic.html"},
    };
    for (const auto& page : kPages) {
        platform.shell.opened.clear();
        platform.dialogs.errors.clear();
        Click(page.item);
        EXPECT_TRUE(platform.shell.opened.empty()) << page.file << " is missing";
        EXPECT_EQ(platform.dialogs.errors,
                  std::vector<std::string>{"The colour chart page " + std::string(kAppDir) + page.file +
                                           " is missing. It belongs beside pixoscope.exe."});
        platform.dialogs.errors.clear();
        platform.files.files[std::string(kAppDir) + page.file] = {};
        Click(page.item);
        ASSERT_EQ(platform.shell.opened.size(), 1u) << page.file;
        EXPECT_EQ(platform.shell.opened[0], std::string(kAppDir) + page.file);
    }
    EXPECT_TRUE(platform.dialogs.messages.empty());
    EXPECT_TRUE(platform.dialogs.errors.empty());
}

TEST_F(HelpCommands, HowToOpensThePageOnTheMakersSite) {
    Start();
    Click(MenuId::howto1);
    ASSERT_EQ(platform.shell.opened.size(), 1u);
    EXPECT_EQ(platform.shell.opened[0], std::string(kMakerSite) + "/pixoscope_howto.html");
}

TEST_F(HelpCommands, TheVersionBoxShowsThreeNumbersOfTheProgramsFileVersion) {
    Start();
    const std::string program = platform.shell.programPath;
    const struct {
        std::optional<FileVersion> version;
        const char* text;
    } kCases[] = {
        {FileVersion{1, 0, 7, 1}, "Pixoscope version 1.0.7"},
        {FileVersion{2, 10, 0, 99}, "Pixoscope version 2.10.0"},
        {FileVersion{65535, 65535, 65535, 65535}, "Pixoscope version 65535.65535.65535"},
        {std::nullopt, "Pixoscope version "},
    };
    for (const auto& c : kCases) {
        platform.files.versions.clear();
        if (c.version)
            platform.files.versions[program] = *c.version;
        platform.dialogs.messages.clear();
        Click(MenuId::version1);
        ASSERT_EQ(platform.dialogs.messages.size(), 1u);
        EXPECT_EQ(platform.dialogs.messages[0], c.text);
    }
    platform.files.versions["C:\\other.exe"] = {3, 1, 4, 1};
    EXPECT_EQ(form.FileVersionText("C:\\other.exe"), "3.1.4");
}

}  // namespace
}  // namespace pixo
