#pragma once

#include "raster/colors.h"
#include "raster/short_string.h"

namespace pixo {

// How dark a neutral grey is, as "50% black"; empty when `showBlack` is off, when the channels differ,
// or for the two lightest greys (254 and white), so "0% black" never appears.
Text GreyText(Color c, bool showBlack);

}  // namespace pixo
