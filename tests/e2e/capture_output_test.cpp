// Saving captures as a user does: Insert for the whole screen, C at the start and at two corners for a crop,
// Q likewise and then Space for a Qframe, the clipboard option, PNG files, and a capture folder that cannot be
// made. The saved files are read back with the system's own BMP loader or imaging component and compared with
// the test desktop pixel for pixel. The lens runs as a developer build (the marker file beside it), so its
// captures go to "Screendumps" beside the program, a folder these scenarios own.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "e2e/driver/capture_session.h"
#include "e2e/driver/clipboard.h"
#include "e2e/driver/input.h"

namespace pixo::e2e {
namespace {

// The bitmap on the clipboard as programs that paste device-dependent bitmaps get it.
ScreenPicture ClipboardBitmap() {
    if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, kActionTimeout))
        return {};
    ScreenPicture picture;
    if (const auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) {
        BITMAP info{};
        GetObjectW(bitmap, sizeof(info), &info);
        picture = ReadBitmap(bitmap, info.bmWidth, info.bmHeight);
    }
    CloseClipboard();
    return picture;
}

class CaptureOutput : public CaptureSession {};

RECT WholeScreen() {
    return VirtualScreenRect();
}

TEST_F(CaptureOutput, InsertSavesTheWholeScreenAndWithRecaptureTheLensIsNotInIt) {
    // The capture the lens took at its start.
    ShowDesktop(Variant::Inverted);
    PressOnLens(VK_INSERT);
    EXPECT_EQ(CheckCapture(WaitForCapture(1, L"Scrn_"), WholeScreen(), Variant::Plain), "") << "the frozen capture";

    // With "Recapture Before saving", a fresh capture taken with the lens hidden: the desktop as it is now,
    // also where the lens lies.
    ChooseFromLensMenu(MenuId::RecapBefore1);
    PressOnLens(VK_INSERT);
    EXPECT_EQ(CheckCapture(WaitForCapture(2, L"Scrn_"), WholeScreen(), Variant::Inverted), "") << "the fresh capture";
}

TEST_F(CaptureOutput, CropBetweenTwoCornersIsExactlyThatRectangle) {
    PressOnLens('C');
    PressOnLens('C');  // the first corner: the lens centre at (300, 300)
    MoveLensBy(20, 15);
    SaveLensShot("crop-second-corner", 20);
    PressOnLens('C');
    EXPECT_EQ(CheckCapture(WaitForCapture(1, L"Crop_"), {300, 300, 500, 450}, Variant::Plain), "");
}

TEST_F(CaptureOutput, QframeIsSavedAgainAndAgainFromFreshCaptures) {
    PressOnLens('Q');
    PressOnLens('Q');  // (300, 300)
    MoveLensBy(10, 8);
    PressOnLens('Q');  // (400, 380): the Qframe is 100 x 80 at (300, 300)
    EXPECT_TRUE(Captures().empty()) << "storing a Qframe saves nothing";

    ShowDesktop(Variant::Inverted);
    PressOnLens(VK_SPACE);
    // The lens lies over the Qframe; it was hidden for the capture.
    const RECT qframe{300, 300, 400, 380};
    EXPECT_EQ(CheckCapture(WaitForCapture(1, L"Qframe_"), qframe, Variant::Inverted), "") << "the first Qframe";

    ShowDesktop(Variant::Plain);
    PressOnLens(VK_SPACE);
    EXPECT_EQ(CheckCapture(WaitForCapture(2, L"Qframe_"), qframe, Variant::Plain), "") << "the second Qframe";
}

TEST_F(CaptureOutput, WithTheClipboardOptionTheScreenGoesThereAndNoFileIsWritten) {
    ChooseFromLensMenu(MenuId::SaveToClipB1);
    const DWORD sequence = ClipboardSequence();
    PressOnLens(VK_INSERT);
    ASSERT_TRUE(WaitUntil([&] { return ClipboardSequence() != sequence; }, kActionTimeout))
        << "Insert put nothing on the clipboard";
    EXPECT_EQ(CheckCapture(ClipboardBitmap(), WholeScreen(), Variant::Plain), "");
    EXPECT_EQ(GetFileAttributesW(folder_.c_str()), INVALID_FILE_ATTRIBUTES) << "a capture folder was made";
}

// A file named like the capture folder stands where the folder would be made.
class BlockedCaptureFolder : public CaptureOutput {
  protected:
    void PrepareFolder() override { EXPECT_TRUE(CreateEmptyFile(folder_)); }
};

// A Qframe save recaptures first, hiding and showing the lens over the full-screen test desktop; the error
// box must still come up in front, say what failed and where before the system's reason, and leave the
// lens in front when it is closed.
TEST_F(BlockedCaptureFolder, SavingShowsWhatFailedInFrontWritesNothingAndTheLensGoesOn) {
    PressOnLens('Q');
    PressOnLens('Q');
    MoveLensBy(3, 2);
    PressOnLens('Q');
    PressOnLens(VK_SPACE);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = ErrorBox()) != nullptr; }, kActionTimeout))
        << "no error box of the lens appeared";
    wchar_t reason[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_ALREADY_EXISTS, 0, reason,
                   512, nullptr);
    std::wstring expected = L"The capture folder " + folder_ + L" could not be created.\r\nSystem Error.  Code: " +
                            std::to_wstring(ERROR_ALREADY_EXISTS) + L".\r\n" + reason;
    while (!expected.empty() && (expected.back() == L'\n' || expected.back() == L'\r' || expected.back() == L' '))
        expected.pop_back();
    const std::vector<std::wstring> texts = ChildWindowTexts(box, L"Static");
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end())
        << "the error box does not say what failed, where, and the system's reason";

    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }, kActionTimeout))
        << "the error box is not the active window";
    RECT boxRect{};
    GetWindowRect(box, &boxRect);
    const POINT boxCentre{(boxRect.left + boxRect.right) / 2, (boxRect.top + boxRect.bottom) / 2};
    EXPECT_EQ(GetAncestor(WindowFromPoint(boxCentre), GA_ROOT), box) << "the error box is behind another window";
    input::Key(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return ErrorBox() == nullptr; }, kActionTimeout)) << "the error box stayed open";
    const DWORD attributes = GetFileAttributesW(folder_.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        << "the file in the folder's place changed";

    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Lens(); }, kActionTimeout))
        << "the lens is not in front after the box";
    const POINT was = LensTopLeft();
    EXPECT_EQ(GetAncestor(WindowFromPoint({was.x + 100, was.y + 100}), GA_ROOT), Lens())
        << "the lens is behind another window";
    PressOnLens(VK_RIGHT);
    ExpectLensAt(was.x + 1, was.y);
}

// "Save Captures as PNG", stored on by an earlier run.
class PngCaptureOutput : public CaptureOutput {
  protected:
    void StoreEarlierSettings() override {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Kestrow Software\\Pixoscope (developer build)", 0,
                                  nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const DWORD on = 1;
        RegSetValueExW(key, L"SavePNG", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof(on));
        RegCloseKey(key);
    }
};

TEST_F(PngCaptureOutput, InsertAndACropEachWriteAPngOfTheScreen) {
    PressOnLens(VK_INSERT);
    EXPECT_EQ(CheckCapture(WaitForCapture(1, L"Scrn_", L".png"), WholeScreen(), Variant::Plain), "");

    PressOnLens('C');
    PressOnLens('C');  // the first corner: the lens centre at (300, 300)
    MoveLensBy(20, 15);
    PressOnLens('C');
    EXPECT_EQ(CheckCapture(WaitForCapture(2, L"Crop_", L".png"), {300, 300, 500, 450}, Variant::Plain), "");
    EXPECT_TRUE(Captures(L".bmp").empty());
}

// The saves are made off the lens's thread. Insert held down asks for a save at every repeat: while the queue
// of them takes seconds to write, the lens takes keys and moves. Ctrl+X then waits for every one; none is lost.
TEST_F(PngCaptureOutput, TheLensTakesKeysWhileSavesRunAndClosingLosesNone) {
    constexpr int kSaves = 40;
    ASSERT_TRUE(ExpectLensInFront());
    input::HoldKey(VK_INSERT, kSaves);
    MoveLensBy(1, 0);
    const std::size_t writtenWhenMoved = Captures(L".png").size();
    EXPECT_LT(writtenWhenMoved, static_cast<std::size_t>(kSaves) / 2) << "the keys were taken only after the saves";

    PressOnLens('X', {VK_CONTROL});
    ASSERT_TRUE(LensProcess().WaitForExit(milliseconds(60000))) << "the program still runs after Ctrl+X";
    const std::vector<std::wstring> names = Captures(L".png");
    ASSERT_EQ(names.size(), static_cast<std::size_t>(kSaves));
    for (const std::wstring& name : names)
        EXPECT_EQ(CheckCapture(Load(name, L".png"), WholeScreen(), Variant::Plain), "")
            << std::string(name.begin(), name.end());
    std::printf("%zu of %d saves were written when the lens had moved\n", writtenWhenMoved, kSaves);
}

}  // namespace
}  // namespace pixo::e2e
