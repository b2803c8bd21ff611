#include <set>

#include "lens_fixture.h"
#include "raster/canvas.h"
#include "raster/smooth_view.h"

namespace pixo {
namespace {

class LoupeRendering : public LensFixture {
  protected:
    // Views without overlays: no crosshair, no colour picker.
    void StartPlain() {
        Start();
        Click(MenuId::Crosshair1);
        Click(MenuId::ShowColVal);
    }
    static bool InAperture(int x, int y) { return (x - 100) * (x - 100) + (y - 100) * (y - 100) <= 80 * 80; }
};

TEST_F(LoupeRendering, StartsAtOneToOneShowingTheScreenUnderTheWindow) {
    StartPlain();
    ASSERT_EQ(form.Magnification().Factor(), 0);
    EXPECT_TRUE(Checked(MenuId::magnify_1x));
    EXPECT_FALSE(Checked(MenuId::magnify_2x)) << "the resource default gives way to Factor at the first draw";
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (InAperture(x, y)) {
                ASSERT_EQ(LensPixel(x, y), ScreenPixel(200 + x, 200 + y)) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(LensPixel(2, 2), kDefaultPlate) << "the corners take the plate of the lens picture";
}

TEST_F(LoupeRendering, EachMagnificationShowsItsSourceSquareCentredOnTheLens) {
    StartPlain();
    struct Case {
        MenuId item;
        int offset;
        int scale;
    };
    for (const Case c : {Case{MenuId::magnify_2x, 50, 2}, Case{MenuId::magnify_4x, 75, 4}}) {
        Click(c.item);
        for (int y = 45; y < 155; ++y) {
            for (int x = 45; x < 155; ++x) {
                ASSERT_EQ(LensPixel(x, y), ScreenPixel(200 + c.offset + x / c.scale, 200 + c.offset + y / c.scale))
                    << "scale " << c.scale << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(LoupeRendering, ThreeTimesShows66SourcePixelsTwoOfThemFourPixelsWide) {
    Click(MenuId::LensBorder1);  // no frame: every column of the view is visible but for the outline
    StartPlain();
    Click(MenuId::magnify_3x);
    std::vector<int> widths(66, 0);
    int previous = 0;
    for (int x = 0; x < 200; ++x) {
        Color c = LensPixel(x, 100);
        if (x == 0 || x == 199)
            c = ~(c ^ HexColor(0xC0C0C0)) & 0xFFFFFF;  // undo the not-xor outline
        const int source = FakeScreenCapture::XOf(c) - (200 + 66);
        ASSERT_GE(source, 0);
        ASSERT_LT(source, 66);
        ASSERT_GE(source, previous) << "source pixels stay in order";
        previous = source;
        ++widths[static_cast<std::size_t>(source)];
    }
    int fours = 0;
    for (int w : widths) {
        EXPECT_TRUE(w == 3 || w == 4) << w;
        fours += w == 4 ? 1 : 0;
    }
    EXPECT_EQ(fours, 2);
}

TEST_F(LoupeRendering, PicksThePixelUnderTheCrosshairsCentreAndFillsTheSwatchWithIt) {
    Start();
    MoveTo(300, 250);
    EXPECT_EQ(form.PickedColor(), ScreenPixel(400, 350));
    for (int v = 93; v <= 106; ++v) {
        EXPECT_EQ(LensPixel(v, 93), form.PickedColor());
        EXPECT_EQ(LensPixel(106, v), form.PickedColor());
    }
    EXPECT_NE(LensPixel(107, 100), form.PickedColor()) << "the swatch leaves the outline at 107";
    // At every magnification the colour is the captured pixel the view shows at the crosshair's centre,
    // lens (100, 100), and the XY readout names it; at 3x the stretch of 66 pixels over 200 puts (399, 349)
    // there.
    Click(MenuId::Test1);
    const struct {
        MenuId item;
        int x, y;
        const char* xy;
    } kRows[] = {
        {MenuId::magnify_2x, 400, 350, "x400 y350"},
        {MenuId::magnify_3x, 399, 349, "x399 y349"},
        {MenuId::magnify_4x, 400, 350, "x400 y350"},
        {MenuId::magnify_1x, 400, 350, "x400 y350"},
    };
    for (const auto& row : kRows) {
        Click(row.item);
        EXPECT_EQ(form.PickedColor(), ScreenPixel(row.x, row.y)) << row.xy;
        EXPECT_EQ(form.PickedColor(), form.ScreenBitmap().GetPixel(row.x, row.y));
        EXPECT_EQ(LabelOf(LabelId::XYLabel).text.View(), row.xy);
    }
    // Off the screen the view is black there, and so is the colour.
    MoveTo(-150, 100);
    EXPECT_EQ(form.PickedColor(), kBlack);
}

TEST_F(LoupeRendering, CrosshairInvertsThroughNotMaskAndYieldsToCornerGuides) {
    Start();
    Click(MenuId::ShowColVal);
    const Color under = ScreenPixel(200 + 100, 200 + 70);
    EXPECT_EQ(LensPixel(100, 70), ~(HexColor(0x808080) & under) & 0xFFFFFF);
    EXPECT_EQ(LensPixel(100, 150), ScreenPixel(300, 350)) << "a line leaves out its end point";
    Press('C');
    for (int x = 55; x < 76; ++x)
        EXPECT_EQ(LensPixel(x, 80), ScreenPixel(200 + x, 280)) << "no crosshair circle while selecting corners";
    EXPECT_EQ(LensPixel(40, 100), ~(HexColor(0x008000) & ScreenPixel(240, 300)) & 0xFFFFFF);
}

TEST_F(LoupeRendering, LensPictureChoiceFollowsTheMenu) {
    StartPlain();
    Click(MenuId::RedImage1);
    EXPECT_EQ(LensPixel(2, 2), kRedPlate);
    Click(MenuId::RedImage1);
    EXPECT_FALSE(Checked(MenuId::RedImage1));
    EXPECT_EQ(LensPixel(2, 2), kDefaultPlate) << "no image item checked: the default picture";
    Click(MenuId::RedImage1);
    Click(MenuId::NoBorderPict1);
    EXPECT_EQ(LensPixel(2, 2), HexColor(0x444F51)) << "plain frame: no picture whatever image is chosen";
}

TEST_F(LoupeRendering, WithoutLensBorderOnlyAThinOutlineAndNoFactorLabels) {
    StartPlain();
    Click(MenuId::Caliper1);
    ASSERT_TRUE(LabelOf(LabelId::FactorLabel).visible);
    Click(MenuId::Caliper1);
    EXPECT_FALSE(Checked(MenuId::LensBorder1));
    EXPECT_EQ(LensPixel(0, 50), ~(HexColor(0xC0C0C0) ^ ScreenPixel(200, 250)) & 0xFFFFFF);
    EXPECT_EQ(LensPixel(2, 2), ScreenPixel(202, 202)) << "the corners show the screen";
    EXPECT_FALSE(LabelOf(LabelId::FactorLabel).visible);
}

TEST_F(LoupeRendering, ClampsRulerAndCaliperFactorsPerMagnification) {
    Store("RULERFACTOR", 120);
    Store("CALIPERFACTORH", 70);
    Store("Factor", 1);
    Start();
    EXPECT_EQ(form.Measurement().RulerFactor(), 99);
    EXPECT_EQ(form.Measurement().CaliperFactorH(), 70);
    Click(MenuId::magnify_3x);
    EXPECT_EQ(form.Measurement().CaliperFactorH(), 66);
    Click(MenuId::magnify_1x);
    EXPECT_EQ(form.Measurement().RulerFactor(), 66) << "1:1 clamps nothing and restores nothing";
}

// A damaged stored magnification gives the 1:1 lens: the desktop, its item checked, its label.
TEST_F(LoupeRendering, AnImpossibleStoredFactorShowsTheDesktopAtOneToOne) {
    for (const std::int32_t stored : {7, 99, -1}) {
        Store("Factor", stored);
        FakePlatform fresh;
        fresh.registry = platform.registry;
        TFormFilter lens(fresh.services);
        fresh.window.onPositionChanged = [&lens] { lens.WmWindowPosChanged(); };
        lens.FormCreate();
        EXPECT_EQ(lens.Magnification().Factor(), 0) << stored;
        EXPECT_TRUE(lens.PopupMenu1Popup().Checked(MenuId::magnify_1x)) << stored;
        EXPECT_EQ(lens.ShownLabels()[LabelId::ZoomLabel].text.View(), "1:1") << stored;
        EXPECT_EQ(lens.BackBuffer().GetPixel(150, 150), ScreenPixel(350, 350)) << stored;
    }
}

TEST_F(LoupeRendering, ReadoutAndMessageBarMoveNearTheTopOfTheScreen) {
    Start();
    MoveTo(300, -26);
    EXPECT_EQ(LabelOf(LabelId::ColorLabel).top, 115);
    EXPECT_EQ(LabelOf(LabelId::ColorShadeLabel).top, 116);
    EXPECT_EQ(LabelOf(LabelId::PMSLabel1).top, 132);
    EXPECT_EQ(LabelOf(LabelId::PMSLabel1Shade).top, 133);
    EXPECT_EQ(LabelOf(LabelId::CropLabel).top, 187);
    MoveTo(300, -25);
    EXPECT_EQ(LabelOf(LabelId::ColorLabel).top, 67);
    EXPECT_EQ(LabelOf(LabelId::PMSLabel1).top, 50);
    EXPECT_EQ(LabelOf(LabelId::PMSLabel1Shade).top, 49);
    EXPECT_EQ(LabelOf(LabelId::CropLabel).top, 187);
    MoveTo(300, -5);
    EXPECT_EQ(LabelOf(LabelId::CropLabel).top, 0);
}

TEST_F(LoupeRendering, PixelsBeyondTheCapturedScreenGetOneDefinedColour) {
    StartPlain();
    MoveTo(-150, 100);
    EXPECT_EQ(LensPixel(40, 100), TFormFilter::kOutsideCapture);
    EXPECT_EQ(LensPixel(160, 100), ScreenPixel(10, 200));
    MoveTo(-150 + 1, 100);
    EXPECT_EQ(LensPixel(40, 100), TFormFilter::kOutsideCapture) << "no stale pixels from the last draw";
}

TEST_F(LoupeRendering, SmoothViewResamplesTheSourceSquareWhileHeld) {
    StartPlain();
    Click(MenuId::magnify_2x);
    form.KeyDown('A', kNoModifier);
    Bitmap source;
    CopyRegion(form.ScreenBitmap(), source, 250, 250, 100, 100);
    Bitmap expected(200, 200);
    SmoothView reference;
    reference.Prepare(100, 200);
    reference.Resample(source, expected);
    for (int y = 45; y < 155; y += 3) {
        for (int x = 45; x < 155; x += 3)
            ASSERT_EQ(LensPixel(x, y), expected.GetPixel(x, y)) << x << "," << y;
    }
}

}  // namespace
}  // namespace pixo
