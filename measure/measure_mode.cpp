#include "measure/measure_mode.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "color/fixed_text.h"

namespace pixo {
namespace {

constexpr char kAngleSign = '\xF8';  // the readout's degree mark: "ø" in Windows-1252

// The whole part of the distance, exactly: |dx|, |dy| < 2^31 keep the squares and their sum in 64 bits.
std::uint64_t WholeDistance(int dx, int dy) {
    const auto ux = static_cast<std::uint64_t>(std::abs(static_cast<long long>(dx)));
    const auto uy = static_cast<std::uint64_t>(std::abs(static_cast<long long>(dy)));
    const std::uint64_t sum = ux * ux + uy * uy;
    auto d = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(sum)));
    while (d * d > sum)
        --d;
    while ((d + 1) * (d + 1) <= sum)
        ++d;
    return d;
}

// Digits grouped by threes from the right: every distance prints in full, however far.
void AppendGrouped(Text& text, std::uint64_t value, std::string_view separator) {
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0) {
        text.Append(digits[--n]);
        if (n > 0 && n % 3 == 0)
            text.Append(separator);
    }
}

// A screen distance as an int: no real screen is two billion pixels across.
int Difference(long long a, long long b) {
    return static_cast<int>(std::clamp(a - b, static_cast<long long>(INT_MIN) + 1, static_cast<long long>(INT_MAX)));
}

}  // namespace

MeasurePhase PhaseOf(const MeasureState& state) {
    if (!state.MeasureActive)
        return MeasurePhase::Off;
    if (!state.MeasureShown)
        return MeasurePhase::Interrupted;
    return state.MarkSet ? MeasurePhase::Marked : MeasurePhase::Armed;
}

void SaveMeasureOptions(MeasureState& state, const MeasureOptions& options) {
    if (state.SavedCrosshair == 0)
        state.SavedCrosshair = options.crosshair ? 1 : 0;
    if (state.SavedShowXY == 0)
        state.SavedShowXY = options.showXY ? 1 : 2;
    if (state.SavedColorPicker == 0)
        state.SavedColorPicker = options.colorPicker ? 1 : 0;
    if (state.SavedExpoCheck == 0)
        state.SavedExpoCheck = options.expoCheck ? 1 : 0;
}

void ClearMeasureDisplay(MeasureState& state) {
    state.MarkLeft = 0;
    state.MarkTop = 0;
    state.MarkSet = false;
    state.MeasureShown = false;
}

MeasureKeyOutcome MeasureKey(MeasureState& state, MeasureOptions& options, int windowLeft, int windowTop) {
    MeasureKeyOutcome outcome{};
    if (state.MeasureActive)
        state.MarkSet = !state.MarkSet;
    state.MeasureActive = true;
    options.crosshair = false;
    options.showXY = true;
    if (options.colorPicker) {
        options.colorPicker = false;
        outcome.colorPickerStopped = true;
        ClearMeasureDisplay(state);
    }
    if (options.expoCheck) {
        options.expoCheck = false;
        outcome.expoCheckStopped = true;
        ClearMeasureDisplay(state);
    }
    if (state.MarkSet) {
        outcome.marked = true;
        outcome.message = kMarkedMessage;
        state.MarkLeft = windowLeft;
        state.MarkTop = windowTop;
    } else {
        outcome.message = kArmedMessage;
        state.MarkLeft = 0;
        state.MarkTop = 0;
    }
    state.MeasureShown = true;
    return outcome;
}

MeasureRestore RestoreAfterMeasuring(MeasureState& state, MeasureOptions& options) {
    MeasureRestore restore{};
    if (state.MeasureActive) {
        options.crosshair = state.SavedCrosshair != 0;
        if (state.SavedShowXY != 0)
            options.showXY = state.SavedShowXY == 1;
        options.colorPicker = state.SavedColorPicker != 0;
        options.expoCheck = state.SavedExpoCheck != 0;
        restore = {true, options.colorPicker, options.expoCheck};
        ClearMeasureDisplay(state);
        state.SavedCrosshair = 0;
        state.SavedShowXY = 0;
        state.SavedColorPicker = 0;
        state.SavedExpoCheck = 0;
    }
    state.MeasureActive = false;
    return restore;
}

Text PositionText(int centerX, int centerY) {
    Text text("x");
    text.AppendInt(centerX).Append(" y").AppendInt(centerY);
    return text;
}

Text MeasureText(int dx, int dy, std::string_view decimalSeparator, std::string_view thousandsSeparator) {
    Text text;
    AppendGrouped(text, WholeDistance(dx, dy), thousandsSeparator);
    text.Append("px ");
    if (dx == 0 && dy == 0) {
        text.Append("0");
    } else {
        double t = std::atan2(-static_cast<double>(dy), -static_cast<double>(dx)) * 180.0 / std::numbers::pi;
        if (t < 0)
            t += 360;
        t = t > 180 ? 540 - t : 180 - t;
        text.Append(FixedText(t, 3, 1, decimalSeparator).View());
    }
    text.Append(kAngleSign);
    return text;
}

Text XYReadout(const MeasureState& state,
               int centerX,
               int centerY,
               std::string_view decimalSeparator,
               std::string_view thousandsSeparator) {
    if (!state.MarkSet)
        return PositionText(centerX, centerY);
    const int dx = Difference(centerX, static_cast<long long>(state.MarkLeft) + 100);
    const int dy = Difference(centerY, static_cast<long long>(state.MarkTop) + 100);
    return MeasureText(dx, dy, decimalSeparator, thousandsSeparator);
}

}  // namespace pixo
