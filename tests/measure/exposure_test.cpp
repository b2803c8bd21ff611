#include "measure/exposure.h"

#include <gtest/gtest.h>

namespace pixo {
namespace {

TEST(Exposure, ClassesAndTheirColours) {
    const struct {
        int r, g, b;
        Exposure exposure;
        Color fill;
    } rows[] = {
        {0, 0, 0, Exposure::Clipped, HexColor(0xFF0000)},
        {255, 255, 255, Exposure::Clipped, HexColor(0xFF0000)},
        {9, 9, 9, Exposure::NearClipping, HexColor(0xFF9338)},
        {0, 0, 1, Exposure::NearClipping, HexColor(0xFF9338)},
        {246, 250, 255, Exposure::NearClipping, HexColor(0xFF9338)},
        {10, 0, 0, Exposure::Normal, HexColor(0x008000)},
        {255, 255, 245, Exposure::Normal, HexColor(0x008000)},
        {255, 0, 0, Exposure::Normal, HexColor(0x008000)},
        {128, 128, 128, Exposure::Normal, HexColor(0x008000)},
    };
    for (const auto& row : rows) {
        const Color c = MakeColor(row.r, row.g, row.b);
        EXPECT_EQ(ExposureOf(c), row.exposure) << row.r << "," << row.g << "," << row.b;
        const ExposureIndicator indicator = ExposureIndicatorOf(c, 0);
        EXPECT_EQ(indicator.fill, row.fill);
        EXPECT_EQ(indicator.bar, row.exposure == Exposure::Clipped);
    }
}

TEST(Exposure, IndicatorMovesRightWhenTheLensIsPastTheLeftEdge) {
    const struct {
        int left;
        ExposureIndicator::Box circle;
        ExposureIndicator::Box bar;
    } rows[] = {
        {0, {30, 90, 50, 110}, {33, 97, 47, 103}},
        {-30, {30, 90, 50, 110}, {33, 97, 47, 103}},
        {-31, {151, 90, 171, 110}, {154, 97, 168, 103}},
    };
    for (const auto& row : rows) {
        const ExposureIndicator indicator = ExposureIndicatorOf(kBlack, row.left);
        EXPECT_EQ(indicator.circle, row.circle) << row.left;
        EXPECT_EQ(indicator.barBox, row.bar) << row.left;
    }
}

}  // namespace
}  // namespace pixo
