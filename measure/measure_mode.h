#pragma once

// Measure mode: the user marks a start position with the lens centre and moves the lens; the XY readout
// then shows the distance from the mark and the direction. While measuring, the crosshair, the colour picker
// and the exposure check step aside; the options as they were are saved when measuring begins and restored
// when it ends. Everything here is in screen pixels and independent of the magnification.

#include <string_view>

#include "raster/colors.h"
#include "raster/short_string.h"

namespace pixo {

// The measurement's part of the lens state. Nothing of it is stored between runs.
struct MeasureState {
    bool MarkSet = false;        // a start position is marked: the readout shows distance and direction
    bool MeasureActive = false;  // a measurement is running and the four saved slots belong to it
    bool MeasureShown = false;   // the star is drawn and the measurement's status text was shown
    int MarkLeft = 0;            // window Left and Top at the mark (0 without a mark); the marked point is
    int MarkTop = 0;             // the lens centre of that moment, (MarkLeft + 100, MarkTop + 100)
    int SavedCrosshair = 0;      // 1 when the crosshair was on, else 0
    int SavedShowXY = 0;         // 0 nothing saved, 1 the XY readout was on, 2 it was off
    int SavedColorPicker = 0;    // 1 when the colour picker was on, else 0
    int SavedExpoCheck = 0;      // 1 when the exposure check was on, else 0
};

// The four options that measuring changes (check marks of Crosshair1, Test1, ShowColVal, ExpoCheck1).
struct MeasureOptions {
    bool crosshair = false;
    bool showXY = false;
    bool colorPicker = false;
    bool expoCheck = false;
    bool operator==(const MeasureOptions&) const = default;
};

enum class MeasurePhase {
    Off,          // normal display
    Armed,        // star and "M = Mark ..." status; the readout shows the coordinates
    Marked,       // star and "Measuring ..." status; the readout shows distance and direction in red
    Interrupted,  // the colour picker or the exposure check was toggled: no star, no status, but the end of
                  // the measurement still restores the saved options
};
MeasurePhase PhaseOf(const MeasureState& state);

// The status line of a measurement: white text on this background, until something hides it.
struct MeasureMessage {
    const char* text;
    Color background;
};
inline constexpr MeasureMessage kArmedMessage{"M = Mark start position  Esc = Close", HexColor(0x009BAA)};
inline constexpr MeasureMessage kMarkedMessage{"Measuring to any location active", HexColor(0x54BC00)};

// The first step of the M key, with or without Shift: the options go into the slots that are still empty,
// and stay there until the measurement ends (even when no measurement is running yet).
void SaveMeasureOptions(MeasureState& state, const MeasureOptions& options);

// What toggling the colour picker or the exposure check does to a measurement: its display ends (mark,
// star), the measurement itself and its saved options stay.
void ClearMeasureDisplay(MeasureState& state);

struct MeasureKeyOutcome {
    bool colorPickerStopped;  // the colour picker was on and is off now (its labels follow)
    bool expoCheckStopped;    // the same for the exposure check
    bool marked;              // a start position was just marked (the click sound plays)
    MeasureMessage message;   // the status line to show
};
// The M key without exactly Shift, after SaveMeasureOptions: begins a measurement, or marks and unmarks the
// start position at the window's place. Turns the crosshair off and the XY readout on; turning the colour
// picker or the exposure check off ends the display as toggling them does, so that a measurement that was
// interrupted while one of them was switched back on lands in the armed state.
MeasureKeyOutcome MeasureKey(MeasureState& state, MeasureOptions& options, int windowLeft, int windowTop);

struct MeasureRestore {
    bool restored;         // a measurement was running: the options are back, the status line goes
    bool colorPickerBack;  // the colour picker is on again (its labels follow)
    bool expoCheckBack;    // the exposure check is on again
};
// ResetAfterMeasuring: puts back the options saved when the measurement began and clears the measurement.
// Without a running measurement it changes nothing (the saved slots stay).
MeasureRestore RestoreAfterMeasuring(MeasureState& state, MeasureOptions& options);

// ---- The XY readout

// "x612 y353": the lens centre in screen pixels.
Text PositionText(int centerX, int centerY);
// The distance and direction from the mark to the lens centre, (dx, dy) screen pixels with y down:
// "50px 53.1ø" (the character is code 248 of Windows-1252). The distance is the whole number of pixels,
// its digits grouped by threes with the locale's thousands separator ("12,345px"); the direction is
// counter-clockwise from the right with up at 90, in [0, 360), one decimal and at most three significant
// digits ("360.0" just below the positive x axis), "0" when the lens is on the mark.
Text MeasureText(int dx, int dy, std::string_view decimalSeparator, std::string_view thousandsSeparator);
// The readout of a render: MeasureText from the marked point while a mark is set, PositionText otherwise.
Text XYReadout(const MeasureState& state,
               int centerX,
               int centerY,
               std::string_view decimalSeparator,
               std::string_view thousandsSeparator);
constexpr Color XYReadoutColor(const MeasureState& state) {
    return state.MarkSet ? HexColor(0xFF0000) : HexColor(0x1C2630);
}

// ---- The star at the lens centre while measuring: four lines through (100, 100), end points excluded.
struct StarLine {
    int x0, y0, x1, y1;
};
inline constexpr StarLine kMeasureStar[] = {
    {100, 75, 100, 125},
    {75, 100, 125, 100},
    {75, 75, 125, 125},
    {75, 125, 125, 75},
};
inline constexpr Color kMeasureStarPen = HexColor(0xC0C0C0);

}  // namespace pixo
