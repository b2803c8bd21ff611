#include <gtest/gtest.h>

#include "measure/measuring.h"

namespace pixo {
namespace {

// The sizes step within their bounds and stay within the view of the magnification in force.
TEST(MeasuringSizes, StepWithinTheKeysBoundsAndClampToTheView) {
    Measuring measuring;
    EXPECT_TRUE(measuring.StepRuler(+1, 0));
    EXPECT_EQ(measuring.RulerFactor(), 11);
    measuring.RestoreSizes(99, 66, 2);
    EXPECT_TRUE(measuring.StepRuler(+1, 1)) << "the key may reach the view span";
    EXPECT_EQ(measuring.RulerFactor(), 99) << "and the clamp takes it back";
    EXPECT_TRUE(measuring.StepCaliper(true, +1, 2)) << "67 is the span at 3x";
    EXPECT_EQ(measuring.CaliperFactorH(), 66);
    EXPECT_TRUE(measuring.StepCaliper(false, -1, 2));
    EXPECT_FALSE(measuring.StepCaliper(false, -1, 2)) << "1 is the narrowest";
    EXPECT_EQ(measuring.CaliperFactorV(), 1);
    measuring.RestoreSizes(150, 120, 60);
    measuring.ClampToView(3);
    EXPECT_EQ(measuring.RulerFactor(), 49);
    EXPECT_EQ(measuring.CaliperFactorH(), 49);
    EXPECT_EQ(measuring.CaliperFactorV(), 49);
    measuring.ClampToView(0);
    EXPECT_EQ(measuring.RulerFactor(), 49) << "1:1 restores nothing";
}

// M saves the options, sets them aside and brings them back at the end; Shift+M only ends.
TEST(MeasuringMode, TheOptionsStepAsideAndComeBack) {
    Options options;
    options.exposureCheck = true;
    const Options before = options;
    Measuring measuring;
    const MeasureKeyOutcome armed = measuring.Mark(options, 10, 20);
    EXPECT_TRUE(armed.colorPickerStopped);
    EXPECT_FALSE(options.crosshair);
    EXPECT_TRUE(options.showXY);
    EXPECT_FALSE(options.colorPicker);
    EXPECT_FALSE(options.exposureCheck);
    const MeasureKeyOutcome marked = measuring.Mark(options, 10, 20);
    EXPECT_TRUE(marked.marked);
    EXPECT_EQ(measuring.Readout(140, 80, ".", ","), "50px 53.1\xF8") << "from the lens centre at the mark";
    EXPECT_EQ(measuring.ReadoutColor(), HexColor(0xFF0000));
    EXPECT_TRUE(measuring.SaveAndFinish(options).restored);
    EXPECT_EQ(options, before);
    EXPECT_FALSE(measuring.Finish(options).restored) << "nothing to end";
}

}  // namespace
}  // namespace pixo
