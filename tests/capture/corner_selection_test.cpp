#include "capture/corner_selection.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

namespace pixo {
namespace {

using K = CornerKey;
using T = CornerThen;

struct Press {
    CornerKey key;
    int x = 0;
    int y = 0;
};

// The bar as the last press leaves it asked for; a null caption means unchanged.
struct Expected {
    int step;
    bool selecting;
    Region crop;
    const char* caption;
    Color background;
    bool showBar;
    bool closeBar;
    bool startTimer;
    bool click;
    CornerThen then;
};

struct Walk {
    const char* name;
    CornerSelection start;
    std::vector<Press> presses;
    Expected last;
};

void PrintTo(const Walk& walk, std::ostream* out) {
    *out << walk.name;
}

constexpr Color kNone = kBlack;

// Each walk goes through a whole selection; the expectations are those of its last press and the selection
// it leaves.
const Walk kWalks[] = {
    {"Q starts with the first-corner prompt",
     {},
     {{K::Q, 300, 300}},
     {1,
      true,
      {},
      "Select first Qframe corner and Press Q",
      kFirstCornerColour,
      true,
      false,
      false,
      false,
      T::Nothing}},
    {"C starts with its own prompt",
     {},
     {{K::C, 300, 300}},
     {1, true, {}, "Select first corner and Press C", kFirstCornerColour, true, false, false, false, T::Nothing}},
    {"Q takes the first corner at the lens centre",
     {},
     {{K::Q}, {K::Q, 500, 400}},
     {2,
      true,
      {500, 400, 0, 0},
      "Select next Qframe corner and Press Q",
      kNextCornerColour,
      false,
      false,
      false,
      true,
      T::Nothing}},
    {"C takes the first corner",
     {},
     {{K::C}, {K::C, 500, 400}},
     {2,
      true,
      {500, 400, 0, 0},
      "Select next corner - press C to capture",
      kNextCornerColour,
      false,
      false,
      false,
      true,
      T::Nothing}},
    {"Q at the second corner stores a Qframe, whatever the corners' order",
     {},
     {{K::Q}, {K::Q, 500, 400}, {K::Q, 300, 250}},
     {0, false, {300, 250, 200, 150}, kQframeSetCaption, kInformationColour, false, false, true, true, T::StoreQframe}},
    {"C at the second corner saves a crop, the corners taken the other way round",
     {},
     {{K::C}, {K::C, 300, 250}, {K::C, 500, 400}},
     {3, false, {300, 250, 200, 150}, nullptr, kNone, false, false, false, false, T::SaveCrop}},
    {"two corners on one row select nothing (Q)",
     {},
     {{K::Q}, {K::Q, 500, 400}, {K::Q, 300, 400}},
     {3,
      false,
      {300, 400, 200, 0},
      "Nothing selected! Press Esc to Close",
      kNothingSelectedColour,
      false,
      false,
      false,
      false,
      T::Nothing}},
    {"two corners in one column select nothing (C)",
     {},
     {{K::C}, {K::C, 500, 400}, {K::C, 500, 250}},
     {3,
      false,
      {500, 250, 0, 150},
      "Nothing selected! Press C to Close",
      kNothingSelectedColour,
      false,
      false,
      false,
      false,
      T::Nothing}},
    {"after nothing selected the next Q closes the message",
     {},
     {{K::Q}, {K::Q, 500, 400}, {K::Q, 500, 400}, {K::Q}},
     {0, false, {500, 400, 0, 0}, nullptr, kNone, false, true, false, false, T::Nothing}},
    {"after nothing selected the next C closes it too",
     {},
     {{K::C}, {K::C, 500, 400}, {K::C, 300, 400}, {K::C}},
     {0, false, {300, 400, 200, 0}, nullptr, kNone, false, true, false, false, T::Nothing}},
    {"Q, Q, C saves a crop",
     {},
     {{K::Q}, {K::Q, 100, 100}, {K::C, 110, 120}},
     {3, false, {100, 100, 10, 20}, nullptr, kNone, false, false, false, false, T::SaveCrop}},
    {"C, C, Q stores a Qframe",
     {},
     {{K::C}, {K::C, 100, 100}, {K::Q, 90, 80}},
     {0, false, {90, 80, 10, 20}, kQframeSetCaption, kInformationColour, false, false, true, true, T::StoreQframe}},
    {"the second press's caption follows its own key",
     {},
     {{K::Q}, {K::C, 10, 20}},
     {2,
      true,
      {10, 20, 0, 0},
      "Select next corner - press C to capture",
      kNextCornerColour,
      false,
      false,
      false,
      true,
      T::Nothing}},
    {"a fourth Q over a rectangle does nothing but count",
     {3, false, {1, 2, 3, 4}},
     {{K::Q}},
     {4, true, {1, 2, 3, 4}, nullptr, kNone, false, false, false, false, T::Nothing}},
    {"a fourth C closes in any case",
     {3, false, {1, 2, 3, 4}},
     {{K::C}},
     {0, false, {1, 2, 3, 4}, nullptr, kNone, false, true, false, false, T::Nothing}},
    {"past the fourth press only Escape ends it",
     {4, true, {1, 2, 3, 4}},
     {{K::C}, {K::Q}},
     {6, true, {1, 2, 3, 4}, nullptr, kNone, false, false, false, false, T::Nothing}},
    {"a corner off the screen is taken as it is",
     {},
     {{K::Q}, {K::Q, -50, -20}, {K::Q, 30, 40}},
     {0, false, {-50, -20, 80, 60}, kQframeSetCaption, kInformationColour, false, false, true, true, T::StoreQframe}},
};

class CornerWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(CornerWalk, EndsAsExpected) {
    const Walk& walk = GetParam();
    CornerSelection selection = walk.start;
    CornerStepResult result;
    for (const Press& press : walk.presses)
        result = StepCorners(selection, press.key, press.x, press.y);
    const Expected& e = walk.last;
    EXPECT_EQ(selection.step, e.step);
    EXPECT_EQ(selection.selecting, e.selecting);
    EXPECT_EQ(selection.crop, e.crop);
    EXPECT_EQ(std::string(result.caption ? result.caption : "(unchanged)"),
              std::string(e.caption ? e.caption : "(unchanged)"));
    if (e.caption != nullptr) {
        EXPECT_EQ(result.background, e.background);
    }
    EXPECT_EQ(result.showBar, e.showBar);
    EXPECT_EQ(result.closeBar, e.closeBar);
    EXPECT_EQ(result.startTimer, e.startTimer);
    EXPECT_EQ(result.click, e.click);
    EXPECT_EQ(result.then, e.then);
}

INSTANTIATE_TEST_SUITE_P(Walks, CornerWalk, ::testing::ValuesIn(kWalks), [](const auto& walk) {
    std::string name;
    for (const char c : std::string(walk.param.name))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

TEST(CornerSelectionTexts, BarColoursQframeTextAndCropCaptions) {
    EXPECT_EQ(kFirstCornerColour, 0xA53FF4u);
    EXPECT_EQ(kNextCornerColour, 0x3893FFu);
    EXPECT_EQ(kNothingSelectedColour, 0x0000FFu);
    EXPECT_EQ(kInformationColour, 0xE2BF51u);
    EXPECT_EQ(QframeText(120, 80, 400, 300), "Qframe: x120 y80 | h300 w400");
    EXPECT_EQ(QframeText(-5, 0, 0, 0), "Qframe: x-5 y0 | h0 w0");
    EXPECT_STREQ(CropSavedCaption(true), "Crop saved to the clipboard");
    EXPECT_STREQ(CropSavedCaption(false), "Crop saved to file");
}

}  // namespace
}  // namespace pixo
