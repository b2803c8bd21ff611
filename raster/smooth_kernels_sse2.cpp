// The smoothed view's passes with SSE2, which every x86-64 processor has: four lanes, multiply then add.
#include "raster/simd.h"

#if PIXO_SSE2
#include <xmmintrin.h>

#include "raster/smooth_kernels_impl.h"

namespace pixo::smooth {
namespace {

struct Sse2 {
    using F = __m128;
    using I = __m128i;
    static constexpr int kLanes = 4;

    static F Load(const float* p) { return _mm_loadu_ps(p); }
    static void Store(float* p, F v) { _mm_storeu_ps(p, v); }
    static F Set1(float v) { return _mm_set1_ps(v); }
    static F Mul(F a, F b) { return _mm_mul_ps(a, b); }
    // Two roundings, both exact on the sums of integers; the quotient's bias allows for them.
    static F MulAdd(F a, F b, F c) { return _mm_add_ps(_mm_mul_ps(a, b), c); }
    static F Min(F a, F b) { return _mm_min_ps(a, b); }
    static F Max(F a, F b) { return _mm_max_ps(a, b); }
    static I Truncate(F v) { return _mm_cvttps_epi32(v); }
    static F ToFloat(I v) { return _mm_cvtepi32_ps(v); }
    static F Whole(F v) { return ToFloat(Truncate(v)); }

    static I LoadPixels(const std::uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
    static void StorePixels(std::uint32_t* p, I v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
    static I Set1Int(int v) { return _mm_set1_epi32(v); }
    static I And(I a, I b) { return _mm_and_si128(a, b); }
    static I Or(I a, I b) { return _mm_or_si128(a, b); }
    template <int Bits>
    static I ShiftRight(I v) {
        return _mm_srli_epi32(v, Bits);
    }
    template <int Bits>
    static I ShiftLeft(I v) {
        return _mm_slli_epi32(v, Bits);
    }

    static void Transpose(F (&r)[kLanes]) { _MM_TRANSPOSE4_PS(r[0], r[1], r[2], r[3]); }
    static void Transpose(I (&r)[kLanes]) {
        F f[kLanes] = {_mm_castsi128_ps(r[0]), _mm_castsi128_ps(r[1]), _mm_castsi128_ps(r[2]), _mm_castsi128_ps(r[3])};
        Transpose(f);
        for (int k = 0; k < kLanes; ++k)
            r[k] = _mm_castps_si128(f[k]);
    }
};

}  // namespace

void ResampleSse2(const Job& job) {
    Resample<Sse2>(job);
}

}  // namespace pixo::smooth
#endif
