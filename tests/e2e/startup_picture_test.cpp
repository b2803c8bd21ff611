// The lens as it opens: at 1:1 at Left 200, Top 200, showing the desktop under its aperture pixel for
// pixel, with the default frame picture, crosshair and colour picker.
#include <cstdio>

#include "e2e/driver/label_text.h"
#include "e2e/driver/lens_checks.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

class StartupPicture : public LensSession {};

TEST_F(StartupPicture, OpensAsATopmost200By200WindowAt200200) {
    const RECT rect = LensRect();
    EXPECT_EQ(rect.left, kStartPosition.x);
    EXPECT_EQ(rect.top, kStartPosition.y);
    EXPECT_EQ(rect.right - rect.left, kLensSize);
    EXPECT_EQ(rect.bottom - rect.top, kLensSize);
    EXPECT_NE(GetWindowLongPtrW(Lens(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "the lens stays on top of all windows";
    EXPECT_EQ(GetWindowLongPtrW(Lens(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0) << "the lens has no border";
}

// With the crosshair and the colour picker off nothing lies over the view: the whole aperture is the
// desktop at 1:1, and the rest of the lens is the frame picture over it.
TEST_F(StartupPicture, WithoutOverlaysTheApertureIsTheDesktopAt1To1) {
    TurnOverlaysOff();
    const DesktopUnder desk = Under();
    ExpectLensEventually("aperture", [&](const ScreenPicture& lens) { return CheckApertureShows(lens, desk); });

    const std::optional<ScreenPicture> frame = LoadLensPicture(LensExe(), L"IMAGEBACK");
    ASSERT_TRUE(frame.has_value()) << "the default lens picture is not among the program's resources";
    ExpectLensEventually("frame", [&](const ScreenPicture& lens) { return CheckFramedLens(lens, desk, *frame); });
}

// With the defaults on, the aperture is the desktop except where the crosshair, the swatch and the readout
// texts lie; those show exactly their mix modes over it, and the swatch the pixel under (99, 99).
TEST_F(StartupPicture, DefaultOverlaysLieOverTheDesktop) {
    const DesktopUnder desk = Under();
    const LensArea covered = OnDefaultOverlays;
    ExpectLensEventually("aperture",
                         [&](const ScreenPicture& lens) { return CheckApertureShows(lens, desk, covered); });
    const LensArea notCrosshair = [](int x, int y) { return OnSwatch(x, y) || OnReadoutLabels(x, y); };
    ExpectLensEventually("crosshair",
                         [&](const ScreenPicture& lens) { return CheckCrosshair(lens, desk, notCrosshair); });
    ExpectLensEventually("swatch", [&](const ScreenPicture& lens) {
        return CheckSwatch(lens, desk, DesktopRgb(kStartPosition.x + 100, kStartPosition.y + 100, Variant::Plain));
    });
    // Outside the overlays the whole lens is the frame picture over the desktop: no other label shows.
    const std::optional<ScreenPicture> frame = LoadLensPicture(LensExe(), L"IMAGEBACK");
    ASSERT_TRUE(frame.has_value()) << "the default lens picture is not among the program's resources";
    ExpectLensEventually("frame",
                         [&](const ScreenPicture& lens) { return CheckFramedLens(lens, desk, *frame, covered); });

    // The colour value is written in #C6003D over the view.
    const std::size_t textPixels = PixelsOfColour(SettledLens(), {24, 67, 174, 85}, 0xC6003D).size();
    EXPECT_GT(textPixels, 20u) << "no colour value text in the readout";
}

// The picture of the README: the lens over the test desktop as it opens.
TEST_F(StartupPicture, ScreenshotForTheReadme) {
    const ScreenPicture lens = SettledLens();
    ASSERT_FALSE(lens.Empty());
    const std::wstring path = SaveLensShot("lens", 40);
    ASSERT_FALSE(path.empty()) << "lens.png could not be written";
    std::printf("Screenshot of the lens: %ls\n", path.c_str());
}

}  // namespace
}  // namespace pixo::e2e
