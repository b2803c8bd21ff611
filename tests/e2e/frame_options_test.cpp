// The options that change the lens's picture: the lens border, the crosshair and the lens-image items.
#include "commands/menu_ids.h"
#include "e2e/driver/lens_checks.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

class FrameOptions : public LensSession {
  protected:
    ScreenPicture LensPicture(const wchar_t* name) {
        std::optional<ScreenPicture> picture = LoadLensPicture(LensExe(), name);
        EXPECT_TRUE(picture.has_value()) << "no lens picture in the program's resources";
        return picture.value_or(ScreenPicture(0, 0, kLensSize, kLensSize));
    }
};

TEST_F(FrameOptions, LensBorderOffLeavesOnlyAThinOutlineOverTheDesktop) {
    TurnOverlaysOff();
    ExpectApertureShows("overlays off");
    PressOnLens('B', {VK_CONTROL});
    ExpectLensEventually("border off", [&](const ScreenPicture& lens) { return CheckBorderlessLens(lens, Under()); });

    PressOnLens('B', {VK_CONTROL});
    const ScreenPicture frame = LensPicture(L"IMAGEBACK");
    ExpectLensEventually("border on again",
                         [&](const ScreenPicture& lens) { return CheckFramedLens(lens, Under(), frame); });
}

TEST_F(FrameOptions, CtrlOTogglesTheCrosshair) {
    const LensArea picker = [](int x, int y) { return OnSwatch(x, y) || OnReadoutLabels(x, y); };
    ExpectLensEventually("crosshair at start",
                         [&](const ScreenPicture& lens) { return CheckCrosshair(lens, Under(), picker); });

    PressOnLens('O', {VK_CONTROL});
    ExpectApertureShows("crosshair off", picker);

    PressOnLens('O', {VK_CONTROL});
    ExpectLensEventually("crosshair on again",
                         [&](const ScreenPicture& lens) { return CheckCrosshair(lens, Under(), picker); });
}

TEST_F(FrameOptions, LensImageItemsChangeThePlate) {
    TurnOverlaysOff();
    ExpectApertureShows("overlays off");
    const ScreenPicture standard = LensPicture(L"IMAGEBACK");
    const ScreenPicture red = LensPicture(L"REDIMAGEBACK");
    int differing = 0;
    for (int y = 0; y < kLensSize; ++y) {
        for (int x = 0; x < kLensSize; ++x)
            differing += standard.At(x, y) != red.At(x, y) ? 1 : 0;
    }
    ASSERT_GT(differing, 1000) << "the plates must differ for this scenario to tell them apart";

    EXPECT_NE(CheckFramedLens(SettledLens(), Under(), red), "") << "the lens shows the red plate before it is chosen";
    ChooseFromLensMenu(MenuId::RedImage1);
    ExpectLensEventually("red lens image",
                         [&](const ScreenPicture& lens) { return CheckFramedLens(lens, Under(), red); });

    // Choosing the checked item again unchecks it: the default picture returns.
    ChooseFromLensMenu(MenuId::RedImage1);
    ExpectLensEventually("default lens image again",
                         [&](const ScreenPicture& lens) { return CheckFramedLens(lens, Under(), standard); });

    const ScreenPicture ivory = LensPicture(L"IVORYBACKIMAGE");
    ChooseFromLensMenu(MenuId::Ivoryimage1);
    ExpectLensEventually("ivory lens image",
                         [&](const ScreenPicture& lens) { return CheckFramedLens(lens, Under(), ivory); });
}

}  // namespace
}  // namespace pixo::e2e
