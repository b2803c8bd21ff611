// Saving captures and region selection through the lens window's handlers, with the fake platform.
#include <algorithm>
#include <string>
#include <vector>

#include "capture/bmp_encoder.h"
#include "lens/capture_fixture.h"
#include "raster/canvas.h"

namespace pixo {
namespace {

class Capture : public CaptureFixture {
  protected:
    void SetUp() override { Start(); }

    std::string BarText() const { return Bar().text.Str(); }
    // Points the lens centre at the screen pixel (x, y) and presses the key.
    void PressAt(char key, int x, int y) {
        MoveTo(x - 100, y - 100);
        Press(vk::Letter(key));
    }
    void SelectQframe(int x1, int y1, int x2, int y2) {
        Press(vk::Letter('Q'));
        PressAt('Q', x1, y1);
        PressAt('Q', x2, y2);
    }
};

TEST_F(Capture, InsertWritesTheWholeCaptureIntoTheFolderItCreatesWithTheShutterSound) {
    Press(vk::kInsert);
    EXPECT_EQ(platform.files.createdFolders,
              (std::vector<std::string>{"C:\\Users\\Tester\\Documents\\Pixoscope", kFolder}));
    EXPECT_EQ(Files(), std::vector<std::string>{"Scrn_20261207-001532-045.bmp"});
    EXPECT_EQ(Saved("Scrn_20261207-001532-045.bmp"), EncodeBmp(ScreenPart(0, 0, 1024, 768)));
    EXPECT_EQ(platform.sound.played, std::vector<std::string>{"ShutterSound"});
    EXPECT_EQ(platform.screen.grabCount, 1) << "no recapture unless asked for";
    EXPECT_FALSE(Bar().visible) << "a full-screen save shows no message";
}

TEST_F(Capture, TwoSavesInOneMillisecondKeepBothFiles) {
    Press(vk::kInsert);
    Press(vk::kInsert);
    EXPECT_EQ(Files(), (std::vector<std::string>{"Scrn_20261207-001532-045-2.bmp", "Scrn_20261207-001532-045.bmp"}));
}

TEST_F(Capture, RecaptureBeforeSavingTakesAFreshCaptureWithTheLensHidden) {
    Click(MenuId::RecapBefore1);
    platform.screen.content = [](int x, int y) { return MakeColor(x, y, 7); };
    Press(vk::kInsert);
    EXPECT_EQ(platform.screen.grabCount, 2);
    Bitmap fresh(1024, 768);
    MonitorLayout layout;
    ASSERT_FALSE(platform.screen.Grab(fresh, layout));
    EXPECT_EQ(Saved("Scrn_20261207-001532-085.bmp"), EncodeBmp(fresh));
    EXPECT_TRUE(platform.window.visible);
}

// The picture is made ready for the clipboard off the window's thread, as bitmaps and as a PNG file; it
// goes there, with the shutter, when that is done.
TEST_F(Capture, ToTheClipboardWritesNoFileButStillSounds) {
    Click(MenuId::SaveToClipB1);
    Press(vk::kInsert);
    EXPECT_FALSE(platform.clipboard.bitmap.has_value());
    EXPECT_TRUE(platform.sound.played.empty());
    platform.worker.FinishAll();
    ASSERT_TRUE(platform.clipboard.bitmap.has_value());
    EXPECT_EQ(platform.clipboard.bitmap->Width(), 1024);
    EXPECT_EQ(platform.clipboard.bitmap->GetPixel(700, 500), ScreenPixel(700, 500));
    EXPECT_EQ(platform.clipboard.png, FakePictureEncoder::Png(ScreenPart(0, 0, 1024, 768)));
    EXPECT_TRUE(Files().empty());
    EXPECT_TRUE(platform.files.createdFolders.empty());
    EXPECT_EQ(platform.sound.played, std::vector<std::string>{"ShutterSound"});

    Click(MenuId::SoundonSave1);    // sound off
    Click(MenuId::SavePng1);        // the clipboard gets the PNG either way
    platform.pictures.fail = true;  // without one, programs that paste take the bitmaps
    Press(vk::kInsert);
    platform.worker.FinishAll();
    EXPECT_EQ(platform.clipboard.setPictureCount, 2);
    EXPECT_FALSE(platform.clipboard.png.has_value());
    EXPECT_EQ(platform.sound.played.size(), 1u);
    EXPECT_TRUE(Files().empty());
}

TEST_F(Capture, CropWithCornersInAnyOrderIsSavedAtOnceFromTheFrozenCapture) {
    Press(vk::Letter('C'));
    EXPECT_TRUE(Bar().visible);
    EXPECT_EQ(BarText(), "Select first corner and Press C");
    PressAt('C', 500, 400);
    EXPECT_EQ(BarText(), "Select next corner - press C to capture");
    EXPECT_EQ(Bar().background, kNextCornerColour);
    EXPECT_EQ(platform.sound.played, std::vector<std::string>{"SelectClickSound"});
    PressAt('C', 300, 250);

    EXPECT_EQ(Files(), std::vector<std::string>{"Crop_20261207-001532-045.bmp"});
    EXPECT_EQ(Saved("Crop_20261207-001532-045.bmp"), EncodeBmp(ScreenPart(300, 250, 200, 150)));
    EXPECT_EQ(platform.screen.grabCount, 1) << "a crop never recaptures";
    EXPECT_EQ(BarText(), "Crop saved to file");
    EXPECT_EQ(Bar().background, kInformationColour);
    EXPECT_TRUE(Bar().visible);
    EXPECT_TRUE(platform.timer.running);
    EXPECT_EQ(form.Selection().Step(), 0);
    EXPECT_FALSE(form.Selection().Selecting());
    EXPECT_EQ(platform.sound.played, (std::vector<std::string>{"SelectClickSound", "ShutterSound"}));
    platform.timer.Fire();
    EXPECT_FALSE(Bar().visible);
}

TEST_F(Capture, GuidesPointTowardsTheFirstCornerWhereverItLies) {
    Press('1');  // 1:1, so that lens pixel (x, y) shows screen pixel (Left + x, Top + y)
    const auto guide = [&](int x, int y) {
        const Color under = ScreenPixel(Left() + x, Top() + y);
        return LensPixel(x, y) == (~(HexColor(0x008000) & under) & 0xFFFFFF) && LensPixel(x, y) != under;
    };
    Press(vk::Letter('C'));
    EXPECT_TRUE(guide(40, 100) && guide(160, 100) && guide(100, 40) && guide(100, 160)) << "a full cross";
    PressAt('C', 500, 400);
    MoveTo(700 - 100, 600 - 100);  // right of and below the corner, which is outside the view
    EXPECT_TRUE(guide(40, 100) && guide(100, 40)) << "arms to the left and up";
    EXPECT_FALSE(guide(160, 100) || guide(100, 160));
    MoveTo(300 - 100, 600 - 100);  // left of it and below
    EXPECT_TRUE(guide(160, 100) && guide(100, 40));
    EXPECT_FALSE(guide(40, 100) || guide(100, 160));
}

TEST_F(Capture, CropToTheClipboardSaysSo) {
    Click(MenuId::SaveToClipB1);
    Press(vk::Letter('C'));
    PressAt('C', 300, 250);
    PressAt('C', 500, 400);
    platform.worker.FinishAll();
    ASSERT_TRUE(platform.clipboard.bitmap.has_value());
    EXPECT_EQ(platform.clipboard.bitmap->Width(), 200);
    EXPECT_EQ(platform.clipboard.bitmap->Height(), 150);
    EXPECT_EQ(platform.clipboard.bitmap->GetPixel(0, 0), ScreenPixel(300, 250));
    EXPECT_EQ(BarText(), "Crop saved to the clipboard");
    EXPECT_TRUE(Files().empty());
}

TEST_F(Capture, QframeIsStoredThenSavedFromFreshCapturesEvenWithTheClipboardOption) {
    SelectQframe(120, 80, 520, 380);
    EXPECT_EQ(BarText(), "Qframe set - use Space Bar to capture");
    EXPECT_TRUE(platform.timer.running);
    EXPECT_EQ(form.Selection().Qframe().left, 120);
    EXPECT_EQ(form.Selection().Qframe().top, 80);
    EXPECT_EQ(form.Selection().Qframe().width, 400);
    EXPECT_EQ(form.Selection().Qframe().height, 300);
    EXPECT_TRUE(Files().empty()) << "storing saves nothing";

    Click(MenuId::SaveToClipB1);
    platform.timer.Fire();
    platform.screen.content = [](int x, int y) { return MakeColor(y, x, 1); };
    Press(vk::kSpace);
    EXPECT_EQ(platform.screen.grabCount, 2);
    ASSERT_EQ(Files(), std::vector<std::string>{"Qframe_20261207-001532-085.bmp"});
    Bitmap fresh(1024, 768);
    MonitorLayout layout;
    ASSERT_FALSE(platform.screen.Grab(fresh, layout));
    Bitmap expected;
    CopyRegion(fresh, expected, 120, 80, 400, 300);
    EXPECT_EQ(Saved("Qframe_20261207-001532-085.bmp"), EncodeBmp(expected));
    EXPECT_FALSE(platform.clipboard.bitmap.has_value());
    EXPECT_FALSE(Bar().visible) << "a Qframe save shows no message";

    // Ctrl+Insert and the middle button save it again; Shift+Insert does nothing.
    form.KeyDown(vk::kInsert, kCtrl);
    form.MouseDown(MouseButton::Middle, kNoModifier, 100, 194, false);
    form.KeyDown(vk::kInsert, kShift);
    EXPECT_EQ(Files().size(), 3u);
    EXPECT_EQ(form.Selection().Step(), 0);
}

TEST_F(Capture, QframeSaveEndsASelectionInProgress) {
    SelectQframe(10, 10, 30, 30);
    MoveTo(200, 200);
    const Color plain = LensPixel(100, 40);  // above the crosshair
    Press(vk::Letter('C'));
    ASSERT_TRUE(form.Selection().Selecting());
    ASSERT_NE(LensPixel(100, 40), plain) << "the guides' cross reaches further than the crosshair";
    Press(vk::kSpace);
    EXPECT_EQ(form.Selection().Step(), 0);
    EXPECT_FALSE(form.Selection().Selecting());
    EXPECT_FALSE(Bar().visible);
    EXPECT_EQ(LensPixel(100, 40), plain) << "the guides are gone";
}

TEST_F(Capture, SpaceWithoutAQframeSaysSoAndNeitherRecapturesNorSaves) {
    Press(vk::kSpace);
    EXPECT_EQ(BarText(), "No Qframe assigned");
    EXPECT_EQ(Bar().background, kInformationColour);
    EXPECT_TRUE(Bar().visible);
    EXPECT_TRUE(platform.timer.running);
    EXPECT_EQ(platform.screen.grabCount, 1);
    EXPECT_TRUE(Files().empty());
}

TEST_F(Capture, IShowsHidesAndShowsTheQframeAgain) {
    SelectQframe(120, 80, 520, 380);
    Press(vk::Letter('I'));
    EXPECT_EQ(BarText(), "Qframe: x120 y80 | h300 w400");
    EXPECT_TRUE(Bar().visible);
    Press(vk::Letter('I'));
    EXPECT_FALSE(Bar().visible);
    Press(vk::Letter('I'));
    EXPECT_TRUE(Bar().visible);
}

TEST_F(Capture, ATimerAlreadyRunningIsNotRestartedAndItsExpiryHidesLaterPrompts) {
    Press(vk::Letter('S'));
    ASSERT_EQ(platform.timer.startCount, 1);
    Press(vk::Letter('C'));
    EXPECT_TRUE(Bar().visible);
    platform.timer.Fire();  // the S message's time is up
    PressAt('C', 500, 400);
    EXPECT_EQ(BarText(), "Select next corner - press C to capture");
    EXPECT_FALSE(Bar().visible) << "the next-corner prompt does not show the bar";
    EXPECT_TRUE(form.Selection().Selecting());

    Press(vk::kEscape);
    Press(vk::Letter('S'));
    SelectQframe(120, 80, 520, 380);
    EXPECT_EQ(platform.timer.startCount, 2) << "Qframe set while the S message's timer runs";
}

TEST_F(Capture, InsertDuringASelectionSavesTheHeldRectangleAsACrop) {
    SelectQframe(120, 80, 520, 380);
    Press(vk::Letter('Q'));
    PressAt('Q', 600, 600);
    Press(vk::kInsert);
    // The first corner and the size of the last rectangle.
    EXPECT_EQ(Saved("Crop_20261207-001532-045.bmp"), EncodeBmp(ScreenPart(600, 600, 400, 168)));
    EXPECT_EQ(form.Selection().Step(), 0);
    EXPECT_FALSE(form.Selection().Selecting());
}

TEST_F(Capture, RegionsAreClippedToTheCaptureAndOneWithNothingOnItSavesNothing) {
    SelectQframe(900, 700, 1100, 800);
    Press(vk::kSpace);
    EXPECT_EQ(Saved("Qframe_20261207-001532-085.bmp"), EncodeBmp(ScreenPart(900, 700, 124, 68)));

    SelectQframe(2000, 700, 2200, 800);
    Press(vk::kSpace);
    EXPECT_EQ(Files().size(), 1u);
    EXPECT_EQ(BarText(), "Nothing to save in that region");
    EXPECT_EQ(Bar().background, kNothingSelectedColour);
    EXPECT_TRUE(Bar().visible);
    EXPECT_EQ(std::count(platform.sound.played.begin(), platform.sound.played.end(), "ShutterSound"), 1)
        << "no shutter for nothing saved";

    // Insert at the first-corner prompt before any rectangle was chosen: a region of no size.
    platform.timer.Fire();
    Press(vk::Letter('C'));
    Press(vk::kInsert);
    EXPECT_EQ(BarText(), "Nothing to save in that region");
    EXPECT_EQ(form.Selection().Step(), 0);
}

TEST_F(Capture, AFailedWriteShowsTheSystemsTextLeavesNoFileAndTheLensGoesOn) {
    platform.files.freeSpace = 1000;  // the disk fills up part-way through the file
    Press(vk::Letter('C'));
    PressAt('C', 300, 250);
    PressAt('C', 500, 400);
    EXPECT_EQ(platform.dialogs.errors,
              std::vector<std::string>{"The capture was not saved to " + FilePath("Crop_20261207-001532-045.bmp") +
                                       ".\r\nSystem Error.  Code: 112.\r\nThere is not enough space on the disk."});
    EXPECT_TRUE(Files().empty());
    EXPECT_FALSE(Bar().visible) << "no crop saved to tell of";
    EXPECT_EQ(form.Selection().Step(), 0) << "the selection is over";
    EXPECT_EQ(platform.sound.played, std::vector<std::string>{"SelectClickSound"}) << "no shutter";

    platform.files.freeSpace = SIZE_MAX;
    Press(vk::kInsert);
    EXPECT_EQ(Files().size(), 1u);
}

TEST_F(Capture, AFolderThatCannotBeCreatedIsReportedAndNothingWritten) {
    platform.files.failCreates = true;
    Press(vk::kInsert);
    EXPECT_EQ(platform.dialogs.errors,
              std::vector<std::string>{std::string("The capture folder ") + kFolder +
                                       " could not be created.\r\nSystem Error.  Code: 5.\r\nAccess is denied."});
    EXPECT_TRUE(Files().empty());
    EXPECT_TRUE(platform.sound.played.empty());
    Press(vk::kRight);
    EXPECT_EQ(Left(), 201) << "the lens answers the next key";
}

TEST_F(Capture, ABusyClipboardIsReported) {
    Click(MenuId::SaveToClipB1);
    platform.clipboard.busy = true;
    Press(vk::kInsert);
    platform.worker.FinishAll();
    EXPECT_EQ(platform.dialogs.errors,
              std::vector<std::string>{"The capture was not put on the clipboard.\r\nCannot open clipboard"});
    EXPECT_TRUE(platform.sound.played.empty());
}

TEST_F(Capture, OpenCapturedImagesCreatesTheFolderAndOpensAnExistingChoice) {
    Press(vk::Letter('D'), kCtrl);
    EXPECT_EQ(platform.dialogs.openPictureFolders, std::vector<std::string>{kFolder});
    EXPECT_TRUE(platform.files.FolderExists(kFolder));
    EXPECT_TRUE(platform.shell.opened.empty()) << "cancelled";

    platform.dialogs.openPictureAnswer = FilePath("gone.bmp");
    Press(vk::Letter('D'), kCtrl);
    EXPECT_TRUE(platform.shell.opened.empty()) << "a file that does not exist is not opened";

    Press(vk::kInsert);
    platform.dialogs.openPictureAnswer = FilePath("Scrn_20261207-001532-045.bmp");
    Press(vk::Letter('D'), kCtrl);
    EXPECT_EQ(platform.shell.opened, std::vector<std::string>{FilePath("Scrn_20261207-001532-045.bmp")});

    platform.files.folders.clear();
    platform.files.failCreates = true;
    Press(vk::Letter('D'), kCtrl);
    EXPECT_EQ(platform.dialogs.errors,
              std::vector<std::string>{std::string("The capture folder ") + kFolder +
                                       " could not be created.\r\nSystem Error.  Code: 5.\r\nAccess is denied."});
    EXPECT_EQ(platform.dialogs.openPictureFolders.size(), 3u) << "no dialog without its folder";
}

}  // namespace
}  // namespace pixo
