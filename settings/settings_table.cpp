#include "settings/settings_table.h"

namespace pixo {
namespace {

using M = MenuId;
using I = StoredInteger;

constexpr SettingRow Option(const char* name, MenuId item, bool checked) {
    return {.name = name, .option = item, .defaultValue = checked ? 1 : 0};
}

constexpr SettingRow Integer(const char* name, StoredInteger which, std::int32_t initial) {
    return {.name = name, .integer = which, .defaultValue = initial};
}

// A size that the keys keep at or above `lowest`: the lowest ruler unit has two pixels between ticks, the
// narrowest caliper one pixel between its jaws. The draw keeps them within the view.
constexpr SettingRow Size(const char* name, StoredInteger which, std::int32_t initial, std::int32_t lowest) {
    return {.name = name, .integer = which, .defaultValue = initial, .raisedTo = lowest};
}

// Index of "Frame1X" and of "RULERFACTOR" in reading order.
constexpr std::size_t kFirstSize = 34;
constexpr std::size_t kFirstFrame = 37;

}  // namespace

const std::array<SettingRow, kSettingCount> kSettingRows = {
    Integer("WinStatusTop", I::WindowTop, 200),
    Integer("WinStatusLeft", I::WindowLeft, 200),
    Option("ShowPicture", M::LensBorder1, true),
    Option("NoRealPicture", M::NoBorderPict1, false),
    Option("Crosshair", M::Crosshair1, true),
    Option("Autocapture", M::AutoCapture1, false),
    // The magnification index: 0 = 1:1 .. 3 = 4x; anything else would show no picture at all.
    {.name = "Factor", .integer = I::Factor, .defaultValue = 0, .validLow = 0, .validHigh = 3},
    Option("RGB", M::ShowColVal, true),  // the colour picker as a whole, not the RGB notation
    Option("HEX", M::HEXColor1, false),
    Option("HEXWEB", M::WebSafe1, false),
    Option("HEXGBR", M::HEXgrb1, false),
    Option("CMYK", M::ToCMYK1, false),
    Option("PMS", M::ShowPMS, true),
    Option("%Black", M::Showblack1, false),
    Option("HSB", M::RGBtoHSB1, false),
    Option("XYZ", M::RGBtoXYZ1, false),
    Option("LAB", M::RGBtoLAB1, false),
    Option("EXPOCHECK", M::ExpoCheck1, false),
    Option("RULER", M::Ruler1, false),
    Option("CALIPER", M::Caliper1, false),
    Option("SoundOnSave", M::SoundonSave1, true),
    Option("ToClipBoard", M::SaveToClipB1, false),
    Option("YXMoveOnMeasure", M::MoveTopLeft1, false),
    Option("ShowXYPos", M::Test1, false),
    Option("ShowMagn", M::ShowMagn1, false),
    Integer("Zoomstep", I::Zoomstep, 0),
    Option("AddDelay", M::AddDelay1, false),
    Option("DoubleBuffering", M::DoubleBuffer1, true),
    Option("RecapBeforeInsKey", M::RecapBefore1, false),
    Option("GreenLensImage", M::GreenImage1, false),
    Option("RedLensImage", M::RedImage1, false),
    Option("BlueLensImage", M::Blueimage1, false),
    Option("IvoryLensImage", M::Ivoryimage1, false),
    Option("ZoomWheel", M::ZoomWheel1, false),
    Size("RULERFACTOR", I::RulerFactor, 10, 2),
    Size("CALIPERFACTORH", I::CaliperFactorH, 40, 1),
    Size("CALIPERFACTORV", I::CaliperFactorV, 20, 1),
    Integer("Frame1X", I::Frame1X, 0),
    Integer("Frame1Y", I::Frame1Y, 0),
    Integer("Frame2X", I::Frame2X, 0),
    Integer("Frame2Y", I::Frame2Y, 0),
};

const std::array<const SettingRow*, kSettingCount>& WritingOrder() {
    static const std::array<const SettingRow*, kSettingCount> order = [] {
        std::array<const SettingRow*, kSettingCount> rows{};
        std::size_t next = 0;
        for (std::size_t i = 0; i < kFirstSize; ++i)
            rows[next++] = &kSettingRows[i];
        for (std::size_t i = kFirstFrame; i < kSettingCount; ++i)
            rows[next++] = &kSettingRows[i];
        for (std::size_t i = kFirstSize; i < kFirstFrame; ++i)
            rows[next++] = &kSettingRows[i];
        return rows;
    }();
    return order;
}

}  // namespace pixo
