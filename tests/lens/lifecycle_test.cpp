#include <algorithm>
#include <functional>
#include <utility>

#include "lens_fixture.h"

namespace pixo {
namespace {

class Lifecycle : public LensFixture {
  protected:
    int Grabs() const { return platform.screen.grabCount; }
    std::size_t CallIndex(const std::string& call) const {
        const auto& calls = platform.window.calls;
        return static_cast<std::size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
    }
};

TEST_F(Lifecycle, StartUpPlacesTheWindowCapturesOnceAndDrawsBeforeShowing) {
    platform.shell.documentsFolder = "C:\\Users\\ann\\Documents";
    platform.shell.programPath = "C:\\Tools\\Pixoscope\\pixoscope.exe";
    form.FormCreate();
    EXPECT_EQ(platform.window.calls.front(), "SetBounds 200 200 200 200");
    EXPECT_EQ(platform.window.regionWidth, 200);
    EXPECT_EQ(Grabs(), 1);
    EXPECT_FALSE(platform.window.visible) << "the first capture never contains the lens";
    EXPECT_LT(CallIndex("SetExcludedFromCapture 1"), CallIndex("SetExcludedFromCapture 0"));
    EXPECT_EQ(form.Places().AppDir, "C:\\Tools\\Pixoscope\\");
    EXPECT_EQ(form.Places().SettingsKeyName, "Pixoscope");
    EXPECT_EQ(form.Places().CaptureFolder, "C:\\Users\\ann\\Documents\\Pixoscope\\Screendumps");
    EXPECT_EQ(LensPixel(110, 110), ScreenPixel(310, 310));
    EXPECT_TRUE(form.DoubleBuffered());
}

TEST_F(Lifecycle, DeveloperMarkerSelectsItsOwnSubkeyAndCaptureFolder) {
    platform.shell.programPath = "C:\\dev\\build\\pixoscope.exe";
    platform.files.files["C:\\dev\\build\\Pixoscope.developer"] = {};
    form.FormCreate();
    EXPECT_EQ(form.Places().SettingsKeyName, ProgramPlaces::kDeveloperSubkey);
    EXPECT_NE(form.Places().SettingsKeyName, "Pixoscope");
    EXPECT_EQ(form.Places().CaptureFolder, "C:\\dev\\build\\Screendumps");
}

TEST_F(Lifecycle, ACaptureIsTakenOnlyWhenNoneIsHeld) {
    Start();
    EXPECT_FALSE(form.CaptureScreen());
    EXPECT_EQ(Grabs(), 1);
    EXPECT_FALSE(form.RestartLens());
    EXPECT_EQ(Grabs(), 2);
    EXPECT_TRUE(platform.window.visible);
    EXPECT_TRUE(form.Capture().LensPainted());
    EXPECT_FALSE(form.Capture().Recapturing());
}

TEST_F(Lifecycle, RecaptureHidesTheLensWhileItGrabsAndRedrawsFromTheNewCapture) {
    Start();
    platform.screen.content = [](int, int) { return HexColor(0x112233); };
    bool hiddenDuringGrab = false;
    platform.window.onPositionChanged = [this, &hiddenDuringGrab] {
        form.WmWindowPosChanged();
        hiddenDuringGrab = hiddenDuringGrab || form.Capture().Recapturing();
    };
    platform.window.calls.clear();
    form.Recapture_screenClick();
    EXPECT_EQ(platform.clock.sleeps, (std::vector<int>{300, TFormFilter::kUncoverWaitMs}))
        << "the click's pause, then the hidden lens waits for the screen beneath to repaint";
    EXPECT_LT(CallIndex("Hide"), CallIndex("Show"));
    EXPECT_EQ(LensPixel(130, 50), HexColor(0x112233));
    EXPECT_FALSE(form.Capture().RecaptureRequested());
}

TEST_F(Lifecycle, AddDelayLetsOthersRepaintBeforeTheGrab) {
    SetOption(MenuId::AddDelay1, true);
    Start();
    EXPECT_FALSE(form.DoubleBuffered()) << "the delay option turns the off-screen buffer off";
    EXPECT_FALSE(form.RestartLens());
    EXPECT_EQ(platform.window.messageCount, 1);
    EXPECT_EQ(platform.clock.sleeps, (std::vector<int>{TFormFilter::kUncoverWaitMs, 300}));
}

TEST_F(Lifecycle, AFailedGrabKeepsThePreviousCapture) {
    Start();
    const Color before = LensPixel(120, 120);
    platform.screen.failGrabs = true;
    platform.screen.content = [](int, int) { return kWhite; };
    EXPECT_EQ(form.RestartLens(), FakeScreenCapture::kGrabFailure);
    EXPECT_EQ(LensPixel(120, 120), before);
    EXPECT_TRUE(platform.window.visible);
}

TEST_F(Lifecycle, ACaptureAfterAScreenSizeChangeTakesTheNewSize) {
    Start();
    platform.screen.SetSize(1600, 900);
    EXPECT_FALSE(form.RestartLens());
    EXPECT_EQ(form.ScreenBitmap().Width(), 1600);
    EXPECT_EQ(form.ScreenBitmap().Height(), 900);
    MoveTo(1300, 600);
    EXPECT_EQ(LensPixel(150, 150), ScreenPixel(1450, 750));
}

TEST_F(Lifecycle, ActivationRecapturesOnlyWithAutoCaptureAndAfterTheFirstPaint) {
    int passedOn = 0;
    const auto passOn = [&passedOn] { ++passedOn; };
    form.FormCreate();
    SetOption(MenuId::AutoCapture1, true);
    EXPECT_TRUE(form.WmActivateApp(false, passOn)) << "before the first paint: ignored";
    EXPECT_TRUE(form.CaptureHeld());
    platform.window.Show();
    form.FormPaint();

    SetOption(MenuId::AutoCapture1, false);
    EXPECT_FALSE(form.WmActivateApp(false, passOn));
    EXPECT_FALSE(form.WmActivateApp(true, passOn));
    EXPECT_EQ(Grabs(), 1) << "without auto capture the capture stays frozen";

    SetOption(MenuId::AutoCapture1, true);
    EXPECT_TRUE(form.WmActivateApp(false, passOn));
    EXPECT_FALSE(form.CaptureHeld());
    platform.window.calls.clear();
    EXPECT_TRUE(form.WmActivateApp(true, passOn));
    EXPECT_EQ(Grabs(), 2);
    EXPECT_LT(CallIndex("Hide"), CallIndex("Show"));
    EXPECT_EQ(platform.clock.sleeps, std::vector<int>{TFormFilter::kUncoverWaitMs})
        << "hidden, it waits before the grab";
    EXPECT_EQ(passedOn, 2);
}

TEST_F(Lifecycle, ActivationMessagesCausedByTheLensOwnHidingAreIgnored) {
    Start();
    SetOption(MenuId::AutoCapture1, true);
    // Hiding the active lens hands activation to another program; showing it activates the lens again.
    int messages = 0;
    platform.window.onVisibilityChanged = [&](bool shown) {
        if (++messages < 50)
            form.WmActivateApp(shown, [] {});
    };
    form.WmActivateApp(false, [] {});
    form.WmActivateApp(true, [] {});
    EXPECT_EQ(Grabs(), 2) << "one recapture, not one per nested message";
    EXPECT_LT(messages, 5) << "the nested messages end at once";
    EXPECT_TRUE(form.CaptureHeld());
    EXPECT_TRUE(platform.window.visible);
    form.Recapture_screenClick();
    EXPECT_EQ(Grabs(), 3);
    EXPECT_TRUE(form.CaptureHeld());
}

TEST_F(Lifecycle, ALensInFrontBeforeARecaptureIsInFrontAfterIt) {
    Start();
    SetOption(MenuId::AutoCapture1, true);
    const std::pair<const char*, std::function<void()>> recaptures[] = {
        {"F5, R or a double click", [this] { form.Recapture_screenClick(); }},
        {"coming back with auto capture",
         [this] {
             form.WmActivateApp(false, [] {});
             form.WmActivateApp(true, [] {});
         }},
    };
    for (const auto& [name, recapture] : recaptures) {
        for (const bool inFront : {true, false}) {
            platform.window.foreground = inFront;
            const int grabs = Grabs();
            recapture();
            EXPECT_EQ(Grabs(), grabs + 1) << name;
            EXPECT_EQ(platform.window.foreground, inFront) << name << (inFront ? ", in front" : ", behind");
        }
    }
}

TEST_F(Lifecycle, MessageBarHidesWhenTheTimerTicks) {
    Start();
    form.KeyDown(vk::Letter('S'), kNoModifier);
    EXPECT_TRUE(LabelOf(LabelId::CropLabel).visible);
    EXPECT_EQ(platform.timer.interval, 2000);
    platform.timer.Fire();
    EXPECT_FALSE(LabelOf(LabelId::CropLabel).visible);
    EXPECT_FALSE(platform.timer.running);
}

TEST_F(Lifecycle, AddTrailingBackslash) {
    std::string empty;
    TFormFilter::AddTrailingBackslash(empty);
    EXPECT_EQ(empty, "");
    std::string ends = "C:\\x\\";
    TFormFilter::AddTrailingBackslash(ends);
    EXPECT_EQ(ends, "C:\\x\\");
    std::string plain = "C:\\x";
    TFormFilter::AddTrailingBackslash(plain);
    EXPECT_EQ(plain, "C:\\x\\");
}

TEST_F(Lifecycle, ResourceSoundFailures) {
    platform.sound.results["Missing"] = {
        .missing = PlatformError{1813, "The specified resource type cannot be found in the image file."}};
    EXPECT_FALSE(form.PlayResourceSound("Missing"));
    ASSERT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_EQ(platform.dialogs.errors[0],
              "The sound \"Missing\" could not be played.\r\n"
              "System Error.  Code: 1813.\r\nThe specified resource type cannot be found in the image file.");
    platform.sound.results["Missing"] = {.missing = PlatformError{}};
    EXPECT_FALSE(form.PlayResourceSound("Missing"));
    EXPECT_EQ(platform.dialogs.errors[1], "The sound \"Missing\" could not be played.");
    platform.sound.results["Broken"] = {.missing = std::nullopt, .refused = true};
    EXPECT_TRUE(form.PlayResourceSound("Broken"));
    EXPECT_EQ(platform.sound.beeps, 1);
    EXPECT_EQ(platform.dialogs.errors.size(), 2u) << "a refused sound is not reported";
}

TEST_F(Lifecycle, CloseEndsTheWindow) {
    Start();
    Press(vk::Letter('X'), kCtrl);
    EXPECT_TRUE(platform.window.closed);
}

}  // namespace
}  // namespace pixo
