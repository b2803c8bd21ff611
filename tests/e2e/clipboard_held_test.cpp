// Copying the colour value while another program holds the clipboard open: the lens says "Cannot open
// clipboard" in its error box, leaves the other program's text on the clipboard, and goes on working once the
// box is dismissed.
#include <algorithm>

#include "e2e/driver/clipboard.h"
#include "e2e/driver/input.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

// The window class of dialog boxes, message boxes among them.
constexpr wchar_t kDialogClass[] = L"#32770";

class ClipboardHeld : public LensSession {
  protected:
    HWND ErrorBox() {
        const std::vector<HWND> boxes = ProcessWindows(LensProcess().Id(), kDialogClass);
        return boxes.empty() ? nullptr : boxes.front();
    }
};

TEST_F(ClipboardHeld, CopyShowsTheErrorAndLeavesTheOtherProgramsText) {
    ClipboardHolder holder;
    std::wstring error;
    ASSERT_TRUE(holder.Hold(DesktopExe(), L"theirs", error)) << std::string(error.begin(), error.end());

    PressOnLens('C', {VK_CONTROL});
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = ErrorBox()) != nullptr; }, kActionTimeout))
        << "no error box of the lens appeared";
    const std::vector<std::wstring> texts = ChildWindowTexts(box, L"Static");
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        L"The colour value was not copied to the clipboard.\r\nCannot open clipboard"),
              texts.end())
        << "the error box does not say what failed and \"Cannot open clipboard\"";

    // The other program lets go; its text is still the clipboard's.
    ASSERT_TRUE(holder.Release()) << "the clipboard stayed closed after the holder let go";
    const std::optional<ClipboardText> kept = ReadClipboard();
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->unicode.value_or(L"(no Unicode text)"), L"theirs");

    // The user dismisses the box with Enter.
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }, kActionTimeout))
        << "the error box is not the active window";
    input::Key(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return ErrorBox() == nullptr; }, kActionTimeout)) << "the error box stayed open";

    // The lens goes on working: an arrow key moves it, and now the copy succeeds.
    const POINT was = LensTopLeft();
    PressOnLens(VK_RIGHT);
    ASSERT_TRUE(ExpectLensAt(was.x + 1, was.y));
    const Rgb centre = DesktopRgb(was.x + 1 + 100, was.y + 100, Variant::Plain);
    const std::wstring rgb = L"R" + std::to_wstring(RedOf(centre)) + L" G" + std::to_wstring(GreenOf(centre)) + L" B" +
                             std::to_wstring(BlueOf(centre));
    const DWORD sequence = ClipboardSequence();
    PressOnLens('C', {VK_CONTROL});
    const std::optional<ClipboardText> copied = ReadClipboardChangedSince(sequence);
    ASSERT_TRUE(copied.has_value()) << "Ctrl+C put nothing on the clipboard once it was free";
    EXPECT_EQ(copied->unicode.value_or(L"(no Unicode text)"), rgb);
    EXPECT_EQ(ErrorBox(), nullptr) << "a second error box appeared";
}

}  // namespace
}  // namespace pixo::e2e
