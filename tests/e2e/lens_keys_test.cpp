// Keys with a visible effect of their own: P parks the lens at the screen's left edge and brings it back,
// S shows the new lens mode in the caption bar for two seconds, and A held shows a smoothed view.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "e2e/driver/input.h"
#include "e2e/driver/label_text.h"
#include "e2e/driver/lens_checks.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

// The caption bar: the top 13 rows of the lens, on this background while it shows a lens mode.
constexpr RECT kCaptionBar{0, 0, 200, 13};
constexpr Rgb kModeBackground = 0x51BFE2;

// Pixels of the mode background inside and outside the caption bar.
std::pair<std::size_t, std::size_t> ModeBackgroundPixels(const ScreenPicture& lens) {
    const std::size_t inside = PixelsOfColour(lens, kCaptionBar, kModeBackground).size();
    const std::size_t all = PixelsOfColour(lens, {0, 0, kLensSize, kLensSize}, kModeBackground).size();
    return {inside, all - inside};
}

class LensKeys : public LensSession {};

// A key held down for the length of a scope, released however the scope ends.
class HeldKey {
  public:
    explicit HeldKey(WORD key) : key_(key) { input::KeyDown(key_); }
    ~HeldKey() { Release(); }
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;
    void Release() {
        if (key_ != 0)
            input::KeyUp(key_);
        key_ = 0;
    }

  private:
    WORD key_;
};

TEST_F(LensKeys, PParksTheLensAtTheLeftEdgeAndBringsItBack) {
    const int parkedTop = PrimaryScreenSize().cy / 2 - 100;
    PressOnLens('P');
    ExpectLensAt(-180, parkedTop);
    PressOnLens('P');
    ExpectLensAt(1, parkedTop);
    ExpectApertureShows("view after coming back", OnDefaultOverlays);
}

TEST_F(LensKeys, SShowsTheNewModeInTheCaptionBarForAboutTwoSeconds) {
    ASSERT_EQ(ModeBackgroundPixels(SettledLens()), std::make_pair(std::size_t{0}, std::size_t{0}))
        << "the lens shows the caption bar's colour before S";
    const Clock::time_point pressed = Clock::now();
    PressOnLens('S');
    // The bar is the whole top strip but for its text, and nothing else has its colour.
    ExpectLensEventually("caption bar shown", [&](const ScreenPicture& lens) {
        const auto [inside, outside] = ModeBackgroundPixels(lens);
        if (inside < 2000 || outside > 0)
            return std::to_string(inside) + " pixels of the bar's colour in the bar, " + std::to_string(outside) +
                   " outside it";
        return std::string{};
    });
    const bool gone =
        WaitUntil([&] { return ModeBackgroundPixels(GrabLens()).first == 0; }, kActionTimeout, milliseconds(50));
    const auto shown = std::chrono::duration_cast<milliseconds>(Clock::now() - pressed);
    EXPECT_TRUE(gone) << "the caption bar still shows " << shown.count() << " ms after S";
    // Its timer runs 2000 ms from the key; the bar cannot go earlier, however slow the machine.
    EXPECT_GE(shown.count(), 1900) << "the caption bar went after " << shown.count() << " ms";
}

TEST_F(LensKeys, AHeldShowsASmoothedViewUntilReleased) {
    TurnOverlaysOff();
    PressOnLens('2');
    ExpectMagnifiedView("2x by pixel replication", 1);

    ASSERT_TRUE(ExpectLensInFront());
    HeldKey a('A');
    // The resampled view of the desktop's smooth ramps is near the replicated one, yet not the same.
    ExpectLensEventually("smoothed view while A is held", [&](const ScreenPicture& lens) {
        int aperture = 0;
        int differing = 0;
        int distant = 0;
        const DesktopUnder desk = Under();
        for (int y = 0; y < kLensSize; ++y) {
            for (int x = 0; x < kLensSize; ++x) {
                if (!InAperture(x, y))
                    continue;
                ++aperture;
                const Rgb actual = lens.At(x, y);
                const Rgb replicated = desk.At(50 + x / 2, 50 + y / 2);
                const int worst = std::max({std::abs(RedOf(actual) - RedOf(replicated)),
                                            std::abs(GreenOf(actual) - GreenOf(replicated)),
                                            std::abs(BlueOf(actual) - BlueOf(replicated))});
                differing += worst > 0 ? 1 : 0;
                distant += worst > 4 ? 1 : 0;
            }
        }
        if (differing < aperture / 10 || distant > aperture / 100)
            return std::to_string(differing) + " of " + std::to_string(aperture) +
                   " aperture pixels differ from pixel replication, " + std::to_string(distant) + " by more than 4";
        return std::string{};
    });

    a.Release();
    ExpectMagnifiedView("pixel replication after the release", 1);
}

}  // namespace
}  // namespace pixo::e2e
