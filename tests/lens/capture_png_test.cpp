// PNG captures through the lens window's handlers: made and written off the window's thread (the fake worker
// runs each save when the test says so), one at a time in the order asked for, from the capture as it was
// when asked for; the shutter and the crop's message come when the file is complete, and a close loses none.
#include <string>
#include <vector>

#include "lens/capture_fixture.h"

namespace pixo {
namespace {

class PngCapture : public CaptureFixture {
  protected:
    void SetUp() override {
        Store("SavePNG", 1);
        Start();
    }

    // The screen's pixels in that rectangle as the PNG encoder's stand-in writes them.
    static std::vector<std::uint8_t> ScreenPng(int left, int top, int width, int height) {
        return FakePictureEncoder::Png(ScreenPart(left, top, width, height));
    }
    void Crop(int x1, int y1, int x2, int y2) {
        Press(vk::Letter('C'));
        MoveTo(x1 - 100, y1 - 100);
        Press(vk::Letter('C'));
        MoveTo(x2 - 100, y2 - 100);
        Press(vk::Letter('C'));
    }
};

TEST_F(PngCapture, SavesWaitTheirTurnAndEachTellsOfItselfWhenItsFileIsComplete) {
    EXPECT_TRUE(Checked(MenuId::SavePng1)) << "the option as stored";
    Press(vk::kInsert);
    Crop(300, 250, 500, 400);
    EXPECT_EQ(form.Selection().Step(), 0) << "the selection ends when the crop is asked for";
    EXPECT_TRUE(Files().empty());
    EXPECT_EQ(platform.sound.played, std::vector<std::string>{"SelectClickSound"}) << "no shutter yet";
    EXPECT_FALSE(Bar().visible);
    EXPECT_EQ(platform.worker.started, 1) << "one save at a time";

    // A recapture while they wait changes nothing they write.
    platform.screen.content = [](int x, int y) { return MakeColor(y, x, 9); };
    Press(vk::kF5);
    ASSERT_TRUE(platform.worker.Finish());
    EXPECT_EQ(Files(), std::vector<std::string>{"Scrn_20261207-001532-045.png"});
    EXPECT_EQ(Saved("Scrn_20261207-001532-045.png"), ScreenPng(0, 0, 1024, 768));
    EXPECT_EQ(platform.sound.played.back(), "ShutterSound");
    EXPECT_FALSE(Bar().visible) << "a full-screen save shows no message";

    ASSERT_TRUE(platform.worker.Finish());
    EXPECT_EQ(Saved("Crop_20261207-001532-045.png"), ScreenPng(300, 250, 200, 150));
    EXPECT_EQ(Bar().text.Str(), "Crop saved to file");
    EXPECT_TRUE(Bar().visible);
    EXPECT_EQ(platform.sound.played.size(), 3u);
    EXPECT_FALSE(platform.worker.Running());
    EXPECT_EQ(form.Saves().Count(), 0u);
}

TEST_F(PngCapture, AFailureIsReportedWhenTheSaveIsDoneAndSoundsNoShutter) {
    const struct {
        const char* what;
        bool failWrites;
        bool failEncode;
        std::string error;
    } kRows[] = {
        {"the write", true, false,
         "The capture was not saved to " + FilePath("Scrn_20261207-001532-045.png") +
             ".\r\nSystem Error.  Code: 5.\r\nAccess is denied."},
        {"the encoder", false, true,
         "The capture was not saved: it could not be made into a PNG file.\r\nSystem Error.  Code: -2147221164.\r\n"
         "Class not registered"},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.what);
        platform.files.failWrites = row.failWrites;
        platform.pictures.fail = row.failEncode;
        platform.dialogs.errors.clear();
        Press(vk::kInsert);
        EXPECT_TRUE(platform.dialogs.errors.empty()) << "nothing has failed yet";
        platform.worker.FinishAll();
        EXPECT_EQ(platform.dialogs.errors, std::vector<std::string>{row.error});
        EXPECT_TRUE(Files().empty());
        EXPECT_TRUE(platform.sound.played.empty());
    }
}

// Ctrl+X and the system's close end in FormClose; the saves asked for before are waited for, not left to
// messages that would never arrive.
TEST_F(PngCapture, ClosingWaitsForEverySaveAskedFor) {
    Press(vk::kInsert);
    Press(vk::kInsert);
    Crop(10, 10, 20, 20);
    form.FormClose();
    EXPECT_EQ(Files(), (std::vector<std::string>{"Crop_20261207-001532-045.png", "Scrn_20261207-001532-045-2.png",
                                                 "Scrn_20261207-001532-045.png"}));
    EXPECT_EQ(platform.worker.waited, 3);
    EXPECT_FALSE(platform.worker.Running());
}

// The system ends the program once the end of the session is handled: the saves finish first, and a failure
// shows no box, which nobody would answer.
TEST_F(PngCapture, AtTheEndOfTheSessionSavesFinishWithoutABox) {
    platform.files.freeSpace = 1000;  // room for a small crop, not for the whole screen
    Crop(10, 10, 20, 20);
    Press(vk::kInsert);
    form.WmEndSession(true);
    EXPECT_EQ(Files(), std::vector<std::string>{"Crop_20261207-001532-045.png"});
    EXPECT_FALSE(platform.worker.Running());
    EXPECT_TRUE(platform.dialogs.errors.empty());
}

}  // namespace
}  // namespace pixo
