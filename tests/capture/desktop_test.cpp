// The desktop's geometry: the virtual screen, the monitor a lens belongs to, where P parks it, whether a
// monitor shows it, the black of what no monitor shows, regions clipped to a capture at negative coordinates.
#include "capture/desktop.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "capture/held_capture.h"
#include "capture/region.h"
#include "fakes/fake_screen_capture.h"

namespace pixo {
namespace {

const MonitorLayout kOne = {{{0, 0, 1024, 768}, true}};
// The test desktop of the end-to-end scenarios: a 1024 x 768 monitor left of a 1280 x 1024 primary.
const MonitorLayout kLeft = {{{0, 0, 1280, 1024}, true}, {{-1024, 0, 1024, 768}, false}};
// A monitor above the primary and one right of it, lower down; the primary listed last.
const MonitorLayout kThree = {{{0, -1080, 1920, 1080}, false},
                              {{1920, 200, 1280, 1024}, false},
                              {{0, 0, 1920, 1080}, true}};

TEST(Desktop, VirtualScreenIsTheRectangleAroundEveryMonitor) {
    EXPECT_EQ(VirtualScreen(kOne), (ScreenRect{0, 0, 1024, 768}));
    EXPECT_EQ(VirtualScreen(kLeft), (ScreenRect{-1024, 0, 2304, 1024}));
    EXPECT_EQ(VirtualScreen(kThree), (ScreenRect{0, -1080, 3200, 2304}));
    EXPECT_EQ(VirtualScreen({}), ScreenRect{});
    EXPECT_EQ(VirtualScreen({{{INT_MIN, 0, 10, 10}, true}, {{INT_MAX - 10, 0, 10, 10}, false}}), ScreenRect{})
        << "wider than any bitmap";
}

TEST(Desktop, TheMonitorOfAPointIsTheOneHoldingItOrTheNearest) {
    const struct {
        const MonitorLayout* layout;
        int x, y;
        ScreenRect expected;
    } cases[] = {
        {&kOne, 100, 100, {0, 0, 1024, 768}},
        {&kOne, -5000, 99999, {0, 0, 1024, 768}},
        {&kLeft, -1, 0, {-1024, 0, 1024, 768}},
        {&kLeft, 0, 767, {0, 0, 1280, 1024}},
        {&kLeft, -1024, 767, {-1024, 0, 1024, 768}},
        {&kLeft, -20, 800, {0, 0, 1280, 1024}},  // below the left monitor: the primary is nearer
        {&kLeft, -600, 900, {-1024, 0, 1024, 768}},
        {&kLeft, -2000, 100, {-1024, 0, 1024, 768}},
        {&kThree, 100, -1, {0, -1080, 1920, 1080}},
        {&kThree, 2000, 150, {1920, 200, 1280, 1024}},  // above the right monitor, off the primary's right
        {&kThree, 1950, 100, {0, 0, 1920, 1080}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Desktop(*c.layout).HoldingOrNearest(c.x, c.y).area, c.expected) << c.x << "," << c.y;
    EXPECT_TRUE(Desktop(kThree).Primary().primary);
    EXPECT_EQ(Desktop(kThree).Primary().area, (ScreenRect{0, 0, 1920, 1080}));
}

TEST(Desktop, ALensIsShownWhenAnyMonitorShowsOnePixelOfIt) {
    const struct {
        const MonitorLayout* layout;
        int left, top;
        bool shown;
    } cases[] = {
        {&kOne, 200, 200, true},          {&kOne, -180, 284, true},         {&kOne, -199, -199, true},
        {&kOne, -200, 0, false},          {&kOne, 1024, 0, false},          {&kOne, 0, 768, false},
        {&kOne, -700, 300, false},        {&kLeft, -700, 300, true},        {&kLeft, -1204, 284, true},
        {&kLeft, -700, 768, false},       {&kLeft, -700, 767, true},        {&kLeft, -199, 900, true},
        {&kLeft, -200, 900, false},       {&kThree, 500, -1280, false},     {&kThree, 500, -1279, true},
        {&kThree, 3199, 1223, true},      {&kThree, 1921, 1081, true},      {&kThree, 1921, 1224, false},
        {&kOne, INT_MAX, INT_MAX, false}, {&kOne, INT_MIN, INT_MIN, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Desktop(*c.layout).ShowsLensAt(c.left, c.top), c.shown) << c.left << "," << c.top;
    EXPECT_EQ(Desktop(kThree).FirstRunPlace(), (WindowPlace{200, 200}));
}

TEST(Desktop, PParksAtTheLeftEdgeOfTheLensMonitorAndBringsItBack) {
    const struct {
        const MonitorLayout* layout;
        int left, top;
        WindowPlace parked;
    } cases[] = {
        // One monitor: at its left edge and back, at its vertical middle.
        {&kOne, 200, 200, {-180, 284}},
        {&kOne, -180, 284, {1, 284}},
        {&kOne, -181, 0, {-180, 284}},
        {&kOne, 5000, -3000, {-180, 284}},
        // The lens's centre on the left monitor: parked at its left edge, and back inside it.
        {&kLeft, -700, 300, {-1204, 284}},
        {&kLeft, -1204, 284, {-1023, 284}},
        {&kLeft, -1023, 284, {-1204, 284}},
        // On the primary, and parked there with its centre on the left monitor: back to the primary.
        {&kLeft, 200, 200, {-180, 412}},
        {&kLeft, -180, 412, {1, 412}},
        // Across the boundary, the centre decides; below the left monitor, the nearest one.
        {&kLeft, -101, 100, {-1204, 284}},
        {&kLeft, -100, 100, {-180, 412}},
        {&kLeft, -700, 900, {-1204, 284}},
        // Above the primary, with a negative top; right of it, lower down.
        {&kThree, 400, -600, {-180, -640}},
        {&kThree, -180, -640, {1, -640}},
        {&kThree, 2500, 700, {1740, 612}},
        {&kThree, 1740, 612, {1921, 612}},
        // Parked at the right monitor's edge, which lies on the primary: still back to the right monitor.
        {&kThree, 1740, 100, {1921, 612}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Desktop(*c.layout).ParkedPlace(c.left, c.top), c.parked) << c.left << "," << c.top;
}

TEST(Desktop, WhatNoMonitorShowsIsBlackened) {
    Bitmap pixels(2304, 1024);
    pixels.Fill(kWhite);
    BlackenUnshown(pixels, kLeft);
    const struct {
        int x, y;  // in screen coordinates
        Color expected;
    } cases[] = {
        {-1024, 0, kWhite}, {-1, 767, kWhite},    {-1024, 768, kBlack}, {-1, 1023, kBlack},
        {0, 768, kWhite},   {1279, 1023, kWhite}, {-500, 900, kBlack},  {-500, 700, kWhite},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pixels.GetPixel(c.x + 1024, c.y), c.expected) << c.x << "," << c.y;

    Bitmap three(3200, 2304);
    three.Fill(kWhite);
    BlackenUnshown(three, kThree);
    EXPECT_EQ(three.GetPixel(1919, 0), kWhite);
    EXPECT_EQ(three.GetPixel(1920, 0), kBlack) << "right of the monitor above";
    EXPECT_EQ(three.GetPixel(3199, 1279), kBlack) << "above the right monitor";
    EXPECT_EQ(three.GetPixel(3199, 1280), kWhite);
    EXPECT_EQ(three.GetPixel(100, 2200), kBlack) << "below the primary";

    Bitmap one(1024, 768);
    one.Fill(kWhite);
    BlackenUnshown(one, kOne);
    EXPECT_EQ(one.GetPixel(1023, 767), kWhite);
}

TEST(Desktop, RegionsAreClippedToACaptureAtNegativeCoordinates) {
    const ScreenRect capture{-1024, 0, 2304, 1024};
    const struct {
        Region region;
        std::optional<Region> clipped;  // in the capture's pixels
    } cases[] = {
        {{-100, 700, 200, 100}, Region{924, 700, 200, 100}},
        {{-1100, -50, 200, 100}, Region{0, 0, 124, 50}},
        {{1200, 1000, 200, 100}, Region{2224, 1000, 80, 24}},
        {{-1124, 0, 100, 100}, std::nullopt},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, std::nullopt},
        {{-2000000000, -2000000000, INT_MAX, INT_MAX}, Region{0, 0, 2304, 1024}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClipRegion(c.region, capture), c.clipped) << c.region.left << "," << c.region.top;
}

TEST(Desktop, TheHeldCaptureIsTheVirtualScreenWithItsCornerAndTheUnshownBlack) {
    FakeScreenCapture screen;
    screen.SetMonitors(kLeft);
    HeldCapture held;
    ASSERT_FALSE(held.Take(screen));
    EXPECT_EQ(held.Area(), (ScreenRect{-1024, 0, 2304, 1024}));
    EXPECT_EQ(held.Monitors(), kLeft);
    EXPECT_EQ(held.PixelAt(-700, 300), FakeScreenCapture::CoordinateColor(-700, 300));
    EXPECT_EQ(held.PixelAt(700, 1000), FakeScreenCapture::CoordinateColor(700, 1000));
    EXPECT_EQ(held.PixelAt(-700, 900), kBlack) << "below the left monitor";
    EXPECT_EQ(held.PixelAt(-1025, 0), kBlack) << "off the virtual screen";
}

// The lens's distance from the desktop's open edges, which decide what moves inward near an edge.
TEST(Desktop, TheOpenEdgesAreThoseBeyondWhichNoMonitorGoesOn) {
    const struct {
        const MonitorLayout* layout;
        int left, top;
        WindowPlace expected;
    } cases[] = {
        {&kOne, -40, -26, {-40, -26}},  // one monitor: the screen's own coordinates
        {&kOne, 300, 200, {300, 200}},
        {&kLeft, -40, 200, {984, 200}},     // the second monitor goes on left of the primary
        {&kLeft, -1060, 200, {-36, 200}},   // past the second monitor's left edge
        {&kLeft, -40, 800, {-40, 800}},     // below the second monitor the primary's edge is open
        {&kThree, 500, -1100, {500, -20}},  // above the upper monitor
        {&kThree, 500, 300, {500, 1380}},   // the upper monitor goes on above the primary
        {&kThree, 1900, 300, {1900, 100}},  // on the right monitor: nothing above it, the primary left of it
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Desktop(*c.layout).FromOpenEdges(c.left, c.top), c.expected) << c.left << "," << c.top;
    }
}

}  // namespace
}  // namespace pixo
