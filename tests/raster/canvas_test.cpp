#include "raster/canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <set>
#include <utility>
#include <vector>

namespace pixo {
namespace {

using Pixels = std::set<std::pair<int, int>>;

constexpr Color kRed = MakeColor(255, 0, 0);
constexpr Color kGrey = MakeColor(0x12, 0x34, 0x56);

// The pixels of the picture that are not `background`.
Pixels Painted(const Bitmap& picture, Color background) {
    Pixels painted;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            if (picture.GetPixel(x, y) != background)
                painted.insert({x, y});
        }
    }
    return painted;
}

class CanvasTest : public testing::Test {
  protected:
    CanvasTest() : picture(20, 20), canvas(picture) { picture.Fill(kWhite); }

    Pixels Drawn() const { return Painted(picture, kWhite); }

    Bitmap picture;
    Canvas canvas;
};

TEST_F(CanvasTest, LinesLeaveOutTheirEndPoint) {
    canvas.Line(2, 5, 8, 5);
    canvas.Line(12, 9, 12, 4);
    canvas.Line(0, 10, 4, 14);
    Pixels expected;
    for (int x = 2; x <= 7; ++x)
        expected.insert({x, 5});
    for (int y = 5; y <= 9; ++y)  // drawn upwards: from 9, without 4
        expected.insert({12, y});
    for (int i = 0; i < 4; ++i)
        expected.insert({i, 10 + i});
    EXPECT_EQ(Drawn(), expected);
}

TEST_F(CanvasTest, LineToContinuesFromTheEndOfTheLastLine) {
    canvas.MoveTo(1, 1);
    canvas.LineTo(4, 1);
    canvas.LineTo(4, 4);
    EXPECT_EQ(Drawn(), (Pixels{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}, {4, 3}}));
}

TEST_F(CanvasTest, HalfWayStepsFallOnTheSamePixelsInBothDirections) {
    // Half way along, the line is exactly between rows 0 and 1; either way it stays on row 0 there.
    canvas.Line(0, 0, 4, 1);
    EXPECT_EQ(Drawn(), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 1}}));
    picture.Fill(kWhite);
    canvas.Line(4, 1, 0, 0);
    EXPECT_EQ(Drawn(), (Pixels{{4, 1}, {3, 1}, {2, 0}, {1, 0}}));
}

TEST_F(CanvasTest, LinesAreClippedToTheBitmap) {
    canvas.Line(-5, 3, 25, 3);
    canvas.Line(-100, -100, 100, 100);
    EXPECT_EQ(picture.GetPixel(0, 3), kBlack);
    EXPECT_EQ(picture.GetPixel(19, 3), kBlack);
    EXPECT_EQ(picture.GetPixel(0, 0), kBlack);
    EXPECT_EQ(picture.GetPixel(19, 19), kBlack);
}

TEST_F(CanvasTest, PenStyleNoneDrawsNoLineButMoves) {
    canvas.pen.style = PenStyle::None;
    canvas.Line(0, 0, 10, 0);
    canvas.pen.style = PenStyle::Solid;
    canvas.LineTo(10, 3);
    EXPECT_EQ(Drawn(), (Pixels{{10, 0}, {10, 1}, {10, 2}}));
}

TEST_F(CanvasTest, RectangleOutlinesTheInsideOfItsRightAndBottomExclusiveBox) {
    canvas.brush = Brush{kRed, BrushStyle::Solid};
    canvas.Rectangle(2, 2, 6, 5);
    for (int x = 2; x <= 5; ++x) {
        EXPECT_EQ(picture.GetPixel(x, 2), kBlack) << x;
        EXPECT_EQ(picture.GetPixel(x, 4), kBlack) << x;
    }
    EXPECT_EQ(picture.GetPixel(2, 3), kBlack);
    EXPECT_EQ(picture.GetPixel(5, 3), kBlack);
    EXPECT_EQ(picture.GetPixel(3, 3), kRed);
    EXPECT_EQ(picture.GetPixel(4, 3), kRed);
    EXPECT_EQ(Drawn().size(), 12U);  // nothing in column 6 or row 5
}

TEST_F(CanvasTest, RectangleWithoutPenFillsToTwoShortOfRightAndBottom) {
    Bitmap lens(200, 200);
    lens.Fill(kWhite);
    Canvas swatch(lens);
    swatch.pen.style = PenStyle::None;
    swatch.brush = Brush{kGrey, BrushStyle::Solid};
    swatch.Rectangle(93, 93, 108, 108);
    Pixels expected;
    for (int y = 93; y <= 106; ++y) {
        for (int x = 93; x <= 106; ++x)
            expected.insert({x, y});
    }
    EXPECT_EQ(Painted(lens, kWhite), expected);
}

TEST_F(CanvasTest, ClearBrushLeavesTheInteriorAlone) {
    canvas.brush.style = BrushStyle::Clear;
    canvas.Rectangle(0, 0, 10, 10);
    canvas.Ellipse(0, 0, 10, 10);
    EXPECT_EQ(picture.GetPixel(5, 5), kWhite);
    EXPECT_EQ(picture.GetPixel(0, 0), kBlack);
}

TEST_F(CanvasTest, MixModesApplyToOutlinesAndFills) {
    picture.Fill(kGrey);
    canvas.pen = Pen{kBlack, 1, PenStyle::Solid, MixMode::NotXor};
    canvas.brush = Brush{kBlack, BrushStyle::Solid};
    canvas.Rectangle(0, 0, 10, 10);
    const Color inverted = ~kGrey & 0xFFFFFF;
    EXPECT_EQ(picture.GetPixel(0, 0), inverted);  // outline
    EXPECT_EQ(picture.GetPixel(5, 5), inverted);  // fill
    EXPECT_EQ(picture.GetPixel(10, 10), kGrey);

    // Not-xor twice restores the picture; a white brush in not-xor leaves it as it is.
    canvas.brush.color = kWhite;
    canvas.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(picture.GetPixel(0, 0), kGrey);
    EXPECT_EQ(picture.GetPixel(5, 5), inverted);

    // Not-mask: the inverse of pen AND picture.
    canvas.pen = Pen{MakeColor(0xF0, 0x0F, 0xFF), 1, PenStyle::Solid, MixMode::NotMask};
    canvas.Line(0, 15, 5, 15);
    EXPECT_EQ(picture.GetPixel(2, 15), ~(MakeColor(0xF0, 0x0F, 0xFF) & kGrey) & 0xFFFFFF);
    EXPECT_EQ(picture.Row(15)[2] >> 24, 0U);  // the unused byte stays clear
}

TEST_F(CanvasTest, EllipseOutlineIsSymmetricAndTouchesItsBox) {
    canvas.brush.style = BrushStyle::Clear;
    canvas.Ellipse(2, 3, 17, 14);  // 15 x 11
    const Pixels drawn = Drawn();
    for (const auto& [x, y] : drawn) {
        EXPECT_TRUE(drawn.count({2 + 16 - x, y})) << x << "," << y;
        EXPECT_TRUE(drawn.count({x, 3 + 13 - y})) << x << "," << y;
        EXPECT_TRUE(x >= 2 && x <= 16 && y >= 3 && y <= 13) << x << "," << y;
    }
    EXPECT_TRUE(drawn.count({2, 8}));
    EXPECT_TRUE(drawn.count({16, 8}));
    EXPECT_TRUE(drawn.count({9, 3}));
    EXPECT_TRUE(drawn.count({9, 13}));
    EXPECT_FALSE(drawn.count({9, 8}));
}

// Draws the same thing in copy mode and in not-xor mode with a black pen on white: a pixel that the
// drawing touched twice comes out black in the one and white in the other.
template <class Draw>
void ExpectEachPixelTouchedOnce(Draw draw) {
    Bitmap copied(20, 20);
    copied.Fill(kWhite);
    Canvas copyCanvas(copied);
    copyCanvas.brush.style = BrushStyle::Clear;
    draw(copyCanvas);
    Bitmap inverted(20, 20);
    inverted.Fill(kWhite);
    Canvas xorCanvas(inverted);
    xorCanvas.brush.style = BrushStyle::Clear;
    xorCanvas.pen.mode = MixMode::NotXor;
    draw(xorCanvas);
    EXPECT_FALSE(Painted(copied, kWhite).empty());
    EXPECT_EQ(Painted(copied, kWhite), Painted(inverted, kWhite));
}

TEST(CanvasOverlapTest, ThinEllipseOutlineTouchesEachPixelOnce) {
    ExpectEachPixelTouchedOnce([](Canvas& c) { c.Ellipse(1, 1, 18, 16); });
    ExpectEachPixelTouchedOnce([](Canvas& c) { c.Ellipse(0, 0, 20, 20); });
}

TEST(CanvasOverlapTest, WidePenPaintsItsCapsAndBandsAsOneRegion) {
    ExpectEachPixelTouchedOnce([](Canvas& c) {
        c.pen.width = 5;
        c.Line(3, 15, 16, 4);
    });
    ExpectEachPixelTouchedOnce([](Canvas& c) {
        c.pen.width = 4;
        c.Ellipse(2, 2, 18, 17);
    });
    ExpectEachPixelTouchedOnce([](Canvas& c) {
        c.pen.width = 3;
        c.Rectangle(2, 2, 18, 17);
    });
}

TEST_F(CanvasTest, FlatEllipsesAreDrawnAsRectangles) {
    canvas.Ellipse(1, 1, 8, 3);
    Bitmap expected(20, 20);
    expected.Fill(kWhite);
    Canvas reference(expected);
    reference.Rectangle(1, 1, 8, 3);
    EXPECT_EQ(Drawn(), Painted(expected, kWhite));
}

TEST_F(CanvasTest, PolygonUsesTheAlternateFillRule) {
    // A five-pointed star drawn through every second point: its centre is crossed twice and stays empty.
    canvas.pen.style = PenStyle::None;
    canvas.brush = Brush{kRed, BrushStyle::Solid};
    const std::array<Point, 5> star{Point{10, 0}, Point{16, 19}, Point{0, 7}, Point{20, 7}, Point{4, 19}};
    canvas.Polygon(star);
    EXPECT_EQ(picture.GetPixel(10, 11), kWhite);
    EXPECT_EQ(picture.GetPixel(10, 3), kRed);
    EXPECT_EQ(picture.GetPixel(3, 8), kRed);
}

TEST_F(CanvasTest, PolygonFillTakesLeftAndTopEdgesButNotRightAndBottom) {
    canvas.pen.style = PenStyle::None;
    canvas.brush = Brush{kRed, BrushStyle::Solid};
    const std::array<Point, 4> square{Point{2, 2}, Point{6, 2}, Point{6, 5}, Point{2, 5}};
    canvas.Polygon(square);
    Pixels expected;
    for (int y = 2; y < 5; ++y) {
        for (int x = 2; x < 6; ++x)
            expected.insert({x, y});
    }
    EXPECT_EQ(Drawn(), expected);
}

TEST_F(CanvasTest, DrawPolygonReadsCoordinatePairs) {
    canvas.pen.style = PenStyle::None;
    canvas.brush = Brush{kRed, BrushStyle::Solid};
    const std::array<int, 9> values{2, 2, 6, 2, 6, 5, 2, 5, 99};  // the unpaired last value is ignored
    DrawPolygon(canvas, values);
    const Pixels viaPairs = Drawn();
    picture.Fill(kWhite);
    const std::array<Point, 4> square{Point{2, 2}, Point{6, 2}, Point{6, 5}, Point{2, 5}};
    canvas.Polygon(square);
    EXPECT_EQ(viaPairs, Drawn());
}

TEST_F(CanvasTest, WidePenIsCentredOnTheLineWithRoundCaps) {
    canvas.pen.width = 4;
    canvas.Line(6, 10, 14, 10);
    // Rows 8 to 11 along the line (two above, one below the path); the caps reach 2 before and 1 after.
    for (int x = 6; x < 14; ++x) {
        for (int y = 8; y <= 11; ++y)
            EXPECT_EQ(picture.GetPixel(x, y), kBlack) << x << "," << y;
        EXPECT_EQ(picture.GetPixel(x, 7), kWhite) << x;
        EXPECT_EQ(picture.GetPixel(x, 12), kWhite) << x;
    }
    EXPECT_EQ(picture.GetPixel(4, 10), kBlack);
    EXPECT_EQ(picture.GetPixel(15, 10), kBlack);
    EXPECT_EQ(picture.GetPixel(3, 10), kWhite);
    EXPECT_EQ(picture.GetPixel(16, 10), kWhite);
}

TEST(FillLensCornersTest, FillsOutsideTheCircleAndLeavesAWhiteSolidBrush) {
    Bitmap lens(200, 200);
    lens.Fill(kWhite);
    Canvas canvas(lens);
    canvas.brush = Brush{kRed, BrushStyle::Clear};
    canvas.pen.mode = MixMode::NotXor;
    const Color plate = HexColor(0x2C2C40);
    FillLensCorners(canvas, plate);
    EXPECT_EQ(lens.GetPixel(0, 0), plate);  // copy mode whatever the pen's mode
    EXPECT_EQ(lens.GetPixel(199, 199), plate);
    EXPECT_EQ(lens.GetPixel(100, 14), plate);
    EXPECT_EQ(lens.GetPixel(100, 15), kWhite);  // the circle's region takes rows 15 to 183
    EXPECT_EQ(lens.GetPixel(100, 183), kWhite);
    EXPECT_EQ(lens.GetPixel(100, 184), plate);
    EXPECT_EQ(lens.GetPixel(15, 99), kWhite);
    EXPECT_EQ(lens.GetPixel(14, 99), plate);
    EXPECT_EQ(lens.GetPixel(184, 99), plate);
    EXPECT_EQ(lens.GetPixel(100, 100), kWhite);
    EXPECT_EQ(canvas.brush.color, kWhite);
    EXPECT_EQ(canvas.brush.style, BrushStyle::Solid);
}

// Coordinates beyond the platform's 28 bits draw nothing, as the platform's own calls do, and never
// overflow (the rasteriser fuzz target found these).
TEST(CanvasRange, ShapesBeyondTheCoordinateRangeDrawNothing) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    Bitmap bitmap(20, 20);
    bitmap.Fill(kWhite);
    Canvas canvas(bitmap);
    canvas.pen = {kRed, 3, PenStyle::Solid, MixMode::Copy};
    canvas.brush = {kRed, BrushStyle::Solid};
    canvas.Rectangle(kMin, kMin, kMax, kMax);
    canvas.Ellipse(kMin, 0, kMax, 10);
    canvas.Line(0, 0, kMax, 5);
    const std::array<int, 6> triangle = {0, 0, kMax, 0, 0, kMin};
    DrawPolygon(canvas, triangle);
    canvas.pen.width = 1;
    canvas.Line(kMin, 5, 10, 5);
    canvas.Ellipse(-(1 << 26), 0, 1 << 26, 10);  // within the range, but too large for the ellipse's walk
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(bitmap.GetPixel(x, y), kWhite) << x << "," << y;
    }
    // Within the range, a wide pen's slanted segment far outside the bitmap (its width once overflowed
    // times the segment's height).
    canvas.pen.width = 32767;
    canvas.Line(100, 100, 105, 16777088);
    canvas.pen.width = kMax;  // taken as 2^20
    canvas.Line(0, 0, 5, 5);
}

}  // namespace
}  // namespace pixo
