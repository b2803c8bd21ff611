#pragma once

#include <string_view>

#include "raster/short_string.h"

namespace pixo {

// v as fixed-point text with at most `precision` significant digits and exactly `decimals` decimals:
// the number is first cut to `precision` significant digits, never to more than `decimals` decimals, and
// then padded with zeros, so (67.06, 3, 3) gives "67.100". Rounding is half away from zero on the first
// 18 significant digits of v's exact binary value, so a half that v does not hold exactly is not a tie:
// (67.05, 3, 3) gives "67.000" because 67.05 is stored as 67.0499999... A value that rounds to zero has
// no sign. `decimalSeparator` is the user's locale separator, written only when `decimals` > 0.
//
// Meant for 1 <= precision <= 18, decimals >= 0 and |v| < 10^precision, which every readout keeps; larger
// numbers print their integer digits padded with zeros, NaN prints "NAN" and infinities "INF"/"-INF".
// Does not allocate.
Text FixedText(double v, int precision, int decimals, std::string_view decimalSeparator);

}  // namespace pixo
