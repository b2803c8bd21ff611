#include "measure/measure_mode.h"

#include <gtest/gtest.h>

#include <string>

namespace pixo {
namespace {

TEST(MeasureReadout, DistanceAndDirectionWithEitherSeparators) {
    const struct {
        int dx, dy;  // from the mark to the lens centre, y down
        const char* decimal;
        const char* thousands;
        const char* text;
    } rows[] = {
        {30, -40, ".", ",", "50px 53.1\xF8"},
        {0, 0, ".", ",", "0px 0\xF8"},
        {100, 100, ".", ",", "141px 315.0\xF8"},
        {-37, -100, ".", ",", "106px 110.0\xF8"},
        {3, -1, ".", ",", "3px 18.4\xF8"},
        {1000, 0, ".", ",", "1,000px 0.0\xF8"},
        {200, 1, ".", ",", "200px 360.0\xF8"},
        {0, -1, ".", ",", "1px 90.0\xF8"},
        {-1, 0, ".", ",", "1px 180.0\xF8"},
        {0, 1, ".", ",", "1px 270.0\xF8"},
        {9999, 0, ".", ",", "9,999px 0.0\xF8"},
        // From 10,000 pixels on the distance still prints in full, grouped.
        {12345, 0, ".", ",", "12,345px 0.0\xF8"},
        {-1234567, 0, ".", ",", "1,234,567px 180.0\xF8"},
        {30, -40, ",", ".", "50px 53,1\xF8"},
        {3, -1, ",", ".", "3px 18,4\xF8"},
        {1234, 0, ",", ".", "1.234px 0,0\xF8"},
        {100, 100, ",", "\xA0", "141px 315,0\xF8"},
        {-40000, 30000, ",", "\xA0",
         "50\xA0"
         "000px 217,0\xF8"},
        {1234, 0, ".", "", "1234px 0.0\xF8"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MeasureText(row.dx, row.dy, row.decimal, row.thousands).Str(), row.text)
            << row.dx << "," << row.dy << " with '" << row.decimal << "' and '" << row.thousands << "'";
    }
}

TEST(MeasureReadout, CoordinatesWithoutAMarkAndDistanceFromTheMarkedCentre) {
    MeasureState state;
    EXPECT_EQ(XYReadout(state, 612, 353, ".", ",").Str(), "x612 y353");
    EXPECT_EQ(XYReadout(state, -5, 10, ".", ",").Str(), "x-5 y10");
    EXPECT_EQ(XYReadoutColor(state), HexColor(0x1C2630));
    state.MarkSet = true;
    state.MarkLeft = 300;  // the marked point is the centre of that moment, (400, 500)
    state.MarkTop = 400;
    EXPECT_EQ(XYReadout(state, 430, 460, ".", ",").Str(), "50px 53.1\xF8");
    EXPECT_EQ(XYReadoutColor(state), HexColor(0xFF0000));
    state.MarkLeft = -2000000000;
    EXPECT_EQ(XYReadout(state, 2000000000, 500, ".", ",").Str(), "2,147,483,647px 0.0\xF8")
        << "a difference past any screen is capped, never overflows";
}

MeasureState Active(bool marked, bool shown) {
    MeasureState s;
    s.MeasureActive = true;
    s.MarkSet = marked;
    s.MeasureShown = shown;
    return s;
}

TEST(MeasureMode, PhasesOfTheState) {
    EXPECT_EQ(PhaseOf(MeasureState{}), MeasurePhase::Off);
    EXPECT_EQ(PhaseOf(Active(false, true)), MeasurePhase::Armed);
    EXPECT_EQ(PhaseOf(Active(true, true)), MeasurePhase::Marked);
    EXPECT_EQ(PhaseOf(Active(false, false)), MeasurePhase::Interrupted);
}

TEST(MeasureMode, TheMKeyFromEveryPhase) {
    const MeasureOptions quiet{false, true, false, false};
    const struct {
        const char* what;
        MeasureState from;
        MeasureOptions options;
        MeasurePhase to;
        bool marked;
        const char* message;
        bool pickerStopped;
        bool expoStopped;
    } rows[] = {
        {"off: begins", {}, {true, false, true, true}, MeasurePhase::Armed, false, kArmedMessage.text, true, true},
        {"armed: marks", Active(false, true), quiet, MeasurePhase::Marked, true, kMarkedMessage.text, false, false},
        {"marked: drops the mark", Active(true, true), quiet, MeasurePhase::Armed, false, kArmedMessage.text, false,
         false},
        {"interrupted: marks", Active(false, false), quiet, MeasurePhase::Marked, true, kMarkedMessage.text, false,
         false},
        {"interrupted with the picker on again: the picker drops the new mark",
         Active(false, false),
         {false, true, true, false},
         MeasurePhase::Armed,
         false,
         kArmedMessage.text,
         true,
         false},
        {"interrupted with the exposure check on again",
         Active(false, false),
         {false, true, false, true},
         MeasurePhase::Armed,
         false,
         kArmedMessage.text,
         false,
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        MeasureState state = row.from;
        MeasureOptions options = row.options;
        const MeasureKeyOutcome outcome = MeasureKey(state, options, 321, -45);
        EXPECT_EQ(PhaseOf(state), row.to);
        EXPECT_EQ(outcome.marked, row.marked);
        EXPECT_STREQ(outcome.message.text, row.message);
        EXPECT_EQ(outcome.colorPickerStopped, row.pickerStopped);
        EXPECT_EQ(outcome.expoCheckStopped, row.expoStopped);
        EXPECT_EQ(options, (MeasureOptions{false, true, false, false})) << "crosshair, picker, exposure off; XY on";
        EXPECT_EQ(state.MarkLeft, row.marked ? 321 : 0);
        EXPECT_EQ(state.MarkTop, row.marked ? -45 : 0);
    }
    EXPECT_EQ(kArmedMessage.background, HexColor(0x009BAA));
    EXPECT_EQ(kMarkedMessage.background, HexColor(0x54BC00));
}

TEST(MeasureMode, SlotsFillOnlyWhenEmptyAndComeBackAtTheEnd) {
    const struct {
        const char* what;
        MeasureOptions before;
        int crosshair, showXY, picker, expo;
    } rows[] = {
        {"all on", {true, true, true, true}, 1, 1, 1, 1},
        {"all off: XY off is told apart from nothing saved", {false, false, false, false}, 0, 2, 0, 0},
        {"crosshair and picker on", {true, false, true, false}, 1, 2, 1, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        MeasureState state;
        SaveMeasureOptions(state, row.before);
        EXPECT_EQ(state.SavedCrosshair, row.crosshair);
        EXPECT_EQ(state.SavedShowXY, row.showXY);
        EXPECT_EQ(state.SavedColorPicker, row.picker);
        EXPECT_EQ(state.SavedExpoCheck, row.expo);
        MeasureOptions options = row.before;
        MeasureKey(state, options, 0, 0);
        SaveMeasureOptions(state, options);  // a second M saves nothing over the first
        MeasureKey(state, options, 0, 0);
        options.crosshair = !row.before.crosshair;  // changed during the measurement
        const MeasureRestore restore = RestoreAfterMeasuring(state, options);
        EXPECT_TRUE(restore.restored);
        EXPECT_EQ(restore.colorPickerBack, row.before.colorPicker);
        EXPECT_EQ(restore.expoCheckBack, row.before.expoCheck);
        EXPECT_EQ(options, row.before);
        EXPECT_EQ(PhaseOf(state), MeasurePhase::Off);
        EXPECT_EQ(state.SavedShowXY, 0);
    }
}

TEST(MeasureMode, EndingWithoutAMeasurementRestoresNothingAndKeepsTheSlots) {
    MeasureState state;
    MeasureOptions options{true, false, true, false};
    SaveMeasureOptions(state, options);  // Shift+M saves first
    EXPECT_FALSE(RestoreAfterMeasuring(state, options).restored);
    EXPECT_EQ(state.SavedShowXY, 2);
    // The next measurement keeps those older values.
    MeasureOptions later{false, true, false, true};
    SaveMeasureOptions(state, later);
    MeasureKey(state, later, 0, 0);
    RestoreAfterMeasuring(state, later);
    // The exposure check was off: its slot held 0, which also means empty, so it took the later value.
    EXPECT_EQ(later, (MeasureOptions{true, false, true, true}));
}

TEST(MeasureMode, TogglesEndTheDisplayButNotTheMeasurement) {
    MeasureState state = Active(true, true);
    state.MarkLeft = 5;
    state.SavedShowXY = 2;
    ClearMeasureDisplay(state);
    EXPECT_EQ(PhaseOf(state), MeasurePhase::Interrupted);
    EXPECT_EQ(state.MarkLeft, 0);
    EXPECT_EQ(state.SavedShowXY, 2);
}

}  // namespace
}  // namespace pixo
