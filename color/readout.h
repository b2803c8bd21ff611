#pragma once

#include <string_view>

#include "color/notations.h"
#include "raster/colors.h"
#include "raster/short_string.h"

namespace pixo {

// The three texts the colour picker shows about one colour.
struct ReadoutTexts {
    Text value;  // in the notation in force: what Ctrl+C copies
    Text pms;    // "PMS: " and the Pantone name of an exact match, or empty
    Text grey;   // "50% black" for a grey when percent black is asked for, or empty
};

// The texts for colour `c`; the Pantone name is looked up only when `pantone` is asked for.
ReadoutTexts ReadoutFor(Color c, Notation notation, bool pantone, bool percentBlack, std::string_view decimalSeparator);

}  // namespace pixo
