#include "color/nearest_chart_color.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>

#include "color/chart_label.h"
#include "color/nearest_by_scan.h"
#include "color/notations.h"
#include "color/pms_lookup.h"
#include "color/pms_table.h"
#include "color/ral_tables.h"

namespace pixo {
namespace {

constexpr Chart kCharts[] = {Chart::Pantone, Chart::RalClassic, Chart::RalDesign};

TEST(RalTables, CountsAndTellingRows) {
    EXPECT_EQ(ChartRowCount(Chart::Pantone), 999u);
    ASSERT_EQ(ChartRowCount(Chart::RalClassic), 215u);
    ASSERT_EQ(ChartRowCount(Chart::RalDesign), 1825u);
    const auto classic = RalClassicTable();
    EXPECT_EQ(classic[0].code, "RAL 1000");
    EXPECT_EQ(classic[0].name, "Green beige");
    EXPECT_EQ(classic[0].rgb, 0xCDBA88u);
    EXPECT_EQ(classic[60].code, "RAL 3020");
    EXPECT_EQ(classic[214].code, "RAL 9023");
    const auto design = RalDesignTable();
    EXPECT_EQ(design[0].code, "RAL 000 15 00");
    EXPECT_EQ(design[1111].code, "RAL 210 50 40");
    EXPECT_EQ(design[1111].name,
              "Cura\xC3\xA7"
              "ao blue");
    EXPECT_EQ(design[1111].rgb, 0x008894u);
    EXPECT_EQ(ChartRowColor(Chart::RalDesign, 1111), HexColor(0x008894));
    EXPECT_EQ(ChartRowColor(Chart::Pantone, 952), HexColor(0xE5DBCC));  // Warm Gray 1
}

// Expected rows and differences from a brute-force search in Python over the tsv files, with its own sRGB to
// CIELAB conversion and CIEDE2000 (checked on the published pairs). Near colours are clear of a tie unless
// the tie is between rows of one colour, where the first row wins. Rows are counted from 0.
TEST(NearestChartColor, ExactAndNearColours) {
    const struct {
        Chart chart;
        std::uint32_t rgb;
        std::size_t row;
        double distance;
        bool exact;
    } kCases[] = {
        {Chart::Pantone, 0xE5DBCC, 952, 0, true},         // Warm Gray 1
        {Chart::Pantone, 0x003F54, 338, 0, true},         // 303, not 547 further on
        {Chart::Pantone, 0xC1B5A5, 486, 0, true},         // 401, not Warm Gray 4
        {Chart::Pantone, 0x003F55, 338, 0.51580, false},  // equally near 303 and 547
        {Chart::Pantone, 0xFFC61F, 27, 0.04799, false},   // "123 "
        {Chart::Pantone, 0xD01030, 137, 2.56480, false},  // 186
        {Chart::Pantone, 0xFF0000, 943, 3.99390, false},  // Warm Red
        {Chart::Pantone, 0x000000, 994, 2.51674, false},  // Black 4 2x
        {Chart::RalClassic, 0xBB1E10, 60, 0, true},       // RAL 3020
        {Chart::RalClassic, 0x0E0E10, 204, 0, true},      // RAL 9005
        {Chart::RalClassic, 0xBB1E11, 60, 0.18303, false},
        {Chart::RalClassic, 0xFF4000, 43, 0.88068, false},    // RAL 2017
        {Chart::RalClassic, 0x0000FF, 88, 17.04880, false},   // RAL 5008
        {Chart::RalDesign, 0x547D80, 1106, 0, true},          // RAL 210 50 15
        {Chart::RalDesign, 0xDFE3E8, 1401, 0, true},          // RAL 270 90 05, not RAL 280 90 05
        {Chart::RalDesign, 0xDFE3E9, 1401, 0.50728, false},   // equally near both
        {Chart::RalDesign, 0x018894, 1111, 0.02302, false},   // RAL 210 50 40
        {Chart::RalDesign, 0x808080, 8, 0.75298, false},      // RAL 000 55 00
        {Chart::RalDesign, 0xFFFFFF, 638, 3.64079, false},    // RAL 110 96 02
        {Chart::RalDesign, 0x0000FF, 1281, 14.70525, false},  // RAL 250 30 15
    };
    for (const auto& k : kCases) {
        const ChartMatch m = NearestChartColor(k.chart, HexColor(k.rgb));
        EXPECT_EQ(m.row, k.row) << std::hex << k.rgb;
        EXPECT_NEAR(m.distance, k.distance, 1e-5) << std::hex << k.rgb;
        EXPECT_EQ(m.exact, k.exact) << std::hex << k.rgb;
    }
}

// A chart's own colour is an exact match of the first row that has it; for the Pantone table that is the row
// whose name PmsName gives.
TEST(NearestChartColor, EveryChartColourMatchesItsFirstRow) {
    for (const Chart chart : kCharts) {
        for (std::size_t row = 0; row < ChartRowCount(chart); ++row) {
            const Color c = ChartRowColor(chart, row);
            std::size_t first = 0;
            while (ChartRowColor(chart, first) != c)
                ++first;
            const ChartMatch m = NearestChartColor(chart, c);
            EXPECT_EQ(m.row, first) << "chart " << static_cast<int>(chart) << " row " << row;
            EXPECT_EQ(m.distance, 0);
            EXPECT_TRUE(m.exact);
            if (chart == Chart::Pantone) {
                EXPECT_EQ(PmsName(HtmlHexText(c)), PmsTable()[m.row].name);
            }
        }
    }
}

TEST(NearestChartLabel, TextsInBothDecimalSeparators) {
    const struct {
        Chart chart;
        std::uint32_t rgb;
        std::string_view point;
        std::string_view comma;
    } kCases[] = {
        {Chart::Pantone, 0xE5DBCC, "PMS: Warm Gray 1", "PMS: Warm Gray 1"},
        {Chart::Pantone, 0xD01030, "\u2248PMS: 186 \u0394E 2.6", "\u2248PMS: 186 \u0394E 2,6"},
        {Chart::Pantone, 0xFF0000, "\u2248PMS: Warm Red \u0394E 4.0", "\u2248PMS: Warm Red \u0394E 4,0"},
        {Chart::Pantone, 0xFFC61F, "\u2248PMS: 123 \u0394E 0.0", "\u2248PMS: 123 \u0394E 0,0"},
        {Chart::RalClassic, 0xBB1E10, "RAL 3020", "RAL 3020"},
        {Chart::RalClassic, 0xC02010, "\u2248RAL 3020 \u0394E 1.1", "\u2248RAL 3020 \u0394E 1,1"},
        {Chart::RalClassic, 0x00FF00, "\u2248RAL 6038 \u0394E 17.8", "\u2248RAL 6038 \u0394E 17,8"},
        {Chart::RalDesign, 0x547D80, "RAL 210 50 15", "RAL 210 50 15"},
        {Chart::RalDesign, 0x508090, "\u2248RAL 230 50 20 \u0394E 1.4", "\u2248RAL 230 50 20 \u0394E 1,4"},
        {Chart::RalDesign, 0x808080, "\u2248RAL 000 55 00 \u0394E 0.8", "\u2248RAL 000 55 00 \u0394E 0,8"},
    };
    for (const auto& k : kCases) {
        EXPECT_EQ(NearestChartLabel(k.chart, HexColor(k.rgb), ".").View(), k.point);
        EXPECT_EQ(NearestChartLabel(k.chart, HexColor(k.rgb), ",").View(), k.comma);
    }
    // A Windows-1252 separator beyond ASCII is written in UTF-8.
    EXPECT_EQ(NearestChartLabel(Chart::RalClassic, HexColor(0xC02010), "\xB7").View(),
              "\u2248RAL 3020 \u0394E 1\u00B71");
}

// The search skips rows by bounds on the difference; it must find exactly the row a full scan finds. Each
// chart's 100,000 colours run in stripes that can run side by side, in the optimised build that the test
// command runs with the benchmarks; under the sanitizers, which slow the full scans twentyfold, the first
// 10,000 of the same colours.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kColours = 10000;
#else
constexpr int kColours = 100000;
#endif
constexpr int kStripes = 4;

class AgreesWithFullScan : public testing::TestWithParam<int> {};

TEST_P(AgreesWithFullScan, OnRandomColours) {
    const int stripe = GetParam();
    for (const Chart chart : kCharts) {
        const ChartScan scan(chart);
        std::mt19937 random(20240601u + static_cast<unsigned>(chart));
        int differences = 0;
        for (int i = 0; i < kColours; ++i) {
            const Color c = random() & 0xFFFFFFu;
            if (i % kStripes != stripe)
                continue;
            const ChartMatch fast = NearestChartColor(chart, c);
            const ChartMatch full = scan.Nearest(c);
            if ((fast.row != full.row || fast.distance != full.distance || fast.exact != full.exact) &&
                ++differences <= 5)
                ADD_FAILURE() << "chart " << static_cast<int>(chart) << " colour " << std::hex << c << std::dec
                              << ": row " << fast.row << " (" << fast.distance << "), full scan " << full.row << " ("
                              << full.distance << ")";
        }
        EXPECT_EQ(differences, 0) << "chart " << static_cast<int>(chart);
    }
}

INSTANTIATE_TEST_SUITE_P(Stripes, AgreesWithFullScan, testing::Range(0, kStripes));

}  // namespace
}  // namespace pixo
