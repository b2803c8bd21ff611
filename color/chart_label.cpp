#include "color/chart_label.h"

#include "color/fixed_text.h"
#include "color/pms_table.h"
#include "color/ral_tables.h"
#include "color/utf8.h"

namespace pixo {

namespace {

constexpr unsigned kAlmostEqual = 0x2248;  // ≈
constexpr unsigned kDelta = 0x0394;        // Δ

}  // namespace

Text ChartRowText(Chart chart, std::size_t row) {
    switch (chart) {
        case Chart::RalClassic:
            return Text(RalClassicTable()[row].code);
        case Chart::RalDesign:
            return Text(RalDesignTable()[row].code);
        case Chart::Pantone:
            break;
    }
    Text t("PMS: ");
    t += PmsTable()[row].name;
    return t;
}

Utf8Text NearestChartLabel(Chart chart, Color c, std::string_view decimalSeparator) {
    const ChartMatch match = NearestChartColor(chart, c);
    Utf8Text label;
    if (!match.exact)
        AppendUtf8(label.bytes, kAlmostEqual);
    const Text row = ChartRowText(chart, match.row);
    std::string_view name = row.View();
    if (!match.exact) {
        // A Pantone name's trailing blank ("123 ") tells it from another in the table; before the distance it
        // would only show as a double space.
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
    }
    label.bytes += name;
    if (!match.exact) {
        label.bytes += ' ';
        AppendUtf8(label.bytes, kDelta);
        label.bytes += "E ";
        // Six significant digits keep the one decimal for any difference below 100,000.
        AppendCp1252AsUtf8(label.bytes, FixedText(match.distance, 6, 1, decimalSeparator).View());
    }
    return label;
}

}  // namespace pixo
