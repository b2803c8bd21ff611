// A desktop of several monitors: the capture is the virtual screen around them all. What that adds to a
// grab is the blackening of what no monitor shows (the blit and the copy are the system's and grow with the
// pixels); a draw on a monitor left of the primary one costs what a draw on the primary costs. The saves of
// the virtual screen are in save_settings_bench.cpp.
#include <benchmark/benchmark.h>

#include "capture/desktop.h"
#include "fakes/fake_platform.h"
#include "lens/form_filter.h"
#include "lens/plate_pictures.h"

namespace pixo {
namespace {

constexpr ScreenRect k4k{0, 0, 3840, 2160};

ScreenRect LeftOf(const ScreenRect& next, int width, int height) {
    return {next.left - width, next.top, width, height};
}

// The layouts, each monitor left of the one before: one 4K monitor, two, three, and a 4K primary with a
// 1920 x 1080 monitor beside it (a gap below the smaller one).
const MonitorLayout kOne{{k4k, true}};
const MonitorLayout kTwo{{k4k, true}, {LeftOf(k4k, 3840, 2160), false}};
const MonitorLayout kThree{{k4k, true},
                           {LeftOf(k4k, 3840, 2160), false},
                           {LeftOf(LeftOf(k4k, 3840, 2160), 3840, 2160), false}};
const MonitorLayout kMixed{{k4k, true}, {LeftOf(k4k, 1920, 1080), false}};

void Blacken(benchmark::State& state, const MonitorLayout* monitors) {
    const ScreenRect all = VirtualScreen(*monitors);
    Bitmap pixels(all.width, all.height);
    for (auto _ : state) {
        BlackenUnshown(pixels, *monitors);
        benchmark::DoNotOptimize(pixels.Data());
    }
}

// The lens dragged across a 1920 x 1080 monitor left of a 1920 x 1080 primary, at negative coordinates.
void DrawOnTheSecondMonitor(benchmark::State& state) {
    FakePlatform platform;
    platform.screen.SetMonitors({{{0, 0, 1920, 1080}, true}, {{-1920, 0, 1920, 1080}, false}});
    TFormFilter form(platform.services);
    SetPlatePictures(form);
    platform.window.onPositionChanged = [&form] { form.WmWindowPosChanged(); };
    form.FormCreate();
    form.MenuClick(kMagnifications[static_cast<std::size_t>(state.range(0))].item);
    int step = 0;
    for (auto _ : state) {
        platform.window.left = -1700 + (step++ % 800);
        form.DrawTheLoupe();
        benchmark::DoNotOptimize(form.PickedColor());
    }
}

const bool kRegistered = [] {
    const struct {
        const char* name;
        const MonitorLayout* monitors;
    } layouts[] = {{"one_4k", &kOne}, {"two_4k", &kTwo}, {"three_4k", &kThree}, {"4k_and_1080p", &kMixed}};
    for (const auto& layout : layouts) {
        benchmark::RegisterBenchmark((std::string("BlackenUnshown/") + layout.name).c_str(), Blacken, layout.monitors)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("DrawOnTheSecondMonitor", DrawOnTheSecondMonitor)->DenseRange(0, 3);
    return true;
}();

}  // namespace
}  // namespace pixo
