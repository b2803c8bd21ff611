#pragma once

// SSE2 is part of every x86-64 processor: the loops that pay for it use it there, with a plain loop beside it
// for other processors. Wider instruction sets are chosen at run time (see raster/cpu_features.h).
#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define PIXO_SSE2 1
#else
#define PIXO_SSE2 0
#endif
