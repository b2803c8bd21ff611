#include "color/ciede2000.h"

#include <gtest/gtest.h>

namespace pixo {
namespace {

// The 34 pairs of the published CIEDE2000 test data (G. Sharma, W. Wu, E. N. Dalal, "The CIEDE2000
// color-difference formula: implementation notes, supplementary test data, and mathematical observations",
// Color Research and Application 30, 2005, table I), with the difference to four decimals. They take every
// branch of the mean hue and of the hue difference, and neutral colours.
TEST(Ciede2000, PublishedTestData) {
    const struct {
        LabValues x;
        LabValues y;
        double difference;
    } kPairs[] = {
        {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
        {{50.0000, 3.1571, -77.2803}, {50.0000, 0.0000, -82.7485}, 2.8615},
        {{50.0000, 2.8361, -74.0200}, {50.0000, 0.0000, -82.7485}, 3.4412},
        {{50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, 1.0000},
        {{50.0000, -1.1848, -84.8006}, {50.0000, 0.0000, -82.7485}, 1.0000},
        {{50.0000, -0.9009, -85.5211}, {50.0000, 0.0000, -82.7485}, 1.0000},
        {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
        {{50.0000, -1.0000, 2.0000}, {50.0000, 0.0000, 0.0000}, 2.3669},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0010}, 7.1792},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0012}, 7.2195},
        {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
        {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0010, -2.4900}, 4.8045},
        {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
        {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
        {{50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, 22.8977},
        {{50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, 31.9030},
        {{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, 1.0000},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2972, 0.0000}, 1.0000},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 1.8634, 0.5757}, 1.0000},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2592, 0.3350}, 1.0000},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
        {{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
        {{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
        {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
        {{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
        {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
        {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
        {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
        {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
    };
    int pair = 0;
    for (const auto& p : kPairs) {
        ++pair;
        EXPECT_NEAR(Ciede2000(p.x, p.y), p.difference, 0.5e-4) << "pair " << pair;
        EXPECT_NEAR(Ciede2000(p.y, p.x), p.difference, 0.5e-4) << "pair " << pair << " reversed";
    }
    EXPECT_EQ(pair, 34);
}

TEST(CieLabOf, WhiteAndGreysAreNeutral) {
    const LabValues white = CieLabOf(kWhite);
    EXPECT_NEAR(white.l, 100, 1e-9);
    EXPECT_NEAR(white.a, 0, 1e-9);
    EXPECT_NEAR(white.b, 0, 1e-9);
    const LabValues black = CieLabOf(kBlack);
    EXPECT_EQ(black.l, 0);
    for (int v = 0; v < 256; ++v) {
        const LabValues grey = CieLabOf(MakeColor(v, v, v));
        EXPECT_NEAR(grey.a, 0, 1e-9) << v;
        EXPECT_NEAR(grey.b, 0, 1e-9) << v;
    }
}

// Values worked out offline from the same definitions (Python, exact chromaticities, the sRGB curve).
TEST(CieLabOf, SrgbColours) {
    const struct {
        Color c;
        LabValues lab;
    } kColours[] = {
        {HexColor(0xFF0000), {53.23712, 80.09011, 67.20326}},
        {HexColor(0x0000FF), {32.30087, 79.19527, -107.85547}},
        {HexColor(0x808080), {53.58501, 0, 0}},
    };
    for (const auto& k : kColours) {
        const LabValues lab = CieLabOf(k.c);
        EXPECT_NEAR(lab.l, k.lab.l, 1e-5);
        EXPECT_NEAR(lab.a, k.lab.a, 1e-5);
        EXPECT_NEAR(lab.b, k.lab.b, 1e-5);
    }
}

}  // namespace
}  // namespace pixo
