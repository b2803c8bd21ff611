// The lens on a desktop of two monitors, the second left of the primary at negative coordinates: the view,
// the readout, saves, P, a stored place, a changed layout and a changed scaling.
#include <algorithm>
#include <string>
#include <vector>

#include "capture/bmp_encoder.h"
#include "lens/lens_fixture.h"
#include "measure/exposure.h"

namespace pixo {
namespace {

constexpr ScreenRect kPrimary{0, 0, 1280, 1024};
constexpr ScreenRect kSecond{-1024, 0, 1024, 768};
constexpr char kFolder[] = "C:\\Users\\Tester\\Documents\\Pixoscope\\Screendumps\\";

class Monitors : public LensFixture {
  protected:
    Monitors() {
        platform.files.folders.insert("C:\\Users\\Tester\\Documents");
        platform.screen.SetMonitors({{kPrimary, true}, {kSecond, false}});
    }
    // What a capture of the desktop holds at screen pixel (x, y): black where no monitor shows anything.
    static Color Desk(int x, int y) {
        const bool shown = (x >= 0 && x < 1280 && y >= 0 && y < 1024) || (x >= -1024 && x < 0 && y >= 0 && y < 768);
        return shown ? ScreenPixel(x, y) : kBlack;
    }
    static Bitmap DeskPart(int left, int top, int width, int height) {
        Bitmap part(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                part.SetPixel(x, y, Desk(left + x, top + y));
        }
        return part;
    }
    std::vector<std::uint8_t> Saved(const std::string& name) const {
        const auto it = platform.files.files.find(kFolder + name);
        return it == platform.files.files.end() ? std::vector<std::uint8_t>{} : it->second;
    }
    void PressAt(char key, int x, int y) {
        MoveTo(x - 100, y - 100);
        Press(vk::Letter(key));
    }
};

TEST_F(Monitors, TheViewAndTheReadoutFollowTheLensOnEveryMonitorAndAcrossTheBoundary) {
    Start();
    Click(MenuId::Test1);       // the XY readout
    Click(MenuId::Crosshair1);  // nothing over the view
    Click(MenuId::ShowColVal);
    const struct {
        int left, top;
        const char* xy;
    } cases[] = {
        {-824, 200, "x-724 y300"},  // on the second monitor
        {-100, 300, "x0 y400"},     // across the boundary
        {-300, 650, "x-200 y750"},  // its lower part below the second monitor, where none shows anything
    };
    for (const auto& c : cases) {
        MoveTo(c.left, c.top);
        EXPECT_EQ(LabelOf(LabelId::XYLabel).text.View(), c.xy);
        EXPECT_EQ(form.PickedColor(), ScreenPixel(c.left + 100, c.top + 100)) << c.xy;
        for (const int y : {50, 99, 150}) {
            for (const int x : {50, 99, 100, 150})
                EXPECT_EQ(LensPixel(x, y), Desk(c.left + x, c.top + y)) << c.xy << " at " << x << "," << y;
        }
    }
    EXPECT_EQ(LensPixel(100, 170), kBlack) << "below the second monitor";
}

TEST_F(Monitors, InsertSavesTheVirtualScreenAndACropMayCrossTheBoundary) {
    Start();
    Press(vk::kInsert);
    EXPECT_EQ(Saved("Scrn_20261207-001532-045.bmp"), EncodeBmp(DeskPart(-1024, 0, 2304, 1024)));

    Press(vk::Letter('C'));
    PressAt('C', -100, 700);
    PressAt('C', 150, 800);
    EXPECT_EQ(Saved("Crop_20261207-001532-045.bmp"), EncodeBmp(DeskPart(-100, 700, 250, 100)))
        << "the part below the second monitor is black";
}

TEST_F(Monitors, PParksAtTheLeftEdgeOfTheLensMonitorAndBringsTheLensBack) {
    Start();
    const struct { int left, top; } steps[] = {{-180, 412}, {1, 412}, {-180, 412}};
    for (const auto& step : steps) {
        Press(vk::Letter('P'));
        EXPECT_EQ(Left(), step.left);
        EXPECT_EQ(Top(), step.top);
    }
    MoveTo(-700, 300);
    Press(vk::Letter('P'));
    EXPECT_EQ(Left(), -1204);
    EXPECT_EQ(Top(), 284);
    Press(vk::Letter('P'));
    EXPECT_EQ(Left(), -1023);
    EXPECT_EQ(Top(), 284);
}

TEST_F(Monitors, AStoredPlaceOnAMonitorIsKeptWhileThatMonitorIsThere) {
    Store("WinStatusLeft", -700);
    Store("WinStatusTop", 300);
    Start();
    EXPECT_EQ(Left(), -700);
    EXPECT_EQ(Top(), 300);
    form.FormClose();

    platform.screen.SetSize(1280, 1024);
    TFormFilter later(platform.services);
    later.FormCreate();
    EXPECT_EQ(Left(), 200) << "the second monitor is gone: the first-run place";
    EXPECT_EQ(Top(), 200);
}

TEST_F(Monitors, WhenTheLensMonitorGoesTheLensComesToThePrimaryAndTheNextCaptureIsTheNewDesktop) {
    Start();
    MoveTo(-700, 300);
    platform.screen.SetSize(1280, 1024);
    form.WmDisplayChange();
    EXPECT_EQ(Left(), 200);
    EXPECT_EQ(Top(), 200);
    ASSERT_FALSE(form.RestartLens());
    EXPECT_EQ(form.Capture().Held().Area(), kPrimary);

    // A lens that some monitor still shows stays where it is.
    MoveTo(-180, 412);
    form.WmDisplayChange();
    EXPECT_EQ(Left(), -180);
    EXPECT_EQ(Top(), 412);
}

// A monitor of another scaling sends WM_DPICHANGED with a rectangle scaled for it; the lens keeps its
// physical pixels and its place, and so do its labels.
TEST_F(Monitors, AChangedScalingLeavesTheLensItsSizePlaceAndLabels) {
    Start();
    MoveTo(-700, 300);
    const Labels labels = form.ShownLabels();
    const Bitmap picture = form.BackBuffer();
    form.WmDpiChanged();
    EXPECT_EQ(platform.window.left, -700);
    EXPECT_EQ(platform.window.top, 300);
    EXPECT_EQ(platform.window.width, 200);
    EXPECT_EQ(platform.window.height, 200);
    EXPECT_EQ(platform.window.regionWidth, 200);
    EXPECT_EQ(platform.window.regionHeight, 200);
    for (int i = 0; i < static_cast<int>(kLabelCount); ++i) {
        const auto id = static_cast<LabelId>(i);
        EXPECT_EQ(form.ShownLabels()[id].font.pixelHeight, labels[id].font.pixelHeight);
        EXPECT_EQ(form.ShownLabels()[id].left, labels[id].left);
        EXPECT_EQ(form.ShownLabels()[id].width, labels[id].width);
    }
    EXPECT_TRUE(std::equal(picture.Data(), picture.Data() + 200 * 200, form.BackBuffer().Data()));
}

// What moves inward near the desktop's edge (the exposure indicator past the left edge, the readout and the
// message bar past the top) goes by the edges beyond which no monitor shows anything: on the second monitor,
// at negative coordinates, the lens is no nearer an edge than on the primary.
TEST_F(Monitors, EdgeRulesGoByTheLensesOwnMonitor) {
    Start();
    Click(MenuId::ExpoCheck1);
    const struct {
        int left, top;
        int readoutTop;
        bool indicatorShifted;
    } kRows[] = {
        {-824, 200, 67, false},   // well inside the second monitor
        {-1060, 200, 67, true},   // past the second monitor's left edge
        {-824, -30, 115, false},  // above the second monitor's top
        {300, 200, 67, false},    // on the primary
        {-40, 200, 67, false},    // on the primary's left edge, over the second monitor: inside the desktop
        {-40, 800, 67, true},     // the same below the second monitor, where nothing shows left of the primary
    };
    for (const auto& row : kRows) {
        MoveTo(row.left, row.top);
        EXPECT_EQ(LabelOf(LabelId::ColorLabel).top, row.readoutTop) << row.left << "," << row.top;
        // The indicator's circle lies left of the centre, or 121 pixels further right when shifted.
        const ExposureIndicator expected = ExposureIndicatorOf(form.PickedColor(), row.indicatorShifted ? -31 : 0);
        const int centreX = (expected.circle.left + expected.circle.right) / 2;
        EXPECT_EQ(LensPixel(centreX, 100), expected.fill) << row.left << "," << row.top;
    }
}

}  // namespace
}  // namespace pixo
