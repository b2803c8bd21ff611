#pragma once

#include <cstddef>

#include "raster/colors.h"

namespace pixo {

// The colour charts the lens can name a picked colour from, each in its own fixed row order.
enum class Chart { Pantone, RalClassic, RalDesign };

std::size_t ChartRowCount(Chart chart);
// The screen colour of a row (rows counted from 0).
Color ChartRowColor(Chart chart, std::size_t row);

struct ChartMatch {
    std::size_t row = 0;  // counted from 0, in the chart's order
    double distance = 0;  // CIEDE2000 between the picked colour and the row's colour
    bool exact = false;   // the row's colour is the picked colour itself (then distance is 0)
};

// The row of `chart` nearest to c by CIEDE2000, both colours taken as sRGB (CieLabOf); of rows equally near,
// the first in table order. So an exact match is the first row with that colour, as PmsName finds it for
// the Pantone table. Builds the chart's CIELAB index on first use; after that it allocates nothing and
// computes the difference for a small part of the rows only (nearest_chart_color.cpp says how).
ChartMatch NearestChartColor(Chart chart, Color c);

}  // namespace pixo
