#include "color/fixed_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "color/exact_decimal.h"

namespace pixo {
namespace {

std::string Fixed(double v, int p, int d, std::string_view sep = ".") {
    return FixedText(v, p, d, sep).Str();
}

TEST(FixedText, ReadoutExamples) {
    EXPECT_EQ(Fixed(30.1176, 3, 0), "30");
    EXPECT_EQ(Fixed(359.6, 3, 0), "360");
    EXPECT_EQ(Fixed(47.843, 3, 1), "47.8");
    EXPECT_EQ(Fixed(5.88, 3, 1), "5.9");
    EXPECT_EQ(Fixed(100, 3, 1), "100.0");
    EXPECT_EQ(Fixed(108.9, 3, 2), "109.00");
    EXPECT_EQ(Fixed(3.1579, 3, 2), "3.16");
    EXPECT_EQ(Fixed(0.05, 3, 2), "0.05");
    EXPECT_EQ(Fixed(0.00526, 3, 3), "0.005");
    EXPECT_EQ(Fixed(-0.0104, 3, 3), "-0.010");
    EXPECT_EQ(Fixed(-107.86, 3, 3), "-108.000");
}

TEST(FixedText, CutsToSignificantDigitsThenPadsWithZeros) {
    EXPECT_EQ(Fixed(67.06, 3, 3), "67.100");
    EXPECT_EQ(Fixed(49.0012, 3, 2), "49.00");
    EXPECT_EQ(Fixed(4.5047, 3, 2), "4.50");
    EXPECT_EQ(Fixed(123.456, 3, 3), "123.000");
    EXPECT_EQ(Fixed(0.123456, 3, 3), "0.123");
    EXPECT_EQ(Fixed(0.0123456, 3, 3), "0.012");
}

TEST(FixedText, HalfThatTheDoubleDoesNotHoldIsNoTie) {
    // 67.05 is stored as 67.0499999999999971578..., 0.125 and 2.5 are stored exactly.
    EXPECT_EQ(Fixed(67.05, 3, 3), "67.000");
    EXPECT_EQ(Fixed(0.125, 3, 2), "0.13");
    EXPECT_EQ(Fixed(2.5, 3, 0), "3");
    EXPECT_EQ(Fixed(-2.5, 3, 0), "-3");
    EXPECT_EQ(Fixed(std::nextafter(2.5, 0.0), 3, 0), "2");
    EXPECT_EQ(Fixed(0.5, 3, 0), "1");
    EXPECT_EQ(Fixed(1.005, 3, 2), "1.00");  // stored as 1.00499999999999989...
}

TEST(FixedText, RoundsAtTheFirstDigitWhenNoDigitIsKept) {
    EXPECT_EQ(Fixed(0.006, 3, 2), "0.01");
    EXPECT_EQ(Fixed(0.004, 3, 2), "0.00");
    EXPECT_EQ(Fixed(0.0005, 3, 3), "0.001");
    EXPECT_EQ(Fixed(0.00049, 3, 3), "0.000");
    EXPECT_EQ(Fixed(0.4, 3, 0), "0");
    EXPECT_EQ(Fixed(0.0009, 3, 2), "0.00");  // below the first digit kept
}

TEST(FixedText, CarryRaisesTheExponent) {
    EXPECT_EQ(Fixed(999.6, 3, 0), "1000");
    EXPECT_EQ(Fixed(99.96, 3, 1), "100.0");
    EXPECT_EQ(Fixed(9.996, 3, 2), "10.00");
    EXPECT_EQ(Fixed(0.9996, 3, 3), "1.000");
    EXPECT_EQ(Fixed(0.0996, 3, 2), "0.10");
    EXPECT_EQ(Fixed(-0.0996, 3, 2), "-0.10");
}

TEST(FixedText, ZeroNeverHasASign) {
    EXPECT_EQ(Fixed(0.0, 3, 3), "0.000");
    EXPECT_EQ(Fixed(-0.0, 3, 3), "0.000");
    EXPECT_EQ(Fixed(-0.0004, 3, 3), "0.000");
    EXPECT_EQ(Fixed(-1e-300, 3, 2), "0.00");
    EXPECT_EQ(Fixed(-0.4, 3, 0), "0");
    EXPECT_EQ(Fixed(-std::numeric_limits<double>::denorm_min(), 3, 1), "0.0");
}

TEST(FixedText, DecimalSeparatorIsTheGivenText) {
    EXPECT_EQ(Fixed(50.196, 3, 1, ","), "50,2");
    EXPECT_EQ(Fixed(-0.0104, 3, 3, ","), "-0,010");
    EXPECT_EQ(Fixed(1.5, 3, 2, "::"), "1::50");
    EXPECT_EQ(Fixed(359.6, 3, 0, ","), "360");  // no decimals, no separator
}

TEST(FixedText, OtherPrecisions) {
    EXPECT_EQ(Fixed(3.14159265358979, 6, 5), "3.14159");
    EXPECT_EQ(Fixed(3.14159265358979, 1, 5), "3.00000");
    EXPECT_EQ(Fixed(0.1, 17, 17), "0.10000000000000001");
    // The 18-digit cut: 0.1 is 0.1000000000000000055511..., whose 18th digit rounds the 19th away.
    EXPECT_EQ(Fixed(0.1, 18, 20), "0.10000000000000000600");
    EXPECT_EQ(Fixed(12345, 3, 0), "12300");
}

TEST(FixedText, NotANumber) {
    EXPECT_EQ(Fixed(std::nan(""), 3, 2), "NAN");
    EXPECT_EQ(Fixed(std::numeric_limits<double>::infinity(), 3, 2), "INF");
    EXPECT_EQ(Fixed(-std::numeric_limits<double>::infinity(), 3, 2), "-INF");
}

TEST(ExactDecimalDigits, DigitsOfTheExactBinaryValue) {
    const DecimalDigits a = ExactDecimalDigits(67.05);  // 67.04999999999999715782...
    EXPECT_EQ(a.significand, 670499999999999972u);
    EXPECT_EQ(a.exponent, 2);
    EXPECT_FALSE(a.negative);

    const DecimalDigits b = ExactDecimalDigits(-0.00526);  // 0.0052599999999999999186...
    EXPECT_EQ(b.significand, 525999999999999992u);
    EXPECT_EQ(b.exponent, -2);
    EXPECT_TRUE(b.negative);

    const DecimalDigits c = ExactDecimalDigits(100);
    EXPECT_EQ(c.significand, 100000000000000000u);
    EXPECT_EQ(c.exponent, 3);

    EXPECT_EQ(ExactDecimalDigits(0.0).significand, 0u);
    EXPECT_TRUE(ExactDecimalDigits(-0.0).negative);
}

TEST(ExactDecimalDigits, ExtremesOfTheDoubleRange) {
    const DecimalDigits big = ExactDecimalDigits(std::numeric_limits<double>::max());
    EXPECT_EQ(big.significand, 179769313486231571u);  // 1.797693134862315708145...e308
    EXPECT_EQ(big.exponent, 309);

    const DecimalDigits tiny = ExactDecimalDigits(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(tiny.significand, 494065645841246544u);  // 4.940656458412465441765...e-324
    EXPECT_EQ(tiny.exponent, -323);

    const DecimalDigits whole = ExactDecimalDigits(std::ldexp(1.0, 63) + 2048);  // 9223372036854777856
    EXPECT_EQ(whole.significand, 922337203685477786u);
    EXPECT_EQ(whole.exponent, 19);

    const DecimalDigits pow = ExactDecimalDigits(std::ldexp(1.0, 70));  // 1180591620717411303424
    EXPECT_EQ(pow.significand, 118059162071741130u);
    EXPECT_EQ(pow.exponent, 22);
}

TEST(ExactDecimalDigits, RoundsAtTheEighteenthDigit) {
    // 1 - 2^-53 = 0.99999999999999988897769753748...: the 19th digit 9 rounds up.
    const DecimalDigits a = ExactDecimalDigits(1.0 - std::ldexp(1.0, -53));
    EXPECT_EQ(a.significand, 999999999999999889u);
    EXPECT_EQ(a.exponent, 0);
    // 3 x 2^-60 = 2.6020852139652106416...e-18: the 19th digit 1 rounds down.
    const DecimalDigits b = ExactDecimalDigits(std::ldexp(3.0, -60));
    EXPECT_EQ(b.significand, 260208521396521064u);
    EXPECT_EQ(b.exponent, -17);
    // 2^-64 = 5.42101086242752217003726400434970855712890625e-20, past the 60-bit fraction path: the 19th
    // digit 0 rounds down.
    const DecimalDigits c = ExactDecimalDigits(std::ldexp(1.0, -64));
    EXPECT_EQ(c.significand, 542101086242752217u);
    EXPECT_EQ(c.exponent, -19);
}

// Digit counts from any int: those beyond what a double can reach give what the largest reachable ones
// give (the sanitizers once caught an overflow here).
TEST(FixedText, ExtremeDigitCountsAreSafe) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(Fixed(3.25, 15, kMax), Fixed(3.25, 15, 1000));
    EXPECT_EQ(Fixed(1e308, kMax, 2), Fixed(1e308, 1000, 2));
    EXPECT_EQ(Fixed(2.5, kMin, 2), "0.00");
    EXPECT_EQ(Fixed(1e-300, kMin, kMax), Fixed(1e-300, -1000, 1000));
}

}  // namespace
}  // namespace pixo
