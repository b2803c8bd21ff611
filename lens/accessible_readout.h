#pragma once

#include <optional>
#include <string_view>

#include "commands/magnification.h"
#include "lens/labels.h"
#include "platform/accessibility.h"

namespace pixo {

// What the lens shows, as far as a screen reader is told about it.
struct ReadoutView {
    const Labels& labels;                    // as the last draw left them
    std::optional<std::string_view> copied;  // what Ctrl+C copies now (ColourReadout::CopyText), Windows-1252
    bool picker = false;                     // the colour picker is on, so the readout is shown
    bool marked = false;                     // measuring from a mark: the XY label tells distance and direction
    ScreenPoint pixel;                       // the screen pixel the XY readout names
    int factor = 0;                          // the magnification, 0 (1:1) to 3 (4x)
};

// The name without a readout: the picker is off, or there is no capture to read a colour from.
inline constexpr std::string_view kLensName = "Pixoscope lens";

// The lens's accessible texts, in UTF-8. The value is the readout exactly as Ctrl+C copies it (HSB's degree
// mark stays the "ø" of its Windows-1252 byte), empty while the readout is not shown. The name is what a
// person should hear: the readout with "°" for that mark, then the chart name the label shows in words
// ("nearest RAL 3020, delta E 2.1" for "≈RAL 3020 ΔE 2.1"), then percent black; while measuring from a mark,
// the distance and direction ("50 pixels at 53.1°") instead. The description tells the pixel and the
// magnification: "x286 y236, 2x".
AccessibleTexts AccessibleTextsOf(const ReadoutView& view);

}  // namespace pixo
