// A full-screen save must not stall the lens, and the settings are read at every start and written at every
// close: the costs of encoding a capture, of writing it as a new file, and of the settings store.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "capture/bmp_encoder.h"
#include "fakes/fake_platform.h"
#include "lens/form_filter.h"
#include "platform/files.h"

namespace pixo {
namespace {

struct Screen {
    int width;
    int height;
    const char* name;
};
constexpr Screen kScreens[] = {{1920, 1080, "1920x1080"}, {3840, 2160, "3840x2160"}};
// The virtual screen of two and of three 4K monitors side by side, saved into a file only: a file of more
// than 32 MiB in memory is a fresh mapping for each encoding, so that figure would be the system's first
// touch of its pages, which the piecewise save never pays.
constexpr Screen kVirtualScreens[] = {{7680, 2160, "7680x2160"}, {11520, 2160, "11520x2160"}};

// The capture, and one save made before timing: the first save in a process also pays for the first touch
// of fresh memory for the file's bytes (on the virtual machines the figures come from, about 40 us a page:
// some 300 ms for a 4K capture). The figures are what a save costs once the process has its memory.
Bitmap CaptureOf(const Screen& screen) {
    FakeScreenCapture capture;
    capture.SetSize(screen.width, screen.height);
    Bitmap bitmap;
    MonitorLayout layout;
    if (capture.Grab(bitmap, layout))
        std::abort();  // the fake screen never fails
    for (int i = 0; i < 3; ++i)
        benchmark::DoNotOptimize(EncodeBmp(bitmap).data());
    return bitmap;
}

void SaveIntoMemory(benchmark::State& state, Screen screen) {
    const Bitmap capture = CaptureOf(screen);
    for (auto _ : state) {
        std::vector<std::uint8_t> bytes = EncodeBmp(capture);
        benchmark::DoNotOptimize(bytes.data());
    }
}

// As the program saves: encoded a piece at a time into a file beside its final name, then renamed to it.
void SaveIntoNewFile(benchmark::State& state, Screen screen) {
    const Bitmap capture = CaptureOf(screen);
    const char* dir = std::getenv("PIXO_BENCH_DIR");
    const std::string folder = dir != nullptr && *dir != '\0' ? dir : "/tmp";
    const std::string path = folder + "/pixo_bench_save.bmp";
    const std::string temporary = path + ".part";
    std::vector<std::uint8_t> piece(kFilePieceBytes);
    for (auto _ : state) {
        BmpPieces bmp(capture);
        {
            std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
            for (std::uint64_t left = bmp.Size(); left > 0;) {
                const auto part = static_cast<std::size_t>(std::min<std::uint64_t>(left, piece.size()));
                bmp.Fill(std::span(piece).first(part));
                file.write(reinterpret_cast<const char*>(piece.data()), static_cast<std::streamsize>(part));
                left -= part;
            }
        }
        std::rename(temporary.c_str(), path.c_str());
        state.PauseTiming();
        std::remove(path.c_str());
        state.ResumeTiming();
    }
}

struct StoredLens {
    FakePlatform platform;
    TFormFilter form{platform.services};
    StoredLens() {
        form.FormCreate();
        form.WriteSettings();
    }
};

void ReadSettings(benchmark::State& state) {
    StoredLens lens;
    for (auto _ : state)
        lens.form.ReadSettings();
}

void WriteSettings(benchmark::State& state) {
    StoredLens lens;
    for (auto _ : state)
        lens.form.WriteSettings();
}

const bool kRegistered = [] {
    for (const Screen& screen : kScreens) {
        benchmark::RegisterBenchmark((std::string("SaveBmp/") + screen.name + "/memory").c_str(), SaveIntoMemory,
                                     screen)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("SaveBmp/") + screen.name + "/file").c_str(), SaveIntoNewFile, screen)
            ->Unit(benchmark::kMillisecond);
    }
    for (const Screen& screen : kVirtualScreens) {
        benchmark::RegisterBenchmark((std::string("SaveBmp/") + screen.name + "/file").c_str(), SaveIntoNewFile, screen)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("ReadSettings", ReadSettings);
    benchmark::RegisterBenchmark("WriteSettings", WriteSettings);
    return true;
}();

}  // namespace
}  // namespace pixo
