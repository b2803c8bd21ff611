#pragma once

// The nearest chart row found the obvious way, as the reference for NearestChartColor (which skips most
// rows): CIEDE2000 to every row in table order, keeping the first of equally near rows.

#include <cstddef>
#include <limits>
#include <vector>

#include "color/ciede2000.h"
#include "color/nearest_chart_color.h"

namespace pixo {

class ChartScan {
  public:
    explicit ChartScan(Chart chart) : chart_(chart) {
        for (std::size_t row = 0; row < ChartRowCount(chart); ++row)
            labs_.push_back(CieLabOf(ChartRowColor(chart, row)));
    }

    ChartMatch Nearest(Color c) const {
        const LabValues q = CieLabOf(c);
        ChartMatch best{0, std::numeric_limits<double>::infinity(), false};
        for (std::size_t row = 0; row < labs_.size(); ++row) {
            const double d = Ciede2000(q, labs_[row]);
            if (d < best.distance)
                best = {row, d, false};
        }
        best.exact = ChartRowColor(chart_, best.row) == (c & 0xFFFFFFu);
        return best;
    }

  private:
    Chart chart_;
    std::vector<LabValues> labs_;
};

}  // namespace pixo
