// The fakes carry some behaviour of the real platform that the core's tests rely on; these pin it down.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "fakes/fake_platform.h"

namespace pixo {
namespace {

TEST(FakeScreenCaptureTest, CodesEveryPixelWithItsCoordinatesAndKeepsTheBitmapOnFailure) {
    FakeScreenCapture screen(1300, 1100);
    Bitmap capture;
    MonitorLayout layout;
    ASSERT_FALSE(screen.Grab(capture, layout));
    EXPECT_EQ(layout, (MonitorLayout{{{0, 0, 1300, 1100}, true}}));
    ASSERT_EQ(capture.Width(), 1300);
    ASSERT_EQ(capture.Height(), 1100);
    for (const auto& [x, y] : {std::pair{0, 0}, {255, 256}, {1299, 1099}, {700, 3}}) {
        EXPECT_EQ(FakeScreenCapture::XOf(capture.GetPixel(x, y)), x);
        EXPECT_EQ(FakeScreenCapture::YOf(capture.GetPixel(x, y)), y);
    }

    screen.SetSize(640, 480);
    screen.failGrabs = true;
    EXPECT_TRUE(screen.Grab(capture, layout));
    EXPECT_EQ(capture.Width(), 1300);
    EXPECT_EQ(capture.GetPixel(700, 3), FakeScreenCapture::CoordinateColor(700, 3));
    EXPECT_EQ(screen.grabCount, 2);
}

TEST(FakeWindowHostTest, ReportsMovesAndShowsLikeTheRealWindow) {
    FakeWindowHost window;
    int changes = 0;
    window.onPositionChanged = [&] { ++changes; };
    window.SetLeft(210);
    window.SetBounds(1, 2, 200, 200);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(window.Show());
    EXPECT_TRUE(window.Show());  // already shown: no message
    EXPECT_EQ(changes, 3);

    window.failHide = true;
    EXPECT_FALSE(window.Hide());
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(window.calls, (std::vector<std::string>{"SetLeft 210", "SetBounds 1 2 200 200", "Show", "Show", "Hide"}));
}

TEST(FakeFilesTest, WritesOnlyIntoExistingFoldersAndComparesWithoutCase) {
    FakeFiles files;
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    EXPECT_EQ(files.WriteFile("C:\\Docs\\Pixoscope\\Screendumps\\a.bmp", bytes),
              (PlatformError{3, "The system cannot find the path specified."}));

    ASSERT_EQ(files.CreateFolders("C:\\Docs\\Pixoscope\\Screendumps\\"), std::nullopt);
    EXPECT_EQ(files.createdFolders,
              (std::vector<std::string>{"C:\\Docs", "C:\\Docs\\Pixoscope", "C:\\Docs\\Pixoscope\\Screendumps"}));
    EXPECT_TRUE(files.FolderExists("c:\\docs\\PIXOSCOPE"));
    ASSERT_EQ(files.WriteFile("C:\\Docs\\Pixoscope\\Screendumps\\a.bmp", bytes), std::nullopt);
    EXPECT_TRUE(files.FileExists("C:\\DOCS\\Pixoscope\\Screendumps\\A.BMP"));
    EXPECT_EQ(files.WriteFile("C:\\Docs\\Pixoscope", bytes), (PlatformError{5, "Access is denied."}))
        << "a folder of that name";
    EXPECT_EQ(files.CreateFolders("C:\\Docs\\Pixoscope\\Screendumps\\a.bmp\\x"),
              (PlatformError{183, "Cannot create a file when that file already exists."}));
}

TEST(FakeClockTest, SleepingCarriesIntoTheDate) {
    FakeClock clock;
    clock.now = {2024, 2, 28, 23, 59, 59, 900};
    clock.Sleep(300);
    EXPECT_EQ(clock.Now().day, 29);  // a leap year
    EXPECT_EQ(clock.Now().hour, 0);
    EXPECT_EQ(clock.Now().millisecond, 200);
    clock.now = {2026, 12, 31, 23, 59, 59, 999};
    clock.Sleep(1);
    EXPECT_EQ(clock.Now().year, 2027);
    EXPECT_EQ(clock.Now().month, 1);
    EXPECT_EQ(clock.Now().day, 1);
    EXPECT_EQ(clock.sleeps, (std::vector<int>{300, 1}));
}

TEST(FakeClipboardTest, OffersTheTextAsUnicodeAndKeepsItWhileBusy) {
    FakeClipboard clipboard;
    ASSERT_EQ(clipboard.SetText("H30\xF8 \x80\x9F"), std::nullopt);
    EXPECT_EQ(clipboard.GetText(), "H30\xC3\xB8 \xE2\x82\xAC\xC5\xB8");
    clipboard.busy = true;
    EXPECT_EQ(clipboard.SetText("other"), (PlatformError{0, "Cannot open clipboard"}));
    clipboard.busy = false;
    EXPECT_EQ(clipboard.text, "H30\xF8 \x80\x9F");
}

TEST(FakePlatformTest, HandsOutItsOwnFakes) {
    FakePlatform platform;
    platform.services.window.SetLeft(5);
    EXPECT_FALSE(platform.services.sound.PlayWavResource("ShutterSound").missing);
    EXPECT_EQ(platform.window.left, 5);
    EXPECT_EQ(platform.sound.played, std::vector<std::string>{"ShutterSound"});
}

}  // namespace
}  // namespace pixo
