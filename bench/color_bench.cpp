// The colour readout runs on every draw of the loupe, i.e. on every mouse move while the lens is dragged:
// one readout in the notation in force, the Pantone lookup and the grey text. These are their costs.
#include <benchmark/benchmark.h>

#include <array>

#include "color/fixed_text.h"
#include "color/grey.h"
#include "color/notations.h"
#include "color/pms_lookup.h"
#include "color/pms_table.h"

namespace pixo {
namespace {

// A walk over varied colours, as a drag over a picture gives.
Color NextColor(std::uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return static_cast<Color>(state >> 8);
}

void Readout(benchmark::State& state) {
    const auto notation = static_cast<Notation>(state.range(0));
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const Text t = ReadoutText(notation, NextColor(seed), ".");
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(Readout)
    ->ArgName("notation")
    ->Arg(static_cast<int>(Notation::Rgb))
    ->Arg(static_cast<int>(Notation::Hex))
    ->Arg(static_cast<int>(Notation::WebSafe))
    ->Arg(static_cast<int>(Notation::Bgr))
    ->Arg(static_cast<int>(Notation::Cmyk))
    ->Arg(static_cast<int>(Notation::Hsb))
    ->Arg(static_cast<int>(Notation::Xyz))
    ->Arg(static_cast<int>(Notation::Lab));

void FixedTextOfComponent(benchmark::State& state) {
    const std::array<double, 8> values = {67.05, -0.0104, 108.9, 0.00526, 359.76, 3.1579, -107.86, 50.196};
    std::size_t i = 0;
    for (auto _ : state) {
        const Text t = FixedText(values[i++ % values.size()], 3, 3, ".");
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(FixedTextOfComponent);

// Misses are the common case: most picked colours are in no table.
void PmsNameMiss(benchmark::State& state) {
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const Text key = HtmlHexText(NextColor(seed));
        benchmark::DoNotOptimize(PmsName(key));
    }
}
BENCHMARK(PmsNameMiss);

void PmsNameHit(benchmark::State& state) {
    const auto table = PmsTable();
    std::size_t row = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PmsName(table[row].key));
        row = (row + 389) % table.size();
    }
}
BENCHMARK(PmsNameHit);

void GreyTextOfGreys(benchmark::State& state) {
    int v = 0;
    for (auto _ : state) {
        const Text t = GreyText(MakeColor(v, v, v), true);
        benchmark::DoNotOptimize(t);
        v = (v + 1) & 0xFF;
    }
}
BENCHMARK(GreyTextOfGreys);

// Every readout text of one draw in the costliest notation: the readout, the Pantone key and lookup and the
// grey text.
void ReadoutsOfOneDraw(benchmark::State& state) {
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const Color c = NextColor(seed);
        const Text readout = ReadoutText(Notation::Lab, c, ".");
        const Text key = HtmlHexText(c);
        const Text grey = GreyText(c, true);
        benchmark::DoNotOptimize(readout);
        benchmark::DoNotOptimize(PmsName(key));
        benchmark::DoNotOptimize(grey);
    }
}
BENCHMARK(ReadoutsOfOneDraw);

}  // namespace
}  // namespace pixo
