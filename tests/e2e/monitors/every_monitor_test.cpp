// The lens on a desktop of two monitors: the primary one and a second one left of it, at negative
// coordinates (scripts/common.sh starts it: Xorg's dummy driver, DUMMY0 1280 x 1024 the primary, DUMMY1
// 1024 x 768 left of it). One scenario per flow: the view there and across the boundary, F5 there, Insert,
// a crop across the boundary, P, a restart at a place there, and the lens back on the primary when the
// second monitor goes.
#include <string>
#include <vector>

#include "e2e/driver/capture_session.h"
#include "e2e/driver/input.h"

namespace pixo::e2e {
namespace {

// The second monitor's output and the mode scripts/common.sh gave it, to switch it off and on again.
constexpr wchar_t kSecondOff[] = L"--output DUMMY1 --off";
constexpr wchar_t kSecondOn[] = L"--output DUMMY1 --mode pixo-1024x768 --left-of DUMMY0";

// Where the lens goes on the second monitor: all of it there, its centre at (-600, 400).
constexpr POINT kOnSecond{-700, 300};

class EveryMonitor : public CaptureSession {
  protected:
    void SetUp() override {
        const std::vector<RECT> monitors = MonitorRects();
        ASSERT_EQ(monitors.size(), 2u) << "these scenarios need the two-monitor desktop of scripts/common.sh";
        primary_ = monitors[0];
        second_ = monitors[1];
        ASSERT_EQ(second_.right, primary_.left) << "the second monitor lies left of the primary one";
        CaptureSession::SetUp();
    }
    void TearDown() override {
        CaptureSession::TearDown();
        if (switchedOff_) {
            RunXrandr(kSecondOn);
            EXPECT_TRUE(WaitUntil([] { return MonitorRects().size() == 2; }, kStartTimeout))
                << "the second monitor did not come back";
        }
    }

    // Drags the lens by its frame to (left, top).
    bool DragLensTo(POINT place) {
        const POINT now = LensTopLeft();
        return DragLensBy(kOnFrame, place.x - now.x, place.y - now.y);
    }

    void RunXrandr(const wchar_t* arguments) {
        const std::wstring xrandr = EnvironmentPath(L"PIXO_XRANDR");
        ASSERT_FALSE(xrandr.empty()) << "PIXO_XRANDR names no xrandr";
        ChildProcess process;
        std::wstring error;
        ASSERT_TRUE(process.Start(xrandr, arguments, error)) << std::string(error.begin(), error.end());
        process.WaitForExit(kActionTimeout);
    }

    RECT primary_{};
    RECT second_{};
    bool switchedOff_ = false;
};

TEST_F(EveryMonitor, TheViewShowsTheSecondMonitorTheBoundaryAndBlackWhereNoneShowsAnything) {
    TurnOverlaysOff();
    ASSERT_TRUE(DragLensTo(kOnSecond));
    ExpectApertureShows("on the second monitor");
    ASSERT_TRUE(DragLensTo({primary_.left - 100, 300}));
    ExpectApertureShows("across the boundary");
    SaveLensShot("across-the-boundary", 20);
    // Its lower part lies below the second monitor, where the virtual screen shows nothing. The pointer
    // cannot go there, so the keys take the lens the last 90 pixels down.
    ASSERT_TRUE(DragLensTo({second_.right - 300, second_.bottom - 208}));
    MoveLensBy(0, 9);
    ExpectApertureShows("below the second monitor");
    SaveLensShot("below-the-second-monitor", 20);
}

TEST_F(EveryMonitor, F5OnTheSecondMonitorTakesTheDesktopAsItIsNow) {
    TurnOverlaysOff();
    ASSERT_TRUE(DragLensTo(kOnSecond));
    ShowDesktop(Variant::Inverted);
    ExpectApertureShows("the frozen capture");
    PressOnLens(VK_F5);
    ExpectApertureDecodes("after F5", Variant::Inverted);
}

TEST_F(EveryMonitor, InsertSavesTheVirtualScreenEveryMonitorExactly) {
    PressOnLens(VK_INSERT);
    const ScreenPicture saved = WaitForCapture(1, L"Scrn_");
    EXPECT_EQ(saved.Width(), primary_.right - second_.left);
    EXPECT_EQ(saved.Height(), primary_.bottom - primary_.top);
    EXPECT_EQ(CheckCapture(saved, VirtualScreenRect(), Variant::Plain), "");
}

TEST_F(EveryMonitor, ACropAcrossTheBoundaryIsExactlyThatRectangle) {
    // The first corner on the second monitor, 68 pixels above its bottom; the second on the primary. The
    // lens's bottom edge, where the drag holds it, stays on the monitor.
    ASSERT_TRUE(DragLensTo({primary_.left - 200, second_.bottom - 208}));
    MoveLensBy(0, 4);
    PressOnLens('C');
    PressOnLens('C');
    MoveLensBy(25, 10);
    PressOnLens('C');
    const RECT crop{primary_.left - 100, second_.bottom - 68, primary_.left + 150, second_.bottom + 32};
    EXPECT_EQ(CheckCapture(WaitForCapture(1, L"Crop_"), crop, Variant::Plain), "")
        << "the desktop, and black below the second monitor";
}

TEST_F(EveryMonitor, PParksAtTheLeftEdgeOfTheLensMonitor) {
    const int primaryTop = (primary_.bottom - primary_.top) / 2 - 100;
    const int secondTop = second_.top + (second_.bottom - second_.top) / 2 - 100;
    PressOnLens('P');
    ExpectLensAt(primary_.left - 180, primaryTop);
    // Parked so, its centre lies on the second monitor: P brings it back to the primary.
    PressOnLens('P');
    ExpectLensAt(primary_.left + 1, primaryTop);
    ASSERT_TRUE(DragLensTo(kOnSecond));
    PressOnLens('P');
    ExpectLensAt(second_.left - 180, secondTop);
    PressOnLens('P');
    ExpectLensAt(second_.left + 1, secondTop);
}

TEST_F(EveryMonitor, ARestartPutsTheLensBackAtItsPlaceOnTheSecondMonitor) {
    TurnOverlaysOff();
    ASSERT_TRUE(DragLensTo(kOnSecond));
    PressOnLens('X', {VK_CONTROL});
    ASSERT_TRUE(LensProcess().WaitForExit(kActionTimeout)) << "the program still runs after Ctrl+X";
    ASSERT_TRUE(StartLens());
    EXPECT_TRUE(ExpectLensAt(kOnSecond.x, kOnSecond.y));
    ExpectApertureShows("at the stored place");
}

TEST_F(EveryMonitor, WhenTheSecondMonitorGoesTheLensComesToThePrimary) {
    ASSERT_TRUE(DragLensTo(kOnSecond));
    switchedOff_ = true;
    RunXrandr(kSecondOff);
    ASSERT_TRUE(WaitUntil([] { return MonitorRects().size() == 1; }, kStartTimeout))
        << "the second monitor is still there";
    // Windows tells every window that the monitors changed; Wine 8 does not when xrandr changes them, so the
    // scenario sends what Windows would.
    const RECT primary = MonitorRects()[0];
    SendMessageTimeoutW(HWND_BROADCAST, WM_DISPLAYCHANGE, 32, MAKELPARAM(primary.right, primary.bottom),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    ExpectLensAt(kStartPosition.x, kStartPosition.y);
    SaveLensShot("back-on-the-primary", 20);
}

}  // namespace
}  // namespace pixo::e2e
