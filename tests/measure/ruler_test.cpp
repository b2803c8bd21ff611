#include "measure/ruler.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace pixo {
namespace {

struct Labelled {
    int position;
    int value;
    bool operator==(const Labelled&) const = default;
};
struct RedTick {
    int position;
    int length;
    bool operator==(const RedTick&) const = default;
};

// Every tick of the ruler with the default factors, as the draw walks them.
struct Walk {
    RulerGeometry geometry;
    std::vector<Labelled> labelled;
    std::vector<RedTick> red;
};
Walk WalkRuler(int factor, int rulerFactor) {
    Walk walk{RulerGeometryOf(factor, rulerFactor), {}, {}};
    const RulerGeometry& g = walk.geometry;
    for (int i = 1; i <= g.tickCount; ++i) {
        if (const auto place = PlaceHorNumbers(i, g.tickCount, g.spacing, rulerFactor, g.offset))
            walk.labelled.push_back({i * g.spacing, place->value});
        const TickLook look = TickLookOf(i);
        if (look.red)
            walk.red.push_back({i * g.spacing, look.length});
    }
    return walk;
}

TEST(Ruler, OverlaysOfTheDefaultFactorsAtEachMagnification) {
    const struct {
        int factor;
        int offset, spacing, tickCount;
        std::vector<Labelled> labelled;
        std::vector<RedTick> red;  // positions of 200 and more lie outside the view
        int jawH, jawV;
    } rows[] = {
        {0, 0, 10, 20, {{50, 50}, {100, 100}, {150, 150}}, {{50, 13}, {100, 17}, {150, 13}, {200, 17}}, 40, 20},
        {1, 4, 20, 10, {{100, 50}}, {{100, 13}, {200, 17}}, 80, 40},
        {2, 4, 30, 6, {{30, 10}, {60, 20}, {90, 30}, {120, 40}, {150, 50}, {180, 60}}, {{150, 13}}, 120, 60},
        {3, 4, 40, 5, {{40, 10}, {80, 20}, {120, 30}, {160, 40}}, {{200, 13}}, 160, 80},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("factor " + std::to_string(row.factor));
        const Walk walk = WalkRuler(row.factor, 10);
        EXPECT_EQ(walk.geometry.offset, row.offset);
        EXPECT_EQ(walk.geometry.spacing, row.spacing);
        EXPECT_EQ(walk.geometry.tickCount, row.tickCount);
        EXPECT_EQ(walk.labelled, row.labelled);
        EXPECT_EQ(walk.red, row.red);
        const CaliperJaws jaws = CaliperJawsOf(row.factor, 40, 20);
        EXPECT_EQ(jaws.vertical[0], row.jawH) << "the vertical jaw's measuring edge starts at (h, y)";
        EXPECT_EQ(jaws.vertical[8], row.jawH);
        EXPECT_EQ(jaws.horizontal[1], row.jawV);
        EXPECT_EQ(jaws.horizontal[9], row.jawV);
        EXPECT_EQ(jaws.fill, row.factor == 0 ? HexColor(0x008000) : HexColor(0xFF0000));
    }
}

TEST(Ruler, NumberLabelsTheirPairsLeftsAndTops) {
    const struct {
        const char* what;
        int tick, tickCount, spacing, rulerFactor, offset;
        RulerNumberPlace place;
    } rows[] = {
        {"2x, factor 10: the fifth tick", 5, 10, 20, 10, 4, {1, 50, 97, 22, 21, 97}},
        {"1:1, factor 10: the fifteenth tick", 15, 20, 10, 10, 0, {3, 150, 147, 18, 17, 147}},
        {"1:1, factor 2: the first label sits one lower", 10, 100, 2, 2, 0, {1, 20, 17, 18, 17, 18}},
        {"1:1, factor 2: the others do not", 90, 100, 2, 2, 0, {9, 180, 177, 18, 17, 177}},
        {"4x, factor 49: the only tick", 1, 1, 196, 49, 4, {1, 49, 193, 22, 21, 193}},
        {"3x: every tick", 4, 6, 30, 10, 4, {4, 40, 117, 22, 21, 117}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const auto place = PlaceHorNumbers(row.tick, row.tickCount, row.spacing, row.rulerFactor, row.offset);
        ASSERT_TRUE(place.has_value());
        EXPECT_EQ(place->pair, row.place.pair);
        EXPECT_EQ(place->value, row.place.value);
        EXPECT_EQ(place->rLeft, row.place.rLeft);
        EXPECT_EQ(place->rTop, row.place.rTop);
        EXPECT_EQ(place->vLeft, row.place.vLeft);
        EXPECT_EQ(place->vTop, row.place.vTop);
    }
    EXPECT_FALSE(PlaceHorNumbers(10, 10, 20, 10, 4)) << "the tenth tick at 200 lies outside the view";
    EXPECT_FALSE(PlaceHorNumbers(100, 100, 2, 2, 0)) << "tick 100 at 200 gets no label";
    EXPECT_FALSE(PlaceHorNumbers(7, 20, 10, 10, 0)) << "not a fifth tick";
    EXPECT_FALSE(PlaceHorNumbers(110, 200, 1, 1, 0)) << "past the tenth pair";
}

TEST(Ruler, FinestRulerLabelsEveryTenthTickFrom20To180) {
    const Walk walk = WalkRuler(0, 2);
    EXPECT_EQ(walk.geometry.tickCount, 100);
    std::vector<Labelled> expected;
    for (int v = 20; v <= 180; v += 20)
        expected.push_back({v, v});
    EXPECT_EQ(walk.labelled, expected);
}

TEST(Ruler, NoTickPassWhenTheSpacingIsNotUsable) {
    EXPECT_EQ(RulerGeometryOf(0, 201).tickCount, 0) << "a unit past the view";
    EXPECT_EQ(RulerGeometryOf(0, 200).tickCount, 1);
    EXPECT_EQ(RulerGeometryOf(0, 0).tickCount, 0);
    EXPECT_EQ(RulerGeometryOf(0, -5).tickCount, 0);
    EXPECT_EQ(RulerGeometryOf(-1, 10).tickCount, 0) << "an impossible stored magnification";
    EXPECT_EQ(RulerGeometryOf(INT_MAX, INT_MAX).tickCount, 0);
}

TEST(Ruler, TickLooks) {
    const struct {
        int tick;
        bool red;
        int length;
    } rows[] = {{1, false, 13}, {4, false, 13},  {5, true, 13},   {10, true, 17},   {15, true, 13},
                {95, true, 13}, {100, true, 17}, {99, false, 13}, {105, false, 13}, {110, false, 13}};
    for (const auto& row : rows) {
        EXPECT_EQ(TickLookOf(row.tick).red, row.red) << row.tick;
        EXPECT_EQ(TickLookOf(row.tick).length, row.length) << row.tick;
    }
}

TEST(Caliper, JawPointsAtOneToOneAndMagnified) {
    const CaliperJaws flat = CaliperJawsOf(0, 40, 20);
    EXPECT_EQ(flat.vertical, (std::array<int, 10>{40, 75, 60, 75, 60, 60, 45, 5, 40, 0}));
    EXPECT_EQ(flat.horizontal, (std::array<int, 10>{75, 20, 75, 40, 60, 40, 5, 25, 0, 20}));
    const CaliperJaws twice = CaliperJawsOf(1, 40, 20);
    EXPECT_EQ(twice.vertical, (std::array<int, 10>{80, 0, 100, 0, 100, 15, 85, 70, 80, 75}));
    EXPECT_EQ(twice.horizontal, (std::array<int, 10>{0, 40, 0, 60, 15, 60, 70, 45, 75, 40}));
    const CaliperJaws far = CaliperJawsOf(0, INT_MAX, INT_MIN);
    EXPECT_GE(far.vertical[0], 200) << "a stored opening past the view keeps its jaw outside";
    EXPECT_LE(far.horizontal[3], 0);
}

TEST(SizeFactors, EachDrawClampsToTheViewAndOneToOneKeepsTheClampedValue) {
    const struct {
        const char* what;
        int start;
        std::vector<int> factors;  // the magnifications drawn in turn
        int ruler, caliper;
    } rows[] = {
        {"120 at 2x", 120, {1}, 99, 99},
        {"150 at 1:1, then 2x, then 1:1", 150, {0, 1, 0}, 99, 99},
        {"70 at 3x", 70, {2}, 66, 66},
        {"60 at 4x, then 1:1", 60, {3, 0}, 49, 49},
        {"210 at 1:1 stays", 210, {0}, 210, 210},
        {"99 at 2x stays", 99, {1}, 99, 99},
        {"100 at 2x", 100, {1}, 99, 99},
        {"an impossible magnification changes nothing", 150, {7}, 150, 150},
        {"a ruler unit of 0 becomes the lowest the keys reach", 0, {0}, 2, 0},
        {"as does a negative one, at any magnification", -7, {3}, 2, -7},
    };
    for (const auto& row : rows) {
        int ruler = row.start;
        int caliper = row.start;
        for (int factor : row.factors) {
            ruler = factor >= 0 && factor <= 3 ? ClampedRulerFactor(ruler, factor) : ClampedToView(ruler, factor);
            caliper = ClampedToView(caliper, factor);
        }
        EXPECT_EQ(ruler, row.ruler) << row.what;
        EXPECT_EQ(caliper, row.caliper) << row.what;
    }
}

TEST(SizeFactors, KeysStayWithinTheirBoundsAtEachMagnification) {
    // Up to the view span by keys, then the draw's clamp; down to 2 (ruler) or 1 (caliper).
    const struct {
        int factor;
        int viewSpan;
        int highest;
    } rows[] = {{0, 200, 200}, {1, 100, 99}, {2, 67, 66}, {3, 50, 49}};
    for (const auto& row : rows) {
        SCOPED_TRACE("factor " + std::to_string(row.factor));
        EXPECT_TRUE(CanStepFactor(row.viewSpan - 1, +1, kLowestRulerFactor, row.factor));
        EXPECT_FALSE(CanStepFactor(row.viewSpan, +1, kLowestRulerFactor, row.factor));
        EXPECT_TRUE(CanStepFactor(3, -1, kLowestRulerFactor, row.factor));
        EXPECT_FALSE(CanStepFactor(2, -1, kLowestRulerFactor, row.factor));
        EXPECT_TRUE(CanStepFactor(2, -1, kLowestCaliperFactor, row.factor));
        EXPECT_FALSE(CanStepFactor(1, -1, kLowestCaliperFactor, row.factor));
        int ruler = 2;
        for (int press = 0; press < 300; ++press) {
            if (CanStepFactor(ruler, +1, kLowestRulerFactor, row.factor))
                ruler = ClampedRulerFactor(ruler + 1, row.factor);
        }
        EXPECT_EQ(ruler, row.highest);
    }
    EXPECT_FALSE(CanStepFactor(10, +1, kLowestRulerFactor, 9)) << "no view span for an impossible magnification";
}

}  // namespace
}  // namespace pixo
