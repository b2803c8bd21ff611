#pragma once

#include <string_view>

#include "commands/options.h"
#include "measure/measure_mode.h"
#include "measure/ruler.h"

namespace pixo {

// The measuring the lens shows: the measure mode's state and the sizes of the ruler's unit and the
// caliper's openings. The sizes stay within the view of the magnification in force: every change of either
// ends with the clamp.
// The four options that measuring sets aside and puts back.
MeasureOptions MeasureOptionsOf(const Options& options);
void ApplyMeasureOptions(const MeasureOptions& measure, Options& options);

class Measuring {
  public:
    const MeasureState& State() const { return state_; }
    int RulerFactor() const { return rulerFactor_; }
    int CaliperFactorH() const { return caliperH_; }
    int CaliperFactorV() const { return caliperV_; }

    // ---- Measure mode
    // M: saves the options into the empty slots, then begins a measurement or marks and unmarks the start at
    // the window's place. Changes the options it must (crosshair off, XY on, picker and exposure check off).
    MeasureKeyOutcome Mark(Options& options, int windowLeft, int windowTop);
    // Shift+M: saves the options into the empty slots, then ends a measurement as Finish does.
    MeasureRestore SaveAndFinish(Options& options);
    // Ends a running measurement and puts back the options of before it (ResetAfterMeasuring).
    MeasureRestore Finish(Options& options);
    // The colour picker or the exposure check was toggled: the display ends, the measurement stays.
    void ClearDisplay() { ClearMeasureDisplay(state_); }
    // The XY readout for the pixel (x, y) and its colour.
    Text Readout(int x, int y, std::string_view decimalSeparator, std::string_view thousandsSeparator) const {
        return XYReadout(state_, x, y, decimalSeparator, thousandsSeparator);
    }
    Color ReadoutColor() const { return XYReadoutColor(state_); }

    // ---- Sizes
    // Shift with + or -: the ruler's unit by one, within 2 .. ViewSpan; true when it changed.
    bool StepRuler(int delta, int factor);
    // Shift with an arrow: a caliper opening by one, within 1 .. ViewSpan; true when it changed.
    bool StepCaliper(bool horizontal, int delta, int factor);
    // Pulls every size back into the view of magnification `factor` (nothing at 1:1).
    void ClampToView(int factor);
    // The stored sizes, as the settings read them (already raised to the keys' bounds there).
    void RestoreSizes(int rulerFactor, int caliperH, int caliperV);

  private:
    MeasureState state_;
    int rulerFactor_ = 10;
    int caliperH_ = 40;
    int caliperV_ = 20;
};

}  // namespace pixo
