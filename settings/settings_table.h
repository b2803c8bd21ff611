#pragma once

#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>

#include "commands/options.h"

namespace pixo {

// The integers the store keeps beside the options. Which variable of the lens window each one is, the lens
// window decides (lens/settings_store.cpp); the window position is the window's own.
enum class StoredInteger {
    None,  // the row is an option
    WindowTop,
    WindowLeft,
    Factor,
    Zoomstep,
    RulerFactor,
    CaliperFactorH,
    CaliperFactorV,
    Frame1X,
    Frame1Y,
    Frame2X,
    Frame2Y,
    NearestName,  // the nearest-name choice, 0..3 (Off, Pantone, RAL Classic, RAL Design)
};

// One REG_DWORD value of the settings key. An option is stored as 1 (checked) or 0 and read as checked for
// any non-zero number; an integer is stored as it is, signed. A damaged value (another program, a restored
// backup, a hand edit) must not give a lens that cannot work, so an integer is read within its bounds: one
// outside [validLow, validHigh] reads as the default, one below `raisedTo` reads as `raisedTo`. Values in
// range are read and written unchanged.
struct SettingRow {
    const char* name;        // spelled and cased exactly as stored
    OptionBinding option{};  // the option whose check mark the value is
    StoredInteger integer = StoredInteger::None;
    std::int32_t defaultValue = 0;  // an integer's state before reading (an option's is that of Options{})
    std::int32_t validLow = INT32_MIN;
    std::int32_t validHigh = INT32_MAX;
    std::int32_t raisedTo = INT32_MIN;

    constexpr bool IsOption() const { return option.Bound(); }
    // The value before reading, which stays when the value cannot be read.
    std::int32_t Default() const { return IsOption() ? (option.get(Options{}) ? 1 : 0) : defaultValue; }
    // The value a stored number gives.
    constexpr std::int32_t Sane(std::int32_t stored) const {
        if (stored < validLow || stored > validHigh)
            return defaultValue;
        return stored < raisedTo ? raisedTo : stored;
    }
};

// The values of the first version, and all of them: later values come after those, in reading and in writing
// order, so that settings stored by an older version stay valid and an older version reads newer ones.
inline constexpr std::size_t kFirstVersionSettingCount = 41;
inline constexpr std::size_t kSettingCount = 43;

// Every stored value, in reading order. Later rows win within a radio group: "RULER" and "CALIPER" come
// after "ShowPicture", "LAB" after "XYZ" after "HSB" after "CMYK".
extern const std::array<SettingRow, kSettingCount> kSettingRows;

// The same rows in writing order: rows 1 to 34, then the Qframe, then the ruler and caliper sizes.
const std::array<const SettingRow*, kSettingCount>& WritingOrder();

}  // namespace pixo
