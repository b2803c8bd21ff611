#pragma once

#include <cstddef>
#include <string_view>

#include "color/nearest_chart_color.h"
#include "raster/colors.h"
#include "raster/short_string.h"

namespace pixo {

// Text in UTF-8. The nearest-colour label needs "≈" and "Δ", which Windows-1252 (Text) has no codes for, so
// it is kept apart from Text: whoever paints it converts it from UTF-8.
struct Utf8Text {
    ShortString<63> bytes;

    std::string_view View() const { return bytes.View(); }
    friend bool operator==(const Utf8Text& t, std::string_view s) { return t.View() == s; }
};

// The text that names a row: "PMS: " and the Pantone name ("PMS: Warm Gray 1", as the PMS label names an
// exact match; a trailing blank of the name is kept), or the RAL code ("RAL 3020", "RAL 210 50 15"). ASCII,
// so the same in Windows-1252 and in UTF-8.
Text ChartRowText(Chart chart, std::size_t row);

// The label for the picked colour c: ChartRowText of the nearest row when c is that row's colour; otherwise
// "≈", that text, " ΔE " and the difference with one decimal ("≈PMS: 186 ΔE 1.8", "≈RAL 3020 ΔE 2,1"),
// rounded half away from zero on the double's exact value, as every readout rounds (FixedText).
// `decimalSeparator` is the locale's, in Windows-1252 as the program holds it; it is written in UTF-8.
// Does not allocate once the chart's index is built (NearestChartColor).
Utf8Text NearestChartLabel(Chart chart, Color c, std::string_view decimalSeparator);

}  // namespace pixo
