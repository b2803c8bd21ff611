// FixedText against an independent reference: the exact decimal expansion of the double comes from the
// standard library's correctly rounded conversion at a precision long enough to be exact, and the rounding
// works on place values of that decimal text.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "color/components.h"
#include "color/fixed_text.h"

namespace pixo {
namespace {

// |v| = 0.digits x 10^exponent, digits without leading or trailing zeros (none for zero). Plain arrays
// rather than strings keep the millions of comparisons below quick in a sanitizer build.
struct Decimal {
    char digits[1100];
    int count = 0;
    int exponent = 0;
    bool negative = false;
};

void ExactDecimal(double v, Decimal& d) {
    d.negative = std::signbit(v);
    // A value with k binary places has k decimal places; below 2^53 it has at most 16 integer digits.
    int places = 0;
    for (double x = std::fabs(v); x != std::trunc(x); x *= 2)
        ++places;
    const int precision = places == 0 ? 320 : places + 16;
    char buf[1200];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, precision);
    const char* e = buf;
    while (*e != 'e')
        ++e;
    // "d.ddd...e+XX": the first digit, then those after the point.
    d.count = 0;
    d.digits[d.count++] = buf[0];
    for (const char* p = buf + 2; p < e; ++p)
        d.digits[d.count++] = *p;
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), r.ptr, exponent);
    d.exponent = d.count == 0 ? 0 : exponent + 1;
}

// Keeps the first `keep` digits (keep >= 0), rounding half away from zero.
void RoundHalfUp(Decimal& d, int keep) {
    if (keep >= d.count)
        return;
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {  // all nines, or nothing kept: the value becomes 10^exponent
            d.digits[0] = '1';
            d.count = 1;
            ++d.exponent;
        }
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
}

std::string Reference(double v, int precision, int decimals, std::string_view separator) {
    Decimal d;
    ExactDecimal(v, d);
    RoundHalfUp(d, 18);
    // The last place kept: no finer than 10^-decimals, and no more than `precision` significant digits.
    const int last = std::max(-decimals, d.exponent - precision);
    const int keep = d.exponent - last;
    if (keep < 0)
        d.count = 0;
    else
        RoundHalfUp(d, keep);
    std::string out = d.negative && d.count > 0 ? "-" : "";
    // Place p holds digit number exponent - 1 - p of the digit string.
    auto placeDigit = [&d](int p) {
        const int i = d.exponent - 1 - p;
        return i >= 0 && i < d.count ? d.digits[i] : '0';
    };
    const int top = d.count == 0 ? 0 : std::max(d.exponent - 1, 0);
    for (int p = top; p >= 0; --p)
        out += placeDigit(p);
    if (decimals > 0)
        out += separator;
    for (int p = -1; p >= -decimals; --p)
        out += placeDigit(p);
    return out;
}

void ExpectMatches(double v, int precision, int decimals, std::string_view separator = ".") {
    ASSERT_EQ(FixedText(v, precision, decimals, separator).View(), Reference(v, precision, decimals, separator))
        << "v = " << std::hexfloat << v << std::defaultfloat << ", precision " << precision << ", decimals "
        << decimals;
}

TEST(FixedTextReference, ReferenceAgreesWithKnownTexts) {
    EXPECT_EQ(Reference(67.05, 3, 3, "."), "67.000");
    EXPECT_EQ(Reference(-0.0104, 3, 3, "."), "-0.010");
    EXPECT_EQ(Reference(0.006, 3, 2, "."), "0.01");
    EXPECT_EQ(Reference(-0.0004, 3, 3, "."), "0.000");
    EXPECT_EQ(Reference(359.6, 3, 0, "."), "360");
    EXPECT_EQ(Reference(0.1, 18, 20, "."), "0.10000000000000000600");
}

// A deterministic spread over the 24-bit colours.
Color SampleColor(std::uint32_t i) {
    return static_cast<Color>((i * 2654435761u) >> 8);
}

TEST(FixedTextReference, EveryComponentOfManyColours) {
    constexpr std::uint32_t kColours = 200000;
    for (std::uint32_t i = 0; i < kColours; ++i) {
        const Color c = SampleColor(i);
        const HsbValues hsb = HsbOf(c);
        const XyzValues xyz = XyzOf(c);
        const LabValues lab = LabOf(c);
        const std::string_view sep = i % 7 == 0 ? "," : ".";
        ExpectMatches(hsb.hue, 3, 0, sep);
        ExpectMatches(hsb.saturation, 3, 1, sep);
        ExpectMatches(hsb.brightness, 3, 1, sep);
        ExpectMatches(xyz.x, 3, 2, sep);
        ExpectMatches(xyz.y, 3, 2, sep);
        ExpectMatches(xyz.z, 3, 2, sep);
        ExpectMatches(lab.l, 3, 3, sep);
        ExpectMatches(lab.a, 3, 3, sep);
        ExpectMatches(lab.b, 3, 3, sep);
    }
}

TEST(FixedTextReference, EveryGreyAndPrimaryRamp) {
    for (int v = 0; v < 256; ++v) {
        for (Color c : {MakeColor(v, v, v), MakeColor(v, 0, 0), MakeColor(0, v, 0), MakeColor(0, 0, v),
                        MakeColor(255, v, v), MakeColor(v, 255, 255)}) {
            const LabValues lab = LabOf(c);
            const XyzValues xyz = XyzOf(c);
            for (double x : {lab.l, lab.a, lab.b})
                ExpectMatches(x, 3, 3);
            for (double x : {xyz.x, xyz.y, xyz.z})
                ExpectMatches(x, 3, 2);
        }
    }
}

// Decimal halves m.5 x 10^k at every digit position the readouts round at, the doubles nearest them
// and a few steps either side, both signs, for each precision and decimals the readouts use and more.
TEST(FixedTextReference, RoundingBoundariesOfEachDigitPosition) {
    for (int decimals = 0; decimals <= 4; ++decimals) {
        for (int precision = 1; precision <= 4; ++precision) {
            for (int k = -decimals - 2; k <= 3; ++k) {
                for (int m = precision; m < 1000; m += (k >= 1 ? 23 : 3)) {
                    double v = (m + 0.5) * std::pow(10.0, k);
                    for (int step = 0; step < 3; ++step)
                        v = std::nextafter(v, 0.0);
                    for (int step = 0; step < 7; ++step, v = std::nextafter(v, 1e300)) {
                        ExpectMatches(v, precision, decimals);
                        ExpectMatches(-v, precision, decimals);
                    }
                }
            }
        }
    }
}

// Binary fractions are exact decimals, so their halves are true ties and must round away from zero.
TEST(FixedTextReference, ExactBinaryHalves) {
    for (int j = 1; j <= 12; ++j) {
        for (int m = 1; m < 4096; m += 2) {
            const double v = std::ldexp(m, -j);
            for (int decimals = 0; decimals <= 3; ++decimals) {
                ExpectMatches(v, 3, decimals);
                ExpectMatches(-v, 3, decimals);
            }
        }
    }
}

// Doubles of every magnitude with every precision up to the 18 digits that the rounding starts from.
TEST(FixedTextReference, WideRangeAndLongPrecisions) {
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 60000; ++i) {
        // Any finite bit pattern between 1e-30 and 1e18.
        const double v = std::ldexp(1.0 + static_cast<double>(next() >> 12) / 4503599627370496.0,
                                    static_cast<int>(next() % 160) - 100);
        const int precision = 1 + static_cast<int>(next() % 18);
        const int decimals = static_cast<int>(next() % 21);
        ExpectMatches((i & 1) != 0 ? -v : v, precision, decimals);
    }
    for (double v : {5e-324, 2.2250738585072014e-308, 1e-300, 1e-100, 1e-20, 9.5e-5})
        for (int decimals : {0, 3, 20})
            ExpectMatches(v, 18, decimals);
}

}  // namespace
}  // namespace pixo
