// The smoothed view's passes with AVX2 and FMA: eight lanes, fused multiply-add. This file alone is compiled
// for AVX2 (raster/CMakeLists.txt); it is only called where HasAvx2AndFma() says so.
#include "raster/simd.h"

#if PIXO_SSE2
#include <immintrin.h>

#include "raster/smooth_kernels_impl.h"

namespace pixo::smooth {
namespace {

struct Avx2 {
    using F = __m256;
    using I = __m256i;
    static constexpr int kLanes = 8;

    static F Load(const float* p) { return _mm256_loadu_ps(p); }
    static void Store(float* p, F v) { _mm256_storeu_ps(p, v); }
    static F Set1(float v) { return _mm256_set1_ps(v); }
    static F Mul(F a, F b) { return _mm256_mul_ps(a, b); }
    static F MulAdd(F a, F b, F c) { return _mm256_fmadd_ps(a, b, c); }
    static F Min(F a, F b) { return _mm256_min_ps(a, b); }
    static F Max(F a, F b) { return _mm256_max_ps(a, b); }
    static I Truncate(F v) { return _mm256_cvttps_epi32(v); }
    static F ToFloat(I v) { return _mm256_cvtepi32_ps(v); }
    static F Whole(F v) { return _mm256_round_ps(v, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }

    static I LoadPixels(const std::uint32_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
    static void StorePixels(std::uint32_t* p, I v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }
    static I Set1Int(int v) { return _mm256_set1_epi32(v); }
    static I And(I a, I b) { return _mm256_and_si256(a, b); }
    static I Or(I a, I b) { return _mm256_or_si256(a, b); }
    template <int Bits>
    static I ShiftRight(I v) {
        return _mm256_srli_epi32(v, Bits);
    }
    template <int Bits>
    static I ShiftLeft(I v) {
        return _mm256_slli_epi32(v, Bits);
    }

    static void Transpose(F (&r)[kLanes]) {
        const F t0 = _mm256_unpacklo_ps(r[0], r[1]);
        const F t1 = _mm256_unpackhi_ps(r[0], r[1]);
        const F t2 = _mm256_unpacklo_ps(r[2], r[3]);
        const F t3 = _mm256_unpackhi_ps(r[2], r[3]);
        const F t4 = _mm256_unpacklo_ps(r[4], r[5]);
        const F t5 = _mm256_unpackhi_ps(r[4], r[5]);
        const F t6 = _mm256_unpacklo_ps(r[6], r[7]);
        const F t7 = _mm256_unpackhi_ps(r[6], r[7]);
        const F s0 = _mm256_shuffle_ps(t0, t2, _MM_SHUFFLE(1, 0, 1, 0));
        const F s1 = _mm256_shuffle_ps(t0, t2, _MM_SHUFFLE(3, 2, 3, 2));
        const F s2 = _mm256_shuffle_ps(t1, t3, _MM_SHUFFLE(1, 0, 1, 0));
        const F s3 = _mm256_shuffle_ps(t1, t3, _MM_SHUFFLE(3, 2, 3, 2));
        const F s4 = _mm256_shuffle_ps(t4, t6, _MM_SHUFFLE(1, 0, 1, 0));
        const F s5 = _mm256_shuffle_ps(t4, t6, _MM_SHUFFLE(3, 2, 3, 2));
        const F s6 = _mm256_shuffle_ps(t5, t7, _MM_SHUFFLE(1, 0, 1, 0));
        const F s7 = _mm256_shuffle_ps(t5, t7, _MM_SHUFFLE(3, 2, 3, 2));
        r[0] = _mm256_permute2f128_ps(s0, s4, 0x20);
        r[1] = _mm256_permute2f128_ps(s1, s5, 0x20);
        r[2] = _mm256_permute2f128_ps(s2, s6, 0x20);
        r[3] = _mm256_permute2f128_ps(s3, s7, 0x20);
        r[4] = _mm256_permute2f128_ps(s0, s4, 0x31);
        r[5] = _mm256_permute2f128_ps(s1, s5, 0x31);
        r[6] = _mm256_permute2f128_ps(s2, s6, 0x31);
        r[7] = _mm256_permute2f128_ps(s3, s7, 0x31);
    }
    static void Transpose(I (&r)[kLanes]) {
        F f[kLanes];
        for (int k = 0; k < kLanes; ++k)
            f[k] = _mm256_castsi256_ps(r[k]);
        Transpose(f);
        for (int k = 0; k < kLanes; ++k)
            r[k] = _mm256_castps_si256(f[k]);
    }
};

}  // namespace

void ResampleAvx2(const Job& job) {
    Resample<Avx2>(job);
    // Leave no wide state behind for the SSE code that follows (compilers that insert this do no harm).
    _mm256_zeroupper();
}

}  // namespace pixo::smooth
#endif
