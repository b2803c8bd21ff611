#pragma once

#include <cstdint>

// The vector passes of the smoothed view (raster/smooth_view.h), one build per instruction set. They give
// exactly the bytes of the plain integer passes:
// - every weight is an integer, every value a byte, and no sum of weights times values reaches 2^24, so the
//   sums are exact in float arithmetic, in any order, with or without fused multiply-add;
// - a sum s is divided by its divisor d as t = s * (1/d) + 2^-11, clamped to 0..255 and truncated. For
//   0 < d <= 1024 that is the integer quotient, clamped: the rounding of 1/d and of the products is below
//   2^-14 for quotients under 256, so t stays above the true quotient and, since a quotient that is not
//   whole lies at least 1/d below the next whole number, below that number. Larger quotients clamp to 255
//   either way, and negative sums give 0 either way.
// SmoothView checks these bounds when it prepares the weights and keeps the plain passes for anything else.
namespace pixo::smooth {

// The source pixels that one target pixel takes, at most, when Lanczos-3 enlarges: those closer than 3.
constexpr int kTaps = 6;
// Divisors up to this keep the division above exact.
constexpr int kMaxDivisor = 1024;
// What is added before truncating: see above.
constexpr float kQuotientBias = 1.0f / 2048.0f;

// The weights of one axis: every target index (padded to a multiple of 8 with weightless ones) has kTaps
// taps, unused ones weighing 0.
struct AxisTable {
    int targetSize = 0;
    const int* source = nullptr;     // kTaps per target index
    const float* weight = nullptr;   // kTaps per target index
    const float* inverse = nullptr;  // 1 / divisor per target index
};

// The working pictures, in floats, sized by the caller. w x h is the source, W x H the target; hp and wp are
// h and W rounded up to a multiple of 8.
struct Buffers {
    float* columns = nullptr;       // the source turned on its side: w rows of (blue, green, red) x hp values
    float* intermediate = nullptr;  // the horizontal pass: hp rows of (blue, green, red) x wp values
    float* block = nullptr;         // 8 rows of (blue, green, red) x hp values
    int hp = 0;
    int wp = 0;
};

// The whole resampling of a w x h source onto a W x H target (W = across.targetSize, H = down.targetSize);
// pixels are 0x00RRGGBB, strides in pixels.
struct Job {
    const std::uint32_t* source = nullptr;
    int sourceStride = 0;
    int w = 0;
    int h = 0;
    AxisTable across;
    AxisTable down;
    Buffers buffers;
    std::uint32_t* target = nullptr;
    int targetStride = 0;
};

// SSE2, on every x86-64 processor.
void ResampleSse2(const Job& job);
// AVX2 and FMA: only where HasAvx2AndFma() says so.
void ResampleAvx2(const Job& job);

}  // namespace pixo::smooth
