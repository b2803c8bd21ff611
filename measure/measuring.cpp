#include "measure/measuring.h"

namespace pixo {

MeasureOptions MeasureOptionsOf(const Options& options) {
    return {options.crosshair, options.showXY, options.colorPicker, options.exposureCheck};
}

void ApplyMeasureOptions(const MeasureOptions& measure, Options& options) {
    options.crosshair = measure.crosshair;
    options.showXY = measure.showXY;
    options.colorPicker = measure.colorPicker;
    options.exposureCheck = measure.expoCheck;
}

MeasureKeyOutcome Measuring::Mark(Options& options, int windowLeft, int windowTop) {
    MeasureOptions measure = MeasureOptionsOf(options);
    SaveMeasureOptions(state_, measure);
    const MeasureKeyOutcome outcome = MeasureKey(state_, measure, windowLeft, windowTop);
    ApplyMeasureOptions(measure, options);
    return outcome;
}

MeasureRestore Measuring::SaveAndFinish(Options& options) {
    SaveMeasureOptions(state_, MeasureOptionsOf(options));
    return Finish(options);
}

MeasureRestore Measuring::Finish(Options& options) {
    MeasureOptions measure = MeasureOptionsOf(options);
    const MeasureRestore restore = RestoreAfterMeasuring(state_, measure);
    if (restore.restored)
        ApplyMeasureOptions(measure, options);
    return restore;
}

bool Measuring::StepRuler(int delta, int factor) {
    if (!CanStepFactor(rulerFactor_, delta, kLowestRulerFactor, factor))
        return false;
    rulerFactor_ += delta;
    ClampToView(factor);
    return true;
}

bool Measuring::StepCaliper(bool horizontal, int delta, int factor) {
    int& size = horizontal ? caliperH_ : caliperV_;
    if (!CanStepFactor(size, delta, kLowestCaliperFactor, factor))
        return false;
    size += delta;
    ClampToView(factor);
    return true;
}

void Measuring::ClampToView(int factor) {
    rulerFactor_ = ClampedRulerFactor(rulerFactor_, factor);
    caliperH_ = ClampedToView(caliperH_, factor);
    caliperV_ = ClampedToView(caliperV_, factor);
}

void Measuring::RestoreSizes(int rulerFactor, int caliperH, int caliperV) {
    rulerFactor_ = rulerFactor;
    caliperH_ = caliperH;
    caliperV_ = caliperV;
}

}  // namespace pixo
