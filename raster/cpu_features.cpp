#include "raster/cpu_features.h"

#if defined(_MSC_VER)
#include <intrin.h>
#endif

namespace pixo {

namespace {

bool DetectAvx2AndFma() {
#if defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
    int info[4] = {};
    __cpuid(info, 0);
    if (info[0] < 7)
        return false;
    __cpuid(info, 1);
    const bool fma = (info[2] & (1 << 12)) != 0;
    const bool osxsave = (info[2] & (1 << 27)) != 0;
    const bool avx = (info[2] & (1 << 28)) != 0;
    if (!fma || !osxsave || !avx)
        return false;
    // The operating system must save the wide registers on a task switch.
    if ((_xgetbv(0) & 0x6) != 0x6)
        return false;
    __cpuidex(info, 7, 0);
    return (info[1] & (1 << 5)) != 0;
#elif (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
    // GCC's check includes the operating system's support of the wide registers.
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
#else
    return false;
#endif
}

}  // namespace

bool HasAvx2AndFma() {
    static const bool has = DetectAvx2AndFma();
    return has;
}

}  // namespace pixo
