#include "color/notations.h"

#include <gtest/gtest.h>

#include <string>

#include "color/rounded_percent.h"

namespace pixo {
namespace {

constexpr Color kOrange = HexColor(0xFF8000);
constexpr Color kNavy = HexColor(0x123456);  // r 18, g 52, b 86
constexpr Color kNearBlack = HexColor(0x010203);
constexpr Color kGrey = HexColor(0x808080);

TEST(RoundedPercent, ExactHalvesRoundDown) {
    EXPECT_EQ(RoundedPercent(1, 200), 0);      // 0.5
    EXPECT_EQ(RoundedPercent(3, 200), 1);      // 1.5
    EXPECT_EQ(RoundedPercent(151, 10000), 2);  // 1.51
    EXPECT_EQ(RoundedPercent(5, 0), 0);
    EXPECT_EQ(RoundedPercent(0, 0), 0);
    EXPECT_EQ(RoundedPercent(128, 255), 50);  // 50.196
    EXPECT_EQ(RoundedPercent(2, 3), 67);      // 66.67
    EXPECT_EQ(RoundedPercent(255, 255), 100);
}

TEST(RgbText, ChannelsInDecimal) {
    EXPECT_EQ(RgbText(kOrange), "R255 G128 B0");
    EXPECT_EQ(RgbText(kBlack), "R0 G0 B0");
    EXPECT_EQ(RgbText(kNavy), "R18 G52 B86");
    EXPECT_EQ(RgbText(0xFF000000 | kGrey), "R128 G128 B128");  // the top byte is ignored
}

TEST(HexText, UppercaseTwoDigitsPerChannelInRgbOrder) {
    EXPECT_EQ(HexText(kOrange), "FF8000");
    EXPECT_EQ(HexText(HexColor(0x0A0B0C)), "0A0B0C");
    EXPECT_EQ(HtmlHexText(kOrange), "#FF8000");
    EXPECT_EQ(HtmlHexText(kBlack), "#000000");
}

TEST(WebSafeText, SnapsDownToTheLevelOfTheBand) {
    EXPECT_EQ(WebSafeText(kOrange), "#FF6600");
    EXPECT_EQ(WebSafeText(kNavy), "#003333");
    EXPECT_EQ(WebSafeText(kNearBlack), "#000000");
    EXPECT_EQ(WebSafeText(MakeColor(47, 48, 95)), "#003333");
    EXPECT_EQ(WebSafeText(MakeColor(96, 143, 144)), "#666699");
    EXPECT_EQ(WebSafeText(MakeColor(191, 192, 239)), "#99CCCC");
    EXPECT_EQ(WebSafeText(MakeColor(240, 255, 0)), "#FFFF00");
}

TEST(BgrText, SwapsThePairsBehindDollarZeroZero) {
    EXPECT_EQ(BgrText("#FF8000"), "$000080FF");
    EXPECT_EQ(BgrText("#000000"), "$00000000");
    EXPECT_EQ(BgrText("#123456"), "$00563412");
    // Malformed input keeps whatever pairs it has and never exceeds nine characters.
    EXPECT_EQ(BgrText("#1234"), "$003412");
    EXPECT_EQ(BgrText(""), "$00");
    EXPECT_EQ(BgrText("#12345678"), "$00563412");
}

TEST(CmykText, PercentagesWithLeadingBlank) {
    EXPECT_EQ(CmykText(kOrange), " C0% M50% Y100% K0%");
    EXPECT_EQ(CmykText(MakeColor(199, 200, 200)), " C0% M0% Y0% K22%");  // C is exactly 0.5
    EXPECT_EQ(CmykText(kBlack), " C0% M0% Y0% K100%");
    EXPECT_EQ(CmykText(kWhite), " C0% M0% Y0% K0%");
    EXPECT_EQ(CmykText(kNavy), " C79% M40% Y0% K66%");
    EXPECT_EQ(CmykText(kNearBlack), " C67% M33% Y0% K99%");
}

TEST(HsbText, HueDegreesAndPercentages) {
    EXPECT_EQ(HsbText(kOrange, "."), "H30\xF8 S100.0 B100.0");
    EXPECT_EQ(HsbText(kGrey, "."), "H0\xF8 S0.0 B50.2");
    EXPECT_EQ(HsbText(MakeColor(200, 30, 90), "."), "H339\xF8 S85.0 B78.4");
    EXPECT_EQ(HsbText(kNavy, "."), "H210\xF8 S79.1 B33.7");
    EXPECT_EQ(HsbText(kBlack, "."), "H0\xF8 S0.0 B0.0");
    EXPECT_EQ(HsbText(kWhite, "."), "H0\xF8 S0.0 B100.0");
    EXPECT_EQ(HsbText(HexColor(0x0000FF), "."), "H240\xF8 S100.0 B100.0");
    EXPECT_EQ(HsbText(MakeColor(255, 0, 1), "."), "H360\xF8 S100.0 B100.0");  // hue 359.76
}

// Where two channels are largest, the formula of either gives the same hue; these pin each sector's sum.
TEST(HsbText, SecondaryColours) {
    EXPECT_EQ(HsbText(HexColor(0xFFFF00), "."), "H60\xF8 S100.0 B100.0");   // red = green
    EXPECT_EQ(HsbText(HexColor(0xFF00FF), "."), "H300\xF8 S100.0 B100.0");  // red = blue
    EXPECT_EQ(HsbText(HexColor(0x00FFFF), "."), "H180\xF8 S100.0 B100.0");  // green = blue
}

TEST(XyzText, ThreeSignificantDigitsTwoDecimals) {
    EXPECT_EQ(XyzText(kOrange, "."), "X49.00 Y36.70 Z4.50");
    EXPECT_EQ(XyzText(kBlack, "."), "X0.00 Y0.00 Z0.00");
    EXPECT_EQ(XyzText(kWhite, "."), "X95.00 Y100.00 Z109.00");  // Z is 108.9
    EXPECT_EQ(XyzText(kNavy, "."), "X3.16 Y3.26 Z9.27");
}

TEST(LabText, ThreeSignificantDigitsThreeDecimals) {
    EXPECT_EQ(LabText(kOrange, "."), "L67.100 A42.800 B74.000");
    EXPECT_EQ(LabText(kWhite, "."), "L100.000 A0.005 B-0.010");  // the rounded matrix is not neutral
    EXPECT_EQ(LabText(kBlack, "."), "L0.000 A0.000 B0.000");
    EXPECT_EQ(LabText(HexColor(0x0000FF), "."), "L32.300 A79.200 B-108.000");
    EXPECT_EQ(LabText(kGrey, "."), "L53.600 A0.003 B-0.006");
}

TEST(XyzText, Primaries) {
    EXPECT_EQ(XyzText(HexColor(0xFF0000), "."), "X41.20 Y21.30 Z1.93");
    EXPECT_EQ(XyzText(HexColor(0x00FF00), "."), "X35.80 Y71.50 Z11.90");
    EXPECT_EQ(XyzText(kNearBlack, "."), "X0.05 Y0.06 Z0.09");
}

TEST(LabText, PrimariesAndDarkColoursOnTheLinearPartOfTheCurve) {
    EXPECT_EQ(LabText(HexColor(0xFF0000), "."), "L53.200 A80.100 B67.200");
    EXPECT_EQ(LabText(HexColor(0x00FF00), "."), "L87.700 A-86.200 B83.200");
    EXPECT_EQ(LabText(kNearBlack, "."), "L0.510 A-0.122 B-0.471");
    EXPECT_EQ(LabText(HexColor(0x140000), "."), "L1.340 A6.030 B2.120");
    EXPECT_EQ(LabText(HexColor(0x00000A), "."), "L0.198 A1.390 B-3.790");
    // b is -0.000369 here: it rounds to zero and shows no sign.
    EXPECT_EQ(LabText(HexColor(0x050505), "."), "L1.370 A0.000 B0.000");
}

TEST(DecimalReadouts, UseTheLocaleSeparator) {
    EXPECT_EQ(HsbText(kGrey, ","), "H0\xF8 S0,0 B50,2");
    EXPECT_EQ(XyzText(kNavy, ","), "X3,16 Y3,26 Z9,27");
    EXPECT_EQ(LabText(kWhite, ","), "L100,000 A0,005 B-0,010");
}

TEST(ReadoutText, EachNotation) {
    EXPECT_EQ(ReadoutText(Notation::Rgb, kOrange, ","), "R255 G128 B0");
    EXPECT_EQ(ReadoutText(Notation::Hex, kOrange, ","), "#FF8000");
    EXPECT_EQ(ReadoutText(Notation::WebSafe, kOrange, ","), "#FF6600");
    EXPECT_EQ(ReadoutText(Notation::Bgr, kOrange, ","), "$000080FF");
    EXPECT_EQ(ReadoutText(Notation::Cmyk, kOrange, ","), " C0% M50% Y100% K0%");
    EXPECT_EQ(ReadoutText(Notation::Hsb, kGrey, ","), "H0\xF8 S0,0 B50,2");
    EXPECT_EQ(ReadoutText(Notation::Xyz, kOrange, ","), "X49,00 Y36,70 Z4,50");
    EXPECT_EQ(ReadoutText(Notation::Lab, kOrange, ","), "L67,100 A42,800 B74,000");
}

TEST(ReadoutText, HexRgbAndCmykNeverContainTheSeparator) {
    for (Color c : {kOrange, kNavy, kGrey, kNearBlack, HexColor(0xC0FFEE)}) {
        for (Notation n : {Notation::Rgb, Notation::Hex, Notation::WebSafe, Notation::Bgr, Notation::Cmyk}) {
            EXPECT_EQ(ReadoutText(n, c, "~").View().find('~'), std::string_view::npos);
            EXPECT_EQ(ReadoutText(n, c, "~"), ReadoutText(n, c, ".").View());
        }
    }
}

}  // namespace
}  // namespace pixo
