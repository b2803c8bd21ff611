#include "settings/settings_table.h"

namespace pixo {
namespace {

using I = StoredInteger;

constexpr SettingRow Option(const char* name, OptionBinding option) {
    return {.name = name, .option = option};
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
    Option("ShowPicture", Choice<&Options::mode, LensMode::Border>()),
    Option("NoRealPicture", Flag<&Options::plainFrame>()),
    Option("Crosshair", Flag<&Options::crosshair>()),
    Option("Autocapture", Flag<&Options::autoCapture>()),
    // The magnification index: 0 = 1:1 .. 3 = 4x; anything else would show no picture at all.
    {.name = "Factor", .integer = I::Factor, .defaultValue = 0, .validLow = 0, .validHigh = 3},
    Option("RGB", Flag<&Options::colorPicker>()),  // the colour picker as a whole, not the RGB notation
    Option("HEX", Choice<&Options::notation, Notation::Hex>()),
    Option("HEXWEB", Choice<&Options::notation, Notation::WebSafe>()),
    Option("HEXGBR", Choice<&Options::notation, Notation::Bgr>()),
    Option("CMYK", Choice<&Options::notation, Notation::Cmyk>()),
    Option("PMS", Flag<&Options::showPms>()),
    Option("%Black", Flag<&Options::showBlack>()),
    Option("HSB", Choice<&Options::notation, Notation::Hsb>()),
    Option("XYZ", Choice<&Options::notation, Notation::Xyz>()),
    Option("LAB", Choice<&Options::notation, Notation::Lab>()),
    Option("EXPOCHECK", Flag<&Options::exposureCheck>()),
    Option("RULER", Choice<&Options::mode, LensMode::Ruler>()),
    Option("CALIPER", Choice<&Options::mode, LensMode::Caliper>()),
    Option("SoundOnSave", Flag<&Options::soundOnSave>()),
    Option("ToClipBoard", Flag<&Options::saveToClipboard>()),
    Option("YXMoveOnMeasure", Flag<&Options::moveTopLeft>()),
    Option("ShowXYPos", Flag<&Options::showXY>()),
    Option("ShowMagn", Flag<&Options::showMagnification>()),
    Integer("Zoomstep", I::Zoomstep, 0),
    Option("AddDelay", Flag<&Options::addDelay>()),
    Option("DoubleBuffering", Flag<&Options::doubleBuffer>()),
    Option("RecapBeforeInsKey", Flag<&Options::recaptureBefore>()),
    Option("GreenLensImage", Choice<&Options::picture, LensPicture::Green>()),
    Option("RedLensImage", Choice<&Options::picture, LensPicture::Red>()),
    Option("BlueLensImage", Choice<&Options::picture, LensPicture::Blue>()),
    Option("IvoryLensImage", Choice<&Options::picture, LensPicture::Ivory>()),
    Option("ZoomWheel", Flag<&Options::zoomWheel>()),
    Size("RULERFACTOR", I::RulerFactor, 10, 2),
    Size("CALIPERFACTORH", I::CaliperFactorH, 40, 1),
    Size("CALIPERFACTORV", I::CaliperFactorV, 20, 1),
    Integer("Frame1X", I::Frame1X, 0),
    Integer("Frame1Y", I::Frame1Y, 0),
    Integer("Frame2X", I::Frame2X, 0),
    Integer("Frame2Y", I::Frame2Y, 0),
    // Added later.
    {.name = "NearestName", .integer = I::NearestName, .defaultValue = 0, .validLow = 0, .validHigh = 3},
    Option("SavePNG", Flag<&Options::savePng>()),
};

const std::array<const SettingRow*, kSettingCount>& WritingOrder() {
    static const std::array<const SettingRow*, kSettingCount> order = [] {
        std::array<const SettingRow*, kSettingCount> rows{};
        std::size_t next = 0;
        for (std::size_t i = 0; i < kFirstSize; ++i)
            rows[next++] = &kSettingRows[i];
        for (std::size_t i = kFirstFrame; i < kFirstVersionSettingCount; ++i)
            rows[next++] = &kSettingRows[i];
        for (std::size_t i = kFirstSize; i < kFirstFrame; ++i)
            rows[next++] = &kSettingRows[i];
        for (std::size_t i = kFirstVersionSettingCount; i < kSettingCount; ++i)
            rows[next++] = &kSettingRows[i];
        return rows;
    }();
    return order;
}

}  // namespace pixo
