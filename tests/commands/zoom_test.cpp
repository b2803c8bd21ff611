#include "commands/zoom.h"

#include <gtest/gtest.h>

#include <climits>

#include "commands/lens_moves.h"
#include "commands/options.h"

namespace pixo {
namespace {

// With the top-left pixel kept, the window moves by the old Zoomstep minus the new one; going back to 1:1
// takes the old shift from Zoomstep itself, which a damaged store may have made anything.
TEST(Zoom, MagnificationShiftsTheWindowToKeepTheTopLeftPixel) {
    const struct {
        int from;
        int zoomstep;  // as stored, before the change
        int to;
        bool keep;
        std::int64_t shift;
    } kRows[] = {
        {0, 0, 3, true, -75},           {3, 75, 0, true, 75},       {1, 50, 2, true, -16},
        {2, 66, 1, true, 16},           {2, 66, 2, true, 0},        {0, 0, 3, false, 0},
        {2, INT_MAX, 0, true, INT_MAX}, {0, INT_MAX, 2, true, -66}, {1, -7, 3, true, -25},
    };
    for (const auto& row : kRows) {
        Zoom zoom;
        zoom.RestoreFactor(row.from);
        zoom.RestoreZoomstep(row.zoomstep);
        EXPECT_EQ(zoom.MagnifyTo(row.to, row.keep), row.shift) << row.from << " to " << row.to;
        EXPECT_EQ(zoom.Factor(), row.to);
        EXPECT_EQ(zoom.Zoomstep(), kMagnifications[row.to].zoomstep);
    }
}

TEST(Zoom, StepsStopAtTheEndsAndAnImpossibleFactorIsRefused) {
    Zoom zoom;
    EXPECT_EQ(zoom.Next(-1), std::nullopt);
    EXPECT_EQ(zoom.Next(+1), 1);
    zoom.RestoreFactor(3);
    EXPECT_EQ(zoom.Next(+1), std::nullopt);
    EXPECT_EQ(zoom.Next(-1), 2);
    for (int impossible : {4, 7, -1, INT_MIN}) {
        zoom.RestoreFactor(impossible);
        EXPECT_EQ(zoom.Factor(), 3);
    }
    EXPECT_EQ(zoom.MagnifyTo(9, true), 0);
    EXPECT_EQ(zoom.Factor(), 3);
}

TEST(LensMoves, ModeRingAndArrowSteps) {
    LensMode mode = LensMode::GlassOnly;
    const char* names[4];
    for (const char*& name : names) {
        mode = NextLensMode(mode);
        name = LensModeName(mode);
    }
    EXPECT_STREQ(names[0], "Graphical magnifier");
    EXPECT_STREQ(names[1], "Ruler mode");
    EXPECT_STREQ(names[2], "Caliper mode");
    EXPECT_STREQ(names[3], "Glass only magnifier");
    EXPECT_EQ(ArrowStep(kCtrl), 10);
    EXPECT_EQ(ArrowStep(kCtrl | kShift), 1);
    EXPECT_EQ(ArrowStep(kNoModifier), 1);
}

}  // namespace
}  // namespace pixo
