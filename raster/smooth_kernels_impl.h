#pragma once

// The passes of raster/smooth_kernels.h, written once over a small set of vector operations (`Isa`). Each
// instruction-set build (smooth_kernels_sse2.cpp, smooth_kernels_avx2.cpp) includes this file with its own
// Isa. Everything here has internal linkage and uses no library code, so the wide build, compiled for AVX2,
// shares no function with the rest of the program, which must run on any x86-64 processor.
//
// The horizontal pass runs on the source turned on its side, so that both passes are the same kind of loop:
// a row of the output is a weighted sum of whole input rows, one weight for all lanes.

#include "raster/smooth_kernels.h"

namespace pixo::smooth {
namespace {

constexpr int kChannels = 3;  // blue, green, red: the unused top byte of a pixel takes no part

// The clamped quotient of an exact sum, before truncation (see raster/smooth_kernels.h).
template <class Isa>
typename Isa::F Quotient(typename Isa::F sum, typename Isa::F inverse) {
    const typename Isa::F t = Isa::MulAdd(sum, inverse, Isa::Set1(kQuotientBias));
    return Isa::Min(Isa::Max(t, Isa::Set1(0.0f)), Isa::Set1(255.0f));
}

#if defined(_MSC_VER)
#pragma warning(push)
#pragma warning(disable : 4324)  // Taps is padded to align its vector members, as it should be
#endif

// The taps of one target index of an axis: the input rows they read and their weights, for all lanes.
template <class Isa>
struct Taps {
    const float* in[kTaps];
    typename Isa::F weight[kTaps];
    typename Isa::F inverse;

    Taps(const AxisTable& axis, int index, const float* rows, int rowLength) {
        for (int k = 0; k < kTaps; ++k) {
            in[k] = rows + axis.source[index * kTaps + k] * rowLength;
            weight[k] = Isa::Set1(axis.weight[index * kTaps + k]);
        }
        inverse = Isa::Set1(axis.inverse[index]);
    }
    // The clamped quotient of the weighted sum of the rows at one offset, before truncation.
    typename Isa::F At(int offset) const {
        typename Isa::F sum = Isa::Mul(weight[0], Isa::Load(in[0] + offset));
        for (int k = 1; k < kTaps; ++k)
            sum = Isa::MulAdd(weight[k], Isa::Load(in[k] + offset), sum);
        return Quotient<Isa>(sum, inverse);
    }
};

#if defined(_MSC_VER)
#pragma warning(pop)
#endif

template <class Isa>
void StoreChannels(float* to, int planeStride, typename Isa::I pixels) {
    const typename Isa::I byte = Isa::Set1Int(0xFF);
    Isa::Store(to, Isa::ToFloat(Isa::And(pixels, byte)));
    Isa::Store(to + planeStride, Isa::ToFloat(Isa::And(Isa::template ShiftRight<8>(pixels), byte)));
    Isa::Store(to + 2 * planeStride, Isa::ToFloat(Isa::And(Isa::template ShiftRight<16>(pixels), byte)));
}

void StoreChannelsOne(float* to, int planeStride, std::uint32_t pixel) {
    to[0] = static_cast<float>(pixel & 0xFF);
    to[planeStride] = static_cast<float>((pixel >> 8) & 0xFF);
    to[2 * planeStride] = static_cast<float>((pixel >> 16) & 0xFF);
}

// The source turned on its side: row x of `columns` holds source column x, blue, green and red planes of hp
// values each.
template <class Isa>
void TurnSource(const Job& job) {
    constexpr int L = Isa::kLanes;
    const int hp = job.buffers.hp;
    const int rowLength = kChannels * hp;
    float* columns = job.buffers.columns;
    auto pixelAt = [&job](int x, int y) { return job.source[y * job.sourceStride + x]; };
    int y0 = 0;
    for (; y0 + L <= job.h; y0 += L) {
        int x0 = 0;
        for (; x0 + L <= job.w; x0 += L) {
            typename Isa::I tile[L];
            for (int k = 0; k < L; ++k)
                tile[k] = Isa::LoadPixels(job.source + (y0 + k) * job.sourceStride + x0);
            Isa::Transpose(tile);
            for (int k = 0; k < L; ++k)
                StoreChannels<Isa>(columns + (x0 + k) * rowLength + y0, hp, tile[k]);
        }
        for (; x0 < job.w; ++x0) {
            for (int k = 0; k < L; ++k)
                StoreChannelsOne(columns + x0 * rowLength + y0 + k, hp, pixelAt(x0, y0 + k));
        }
    }
    for (; y0 < job.h; ++y0) {
        for (int x = 0; x < job.w; ++x)
            StoreChannelsOne(columns + x * rowLength + y0, hp, pixelAt(x, y0));
    }
}

// Target columns i0 .. i0 + L - 1 of every source row into `block` (one row per target column), then turned
// back into the rows of the intermediate picture.
template <class Isa>
void HorizontalPass(const Job& job) {
    constexpr int L = Isa::kLanes;
    const Buffers& b = job.buffers;
    const int rowLength = kChannels * b.hp;
    const int intermediateRow = kChannels * b.wp;
    for (int i0 = 0; i0 < b.wp; i0 += L) {
        for (int lane = 0; lane < L; ++lane) {
            const Taps<Isa> taps(job.across, i0 + lane, b.columns, rowLength);
            float* out = b.block + lane * rowLength;
            for (int v = 0; v < rowLength; v += L)
                Isa::Store(out + v, Isa::Whole(taps.At(v)));
        }
        for (int c = 0; c < kChannels; ++c) {
            for (int y0 = 0; y0 < b.hp; y0 += L) {
                typename Isa::F tile[L];
                for (int lane = 0; lane < L; ++lane)
                    tile[lane] = Isa::Load(b.block + lane * rowLength + c * b.hp + y0);
                Isa::Transpose(tile);
                for (int k = 0; k < L; ++k)
                    Isa::Store(b.intermediate + (y0 + k) * intermediateRow + c * b.wp + i0, tile[k]);
            }
        }
    }
}

// Each target row from the intermediate rows, straight into 0x00RRGGBB pixels.
template <class Isa>
void VerticalPass(const Job& job) {
    constexpr int L = Isa::kLanes;
    const Buffers& b = job.buffers;
    const int width = job.across.targetSize;
    const int intermediateRow = kChannels * b.wp;
    for (int r = 0; r < job.down.targetSize; ++r) {
        const Taps<Isa> taps(job.down, r, b.intermediate, intermediateRow);
        std::uint32_t* out = job.target + r * job.targetStride;
        for (int i0 = 0; i0 < width; i0 += L) {
            typename Isa::I channel[kChannels];
            for (int c = 0; c < kChannels; ++c)
                channel[c] = Isa::Truncate(taps.At(c * b.wp + i0));
            const typename Isa::I pixels = Isa::Or(
                channel[0], Isa::Or(Isa::template ShiftLeft<8>(channel[1]), Isa::template ShiftLeft<16>(channel[2])));
            if (i0 + L <= width) {
                Isa::StorePixels(out + i0, pixels);
            } else {
                std::uint32_t last[L];
                Isa::StorePixels(last, pixels);
                for (int i = i0; i < width; ++i)
                    out[i] = last[i - i0];
            }
        }
    }
}

template <class Isa>
void Resample(const Job& job) {
    TurnSource<Isa>(job);
    HorizontalPass<Isa>(job);
    VerticalPass<Isa>(job);
}

}  // namespace
}  // namespace pixo::smooth
