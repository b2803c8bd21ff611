// Every one of the 16,777,216 colours through the numbers of the decimal readouts (HSB, XYZ, LAB): none
// may show a signed zero ("-0.000") or more than three significant digits, and each has its fixed
// number of decimals. The components are formatted one by one, exactly as the readouts format them,
// without composing the readout texts; the composition is covered by the examples. Split into stripes of
// red values so that the stripes can run side by side.
#include <gtest/gtest.h>

#include <string_view>

#include "color/components.h"
#include "color/fixed_text.h"

namespace pixo {
namespace {

constexpr int kStripes = 16;
constexpr int kRedsPerStripe = 256 / kStripes;

// Whether a formatted number such as "-0.010" is sound: exactly `decimals` decimals after a single
// point, at most three significant digits, and no sign unless some digit is non-zero. Written on plain
// pointers: it runs 150 million times in the sweep.
bool IsSoundNumber(const Text& number, int decimals) {
    const char* p = number.CStr();
    const char* const end = p + number.Size();
    const bool negative = p != end && *p == '-';
    if (negative)
        ++p;
    if (p == end)
        return false;
    const char* firstNonZero = nullptr;
    const char* lastNonZero = nullptr;
    const char* point = nullptr;
    for (; p != end; ++p) {
        if (*p == '.') {
            if (point)
                return false;
            point = p;
        } else if (*p >= '1' && *p <= '9') {
            firstNonZero = firstNonZero ? firstNonZero : p;
            lastNonZero = p;
        } else if (*p != '0') {
            return false;
        }
    }
    if (decimals == 0 ? point != nullptr : point == nullptr || end - point - 1 != decimals)
        return false;
    if (!firstNonZero)
        return !negative;
    const bool pointInside = point && firstNonZero < point && point < lastNonZero;
    return lastNonZero - firstNonZero + 1 - (pointInside ? 1 : 0) <= 3;
}

class EveryColour : public testing::TestWithParam<int> {};

TEST_P(EveryColour, DecimalReadoutNumbersShowNoSignedZeroAndAtMostThreeDigits) {
    const int firstRed = GetParam() * kRedsPerStripe;
    long long failures = 0;
    auto check = [&failures](Color c, double v, int decimals, const char* what) {
        const Text number = FixedText(v, 3, decimals, ".");
        if (!IsSoundNumber(number, decimals) && ++failures <= 10)
            ADD_FAILURE() << "#" << std::hex << c << std::dec << " " << what << " " << v << ": " << number.View();
    };
    for (int r = firstRed; r < firstRed + kRedsPerStripe; ++r) {
        for (int g = 0; g < 256; ++g) {
            for (int b = 0; b < 256; ++b) {
                const Color c = MakeColor(r, g, b);
                const HsbValues hsb = HsbOf(c);
                check(c, hsb.hue, 0, "hue");
                check(c, hsb.saturation, 1, "saturation");
                check(c, hsb.brightness, 1, "brightness");
                const XyzValues xyz = XyzOf(c);
                check(c, xyz.x, 2, "X");
                check(c, xyz.y, 2, "Y");
                check(c, xyz.z, 2, "Z");
                const LabValues lab = LabOf(c);
                check(c, lab.l, 3, "L");
                check(c, lab.a, 3, "a");
                check(c, lab.b, 3, "b");
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

INSTANTIATE_TEST_SUITE_P(RedStripes, EveryColour, testing::Range(0, kStripes));

TEST(IsSoundNumber, RejectsWhatTheSweepLooksFor) {
    EXPECT_TRUE(IsSoundNumber("53.600", 3));
    EXPECT_TRUE(IsSoundNumber("-0.006", 3));
    EXPECT_TRUE(IsSoundNumber("109.00", 2));
    EXPECT_TRUE(IsSoundNumber("360", 0));
    EXPECT_TRUE(IsSoundNumber("1000", 0));  // one significant digit
    EXPECT_TRUE(IsSoundNumber("0.0", 1));
    EXPECT_FALSE(IsSoundNumber("-0.000", 3));
    EXPECT_FALSE(IsSoundNumber("-0", 0));
    EXPECT_FALSE(IsSoundNumber("53.610", 3));
    EXPECT_FALSE(IsSoundNumber("1.001", 3));
    EXPECT_FALSE(IsSoundNumber("3601", 0));
    EXPECT_FALSE(IsSoundNumber("95.0", 2));
    EXPECT_FALSE(IsSoundNumber("95", 2));
    EXPECT_FALSE(IsSoundNumber("95.", 0));
    EXPECT_FALSE(IsSoundNumber("1.0.0", 1));
    EXPECT_FALSE(IsSoundNumber("", 0));
    EXPECT_FALSE(IsSoundNumber("-", 0));
    EXPECT_FALSE(IsSoundNumber("NAN", 0));
}

}  // namespace
}  // namespace pixo
