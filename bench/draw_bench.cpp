// The loupe is redrawn for every window move while the lens is dragged: these are the costs of one draw.
#include <benchmark/benchmark.h>

#include "fakes/fake_platform.h"
#include "lens/form_filter.h"

namespace pixo {
namespace {

struct Lens {
    FakePlatform platform;
    TFormFilter form{platform.services};
    explicit Lens(int factor) {
        platform.screen.SetSize(1920, 1080);
        form.FormCreate();
        form.lens.Factor = factor;
    }
};

void DrawAtFactor(benchmark::State& state) {
    Lens lens(static_cast<int>(state.range(0)));
    int left = 0;
    for (auto _ : state) {
        lens.platform.window.left = 300 + (left++ % 800);
        lens.form.DrawTheLoupe();
        benchmark::DoNotOptimize(lens.form.PickedColor);
    }
}
BENCHMARK(DrawAtFactor)->DenseRange(0, 3);

void DrawSmoothView(benchmark::State& state) {
    Lens lens(static_cast<int>(state.range(0)));
    lens.form.lens.SmoothViewHeld = true;
    for (auto _ : state) {
        lens.form.DrawTheLoupe();
        benchmark::DoNotOptimize(lens.form.PickedColor);
    }
}
BENCHMARK(DrawSmoothView)->DenseRange(1, 3);

void DrawWithEveryOverlay(benchmark::State& state) {
    Lens lens(1);
    for (MenuId id : {MenuId::Showblack1, MenuId::ShowMagn1, MenuId::Test1, MenuId::RGBtoLAB1})
        lens.form.PopupMenu1.SetChecked(id, true);
    lens.form.PopupMenu1.SetChecked(MenuId::NoBorderPict1, true);
    for (auto _ : state) {
        lens.form.DrawTheLoupe();
        benchmark::DoNotOptimize(lens.form.PickedColor);
    }
}
BENCHMARK(DrawWithEveryOverlay);

}  // namespace
}  // namespace pixo
