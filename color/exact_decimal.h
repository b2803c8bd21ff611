#pragma once

#include <cstdint>

namespace pixo {

// The leading decimal digits of a double's exact binary value. Readouts are rounded from these digits
// rather than from the double itself, so that a decimal half the double cannot hold (67.05 is stored as
// 67.04999...) is never mistaken for a tie.
struct DecimalDigits {
    static constexpr int kDigits = 18;

    // The 18 digits as an integer, 10^17 <= significand < 10^18, or 0 for a zero value:
    // |v| = 0.significand x 10^exponent.
    std::uint64_t significand = 0;
    int exponent = 0;
    bool negative = false;  // the sign bit, also for -0.0
};

// The first 18 significant digits of the exact value of a finite v, rounded to nearest at the 18th
// digit; a 19th digit of exactly 5 with nothing after it (a true tie) rounds away from zero.
// Integer arithmetic only. Not for NaN or infinity.
DecimalDigits ExactDecimalDigits(double v);

}  // namespace pixo
