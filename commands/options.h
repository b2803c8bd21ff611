#pragma once

#include "color/nearest_chart_color.h"
#include "color/notations.h"

namespace pixo {

// What frames the view: the lens picture, the ruler, the caliper, or a plain square (glass only). The first
// value is the one left when the checked item of the menu's radio group is clicked again.
enum class LensMode { GlassOnly, Border, Ruler, Caliper };

// Which chart the Pantone label names the nearest colour of; Off leaves the label to exact Pantone matches.
// The order is the one Ctrl+N steps through and the number the settings store.
enum class NearestName { Off, Pantone, RalClassic, RalDesign };

constexpr NearestName NextNearestName(NearestName name) {
    return name == NearestName::RalDesign ? NearestName::Off : static_cast<NearestName>(static_cast<int>(name) + 1);
}

// The chart of a nearest-name choice other than Off.
constexpr Chart ChartOf(NearestName name) {
    return name == NearestName::RalClassic  ? Chart::RalClassic
           : name == NearestName::RalDesign ? Chart::RalDesign
                                            : Chart::Pantone;
}

// Which lens frame picture the border mode combines; Default is the one used when no colour is chosen.
enum class LensPicture { Default, Red, Green, Blue, Ivory, Count };

// The user's options, typed. The pop-up menu shows them as check marks, the settings store keeps them;
// everything else reads them here. The initial values are the defaults of a first run.
struct Options {
    LensMode mode = LensMode::Border;
    LensPicture picture = LensPicture::Default;
    Notation notation = Notation::Rgb;
    NearestName nearest = NearestName::Off;
    bool colorPicker = true;         // swatch and colour readout
    bool showPms = true;             // the Pantone name of an exact match
    bool showBlack = false;          // percent black of a grey
    bool showMagnification = false;  // the zoom label
    bool showXY = false;             // the XY readout
    bool crosshair = true;
    bool exposureCheck = false;
    bool moveTopLeft = false;  // magnification keeps the view's top-left pixel in ruler and caliper mode
    bool zoomWheel = false;
    bool soundOnSave = true;
    bool saveToClipboard = false;  // full screens and crops go to the clipboard instead of files
    bool savePng = false;          // capture files are PNG instead of BMP, written off the window's thread
    bool recaptureBefore = false;  // a full-screen save recaptures first
    bool doubleBuffer = true;      // read once, at start
    bool plainFrame = false;       // a drawn frame instead of the lens picture
    bool addDelay = false;         // wait before each recapture (also turns the double buffer off)
    bool autoCapture = false;      // recapture whenever the program is activated

    friend bool operator==(const Options&, const Options&) = default;
};

// The S key's ring of modes: glass only, lens border, ruler, caliper, and round again.
constexpr LensMode NextLensMode(LensMode mode) {
    switch (mode) {
        case LensMode::GlassOnly:
            return LensMode::Border;
        case LensMode::Border:
            return LensMode::Ruler;
        case LensMode::Ruler:
            return LensMode::Caliper;
        case LensMode::Caliper:
            break;
    }
    return LensMode::GlassOnly;
}

// The mode's name as the message bar shows it when the S key reaches it.
constexpr const char* LensModeName(LensMode mode) {
    switch (mode) {
        case LensMode::GlassOnly:
            return "Glass only magnifier";
        case LensMode::Border:
            return "Graphical magnifier";
        case LensMode::Ruler:
            return "Ruler mode";
        case LensMode::Caliper:
            break;
    }
    return "Caliper mode";
}

// One check mark's view of the options: whether it is checked, and what checking or unchecking it does.
// A flag is checked when true. A choice is checked when its field holds its value; unchecking it leaves the
// field at its first value (no item of the group checked), and only when the choice was the one in force.
struct OptionBinding {
    bool (*get)(const Options&) = nullptr;
    void (*set)(Options&, bool) = nullptr;

    constexpr bool Bound() const { return get != nullptr; }
};

template <bool Options::*Field>
constexpr OptionBinding Flag() {
    return {[](const Options& o) { return o.*Field; }, [](Options& o, bool on) { o.*Field = on; }};
}

template <auto Field, auto Value>
constexpr OptionBinding Choice() {
    return {[](const Options& o) { return o.*Field == Value; },
            [](Options& o, bool on) {
                if (on)
                    o.*Field = Value;
                else if (o.*Field == Value)
                    o.*Field = decltype(Value){};
            }};
}

}  // namespace pixo
