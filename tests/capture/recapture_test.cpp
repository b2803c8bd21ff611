#include "capture/recapture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "capture/region_selection.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_screen_capture.h"
#include "fakes/fake_window_host.h"

namespace pixo {
namespace {

struct Recaptures : ::testing::Test {
    FakeScreenCapture screen;
    FakeWindowHost window;
    FakeClock clock;
    CaptureControl capture{screen, window, clock};
};

// A recapture hides the lens, waits, grabs and shows it again; the activation messages its own hiding and
// showing cause are ignored while it runs, however the recaptures nest.
TEST_F(Recaptures, ARecaptureIgnoresTheActivationsItCauses) {
    ASSERT_FALSE(capture.Take());
    capture.Painted();
    int nested = 0;
    int passedOn = 0;
    window.onPositionChanged = [&] {
        // Showing the lens activates it: the handler must not start another recapture.
        EXPECT_TRUE(capture.Recapturing());
        EXPECT_TRUE(capture.OnActivateApp(true, true, false, [&] { ++passedOn; }));
        if (nested++ == 0) {
            EXPECT_FALSE(capture.Restart(false));  // a recapture inside a recapture
        }
        EXPECT_TRUE(capture.Recapturing());
    };
    EXPECT_FALSE(capture.Recapture(false));
    window.onPositionChanged = nullptr;
    EXPECT_FALSE(capture.Recapturing());
    EXPECT_FALSE(capture.RecaptureRequested());
    EXPECT_TRUE(capture.LensPainted());
    EXPECT_EQ(passedOn, 0);
    EXPECT_EQ(screen.grabCount, 3);
    EXPECT_EQ(clock.sleeps, (std::vector<int>{40, 40}));
}

// With auto capture, leaving the program drops the capture and coming back grabs a fresh one; without it,
// only a command's recapture makes the activation handler act. Before the first paint nothing is done.
TEST_F(Recaptures, ActivationRecapturesOnlyWhenAsked) {
    const auto noop = [] {};
    EXPECT_TRUE(capture.OnActivateApp(false, true, false, noop)) << "before the first paint: ignored";
    ASSERT_FALSE(capture.Take());
    capture.Painted();
    EXPECT_FALSE(capture.OnActivateApp(false, false, false, noop)) << "handled as usual";
    EXPECT_TRUE(capture.Held().Held());
    EXPECT_TRUE(capture.OnActivateApp(false, true, false, noop));
    EXPECT_FALSE(capture.Held().Held());
    EXPECT_TRUE(capture.OnActivateApp(true, true, true, noop));
    EXPECT_TRUE(capture.Held().Held());
    EXPECT_EQ(window.messageCount, 1) << "the delay lets one message through";
    EXPECT_EQ(screen.grabCount, 2);
}

// A grab that fails keeps the earlier pixels but makes them stale, and is tried again at the next chance.
TEST_F(Recaptures, AFailedGrabLeavesAStaleCaptureAndIsTriedAgain) {
    screen.failGrabs = true;
    EXPECT_EQ(capture.Take(), FakeScreenCapture::kGrabFailure);
    EXPECT_EQ(capture.Held().Freshness(), HeldCapture::State::Absent);
    screen.failGrabs = false;
    EXPECT_FALSE(capture.Take());
    EXPECT_EQ(capture.Held().Freshness(), HeldCapture::State::Fresh);
    screen.failGrabs = true;
    EXPECT_EQ(capture.Restart(false), FakeScreenCapture::kGrabFailure);
    EXPECT_EQ(capture.Held().Freshness(), HeldCapture::State::Stale);
    EXPECT_EQ(capture.Held().LastFailure(), FakeScreenCapture::kGrabFailure);
    EXPECT_EQ(capture.Held().Pixels().Width(), 1024);
    EXPECT_TRUE(window.visible);
}

TEST(RegionSelection, TheQframeIsStoredAtItsSecondCornerAndSavedOnDemand) {
    RegionSelection regions;
    EXPECT_FALSE(regions.HasQframe());
    regions.Press(CornerKey::Q, 0, 0);
    EXPECT_TRUE(regions.Selecting());
    regions.Press(CornerKey::Q, 300, 200);
    const CornerStepResult done = regions.Press(CornerKey::Q, 100, 250);
    EXPECT_EQ(done.then, CornerThen::StoreQframe);
    EXPECT_EQ(regions.Qframe(), (Region{100, 200, 200, 50}));
    EXPECT_EQ(regions.QframeCaption(), "Qframe: x100 y200 | h50 w200");
    EXPECT_FALSE(regions.RegionPending());
    regions.Press(CornerKey::C, 0, 0);
    regions.BeginQframeSave();
    EXPECT_TRUE(regions.SavingQframe());
    EXPECT_EQ(regions.Crop(), regions.Qframe());
    regions.End();
    EXPECT_FALSE(regions.Selecting());
    EXPECT_FALSE(regions.RegionPending());
}

}  // namespace
}  // namespace pixo
