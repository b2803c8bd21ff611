#pragma once

#include <string_view>

#include "raster/colors.h"
#include "raster/short_string.h"

namespace pixo {

// The colour readouts: each gives the exact text shown in the colour label and copied to the clipboard.
// Windows-1252 text; hex digits uppercase; decimal numbers use the locale's decimal separator.

// "R255 G128 B0"
Text RgbText(Color c);
// "FF8000": two hex digits each of red, green and blue, no prefix.
Text HexText(Color c);
// "#FF8000": the HTML hex readout, which is also the key of the Pantone lookup.
Text HtmlHexText(Color c);
// "#FF6600": each channel snapped down to the web-safe level of its band of 48 (00, 33, ... CC, FF).
// Not rounding to the nearest level: 47 gives 00.
Text WebSafeText(Color c);
// "#RRGGBB" -> "$00BBGGRR", the way a colour constant is written with a "$" hex prefix. At most nine
// characters; a malformed input gives whatever pairs it has.
Text BgrText(std::string_view htmlHex);
// " C0% M50% Y100% K0%", with its leading blank.
Text CmykText(Color c);
// "H30\xF8 S100.0 B100.0": hue in whole degrees followed by character 248, then percentages.
Text HsbText(Color c, std::string_view decimalSeparator);
// "X49.00 Y36.70 Z4.50"
Text XyzText(Color c, std::string_view decimalSeparator);
// "L67.100 A42.800 B74.000"
Text LabText(Color c, std::string_view decimalSeparator);

// The readout's notations, RGB first: it is in force when no other is chosen.
enum class Notation { Rgb, Hex, WebSafe, Bgr, Cmyk, Hsb, Xyz, Lab };

// The readout of c in the given notation. The BGR readout is made from the HTML hex readout.
Text ReadoutText(Notation notation, Color c, std::string_view decimalSeparator);

}  // namespace pixo
