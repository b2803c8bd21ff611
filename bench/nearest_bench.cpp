// The nearest chart colour is looked up on every draw while the picker is on with a chart chosen, so on every
// mouse move of a drag. Random colours, as a drag over a photograph gives; beside them the full scan that the
// search must agree with, and the CIEDE2000 difference alone.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <random>

#include "color/chart_label.h"
#include "color/ciede2000.h"
#include "color/nearest_by_scan.h"
#include "color/nearest_chart_color.h"

namespace pixo {
namespace {

Color NextColor(std::mt19937& random) {
    return random() & 0xFFFFFFu;
}

void NearestChartSearch(benchmark::State& state) {
    const auto chart = static_cast<Chart>(state.range(0));
    NearestChartColor(chart, kBlack);  // builds the chart's index
    std::mt19937 random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(NearestChartColor(chart, NextColor(random)));
}
BENCHMARK(NearestChartSearch)
    ->ArgName("chart")
    ->Arg(static_cast<int>(Chart::Pantone))
    ->Arg(static_cast<int>(Chart::RalClassic))
    ->Arg(static_cast<int>(Chart::RalDesign));

void NearestChartFullScan(benchmark::State& state) {
    const auto chart = static_cast<Chart>(state.range(0));
    const ChartScan scan(chart);
    std::mt19937 random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(scan.Nearest(NextColor(random)));
}
BENCHMARK(NearestChartFullScan)
    ->ArgName("chart")
    ->Arg(static_cast<int>(Chart::Pantone))
    ->Arg(static_cast<int>(Chart::RalClassic))
    ->Arg(static_cast<int>(Chart::RalDesign));

// The whole label: the search and its text.
void NearestChartLabelText(benchmark::State& state) {
    NearestChartColor(Chart::RalDesign, kBlack);
    std::mt19937 random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(NearestChartLabel(Chart::RalDesign, NextColor(random), ","));
}
BENCHMARK(NearestChartLabelText);

void Ciede2000OfTwoColours(benchmark::State& state) {
    std::mt19937 random(1);
    std::array<LabValues, 1024> labs;
    for (LabValues& lab : labs)
        lab = CieLabOf(NextColor(random));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Ciede2000(labs[i], labs[(i + 1) % labs.size()]));
        i = (i + 1) % labs.size();
    }
}
BENCHMARK(Ciede2000OfTwoColours);

}  // namespace
}  // namespace pixo
