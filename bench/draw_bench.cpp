// The loupe is redrawn for every window move while the lens is dragged and for every key repeat while A is
// held: these are the costs of one draw in each lens mode at each magnification, and of its two costly parts
// alone (the enlargement and the smoothed view). scripts/bench.sh runs them beside their peers.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <utility>

#include "commands/magnification.h"
#include "fakes/fake_platform.h"
#include "lens/plate_pictures.h"
#include "lens/form_filter.h"
#include "raster/canvas.h"
#include "raster/smooth_view.h"

namespace pixo {
namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

// The lens window over a 1920 x 1080 capture, with its lens pictures, as the program starts it.
struct Lens {
    FakePlatform platform;
    TFormFilter form{platform.services};
    int step = 0;

    explicit Lens(int factor) {
        platform.screen.SetSize(kScreenWidth, kScreenHeight);
        SetPlatePictures(form);
        platform.window.onPositionChanged = [this] { form.WmWindowPosChanged(); };
        form.FormCreate();
        form.MenuClick(kMagnifications[factor].item);
    }
    // Checks or unchecks an item as a user does, by clicking it when it is not as wanted.
    void SetOption(MenuId id, bool on) {
        if (form.PopupMenu1Popup().Checked(id) != on)
            form.MenuClick(id);
    }
    void Press(std::uint16_t key) {
        form.KeyDown(key, kNoModifier);
        form.KeyUp(key, kNoModifier);
    }
    // One more pixel of a drag across the screen.
    void Move() { platform.window.left = 300 + (step++ % 800); }
    void Draw(benchmark::State& state) {
        for (auto _ : state) {
            Move();
            form.DrawTheLoupe();
            benchmark::DoNotOptimize(form.PickedColor());
        }
    }
};

// ---- The rows measured since the first version of the bench: the default options.

void DrawAtFactor(benchmark::State& state) {
    Lens(static_cast<int>(state.range(0))).Draw(state);
}
BENCHMARK(DrawAtFactor)->DenseRange(0, 3);

void DrawSmoothView(benchmark::State& state) {
    Lens lens(static_cast<int>(state.range(0)));
    lens.form.KeyDown('A', kNoModifier);  // held
    lens.Draw(state);
}
BENCHMARK(DrawSmoothView)->DenseRange(1, 3);

// XY, magnification, black percentage and LAB readouts over the plain drawn frame ("Use No Border Image").
void DrawWithEveryOverlay(benchmark::State& state) {
    Lens lens(1);
    for (MenuId id : {MenuId::Showblack1, MenuId::ShowMagn1, MenuId::Test1, MenuId::RGBtoLAB1})
        lens.SetOption(id, true);
    lens.SetOption(MenuId::NoBorderPict1, true);
    lens.Draw(state);
}
BENCHMARK(DrawWithEveryOverlay);

// ---- Each lens mode at each magnification, with the picker and the exposure check on. (Measuring steps both
// aside; its star costs less than either.)
// Modes whose drawing has not landed yet already set their options, so their rows measure it once it does.

struct LensMode {
    const char* name;
    bool border;      // LensBorder1
    bool plainFrame;  // NoBorderPict1: the frame drawn instead of the lens picture
    MenuId measuring;
};
constexpr LensMode kLensModes[] = {
    {.name = "border_picture", .border = true, .plainFrame = false, .measuring = MenuId::None},
    {.name = "plain_frame", .border = true, .plainFrame = true, .measuring = MenuId::None},
    {.name = "ruler", .border = false, .plainFrame = false, .measuring = MenuId::Ruler1},
    {.name = "caliper", .border = false, .plainFrame = false, .measuring = MenuId::Caliper1},
    {.name = "glass_only", .border = false, .plainFrame = false, .measuring = MenuId::None},
};

void DrawInMode(benchmark::State& state, const LensMode& mode, int factor) {
    Lens lens(factor);
    lens.SetOption(MenuId::LensBorder1, mode.border);
    lens.SetOption(MenuId::NoBorderPict1, mode.plainFrame);
    if (mode.measuring != MenuId::None)
        lens.SetOption(mode.measuring, true);
    lens.SetOption(MenuId::ShowColVal, true);
    lens.SetOption(MenuId::ExpoCheck1, true);
    lens.Draw(state);
}

// ---- The costly parts alone.

// The enlargement of the source square onto the 200 x 200 view (a plain copy at 1:1).
void Enlarge(benchmark::State& state, int factor) {
    Bitmap screen(kScreenWidth, kScreenHeight);
    Bitmap view(TFormFilter::kLensSize, TFormFilter::kLensSize);
    const Magnification& m = kMagnifications[factor];
    int step = 0;
    for (auto _ : state) {
        const int x = 300 + (step++ % 800) + m.zoomstep;
        const int y = 200 + m.zoomstep;
        if (factor == 0)
            CopyRect(screen, x, y, view, 0, 0, 200, 200, kBlack);
        else
            StretchCopy(screen, x, y, m.stretchSize, m.stretchSize, view, 0, 0, 200, 200, kBlack);
        benchmark::DoNotOptimize(view.Data());
    }
}

// The smoothed view's resampling of the source square onto 200 x 200, the work Pillow's resize does: by the
// fastest path, or by the one given.
void SmoothResample(benchmark::State& state, int factor, std::optional<SmoothPath> path) {
    const int size = kMagnifications[factor].stretchSize;
    Bitmap source(size, size);
    std::uint32_t seed = 1;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            seed = seed * 1664525U + 1013904223U;
            source.Row(y)[x] = (seed >> 8) & 0xFFFFFF;
        }
    }
    Bitmap target(TFormFilter::kLensSize, TFormFilter::kLensSize);
    SmoothView view;
    if (path) {
        view.UsePath(*path);
        if (view.Path() != *path) {
            state.SkipWithError("this processor lacks the instructions");
            return;
        }
    }
    view.Prepare(size, TFormFilter::kLensSize);
    for (auto _ : state) {
        view.Resample(source, target);
        benchmark::DoNotOptimize(target.Data());
    }
}

const std::pair<SmoothPath, const char*> kSmoothPaths[] = {{SmoothPath::Plain, "plain"},
                                                           {SmoothPath::Sse2, "sse2"},
                                                           {SmoothPath::Avx2, "avx2"}};

const bool kRegistered = [] {
    for (const Magnification& m : kMagnifications) {
        const std::string zoom = m.zoomText;
        for (const LensMode& mode : kLensModes) {
            benchmark::RegisterBenchmark(("DrawTheLoupe/" + std::string(mode.name) + "/" + zoom).c_str(),
                                         [&mode, &m](benchmark::State& state) { DrawInMode(state, mode, m.factor); });
        }
        benchmark::RegisterBenchmark(("Enlarge/" + zoom).c_str(),
                                     [&m](benchmark::State& state) { Enlarge(state, m.factor); });
        if (m.factor == 0)
            continue;
        benchmark::RegisterBenchmark(("SmoothResample/" + zoom).c_str(),
                                     [&m](benchmark::State& state) { SmoothResample(state, m.factor, std::nullopt); });
        for (const auto& [path, name] : kSmoothPaths) {
            benchmark::RegisterBenchmark(
                ("SmoothResample/" + zoom + "/" + name).c_str(),
                [&m, path = path](benchmark::State& state) { SmoothResample(state, m.factor, path); });
        }
    }
    return true;
}();

}  // namespace
}  // namespace pixo
