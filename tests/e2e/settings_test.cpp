// The settings store: what a user changes comes back at the next start.
#include <cstdio>
#include <optional>

#include "e2e/driver/clipboard.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Kestrow Software\\Pixoscope";

std::optional<DWORD> StoredDword(const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

DWORD StoredValueCount() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD count = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    return count;
}

// Ends the user's session as the system does at log-off: every program is asked whether it may end, then told
// that it ends. Under Wine its own tool does it for the whole prefix; on Windows the two messages go to the lens.
void EndSession(HWND lens) {
    if (!RunningOnWine()) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(lens, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer);
        SendMessageTimeoutW(lens, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer);
        return;
    }
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    ChildProcess wineboot;
    std::wstring error;
    ASSERT_TRUE(wineboot.Start(std::wstring(system) + L"\\wineboot.exe", L"--end-session", error)) << error;
    EXPECT_TRUE(wineboot.WaitForExit(kActionTimeout)) << "the session did not end";
}

class Settings : public LensSession {
  protected:
    // The caliper instead of the lens border, 3x, and the lens 10 pixels to the right; the move shows that the
    // keys before it were handled.
    void ChangeOptions() {
        PressOnLens('K', {VK_CONTROL});
        PressOnLens('3');
        PressOnLens(VK_RIGHT, {VK_CONTROL});
        ASSERT_TRUE(ExpectLensAt(kStartPosition.x + 10, kStartPosition.y));
    }
    void ExpectChangedOptionsStored() {
        EXPECT_EQ(StoredValueCount(), 43u);  // the first version's 41, the nearest-name choice and PNG captures
        EXPECT_EQ(StoredDword(L"CALIPER"), 1u);
        EXPECT_EQ(StoredDword(L"Factor"), 2u);
        EXPECT_EQ(StoredDword(L"WinStatusLeft"), static_cast<DWORD>(kStartPosition.x + 10));
    }
};

TEST_F(Settings, OptionsChangedWithTheirKeysComeBackAfterCtrlXAndARestart) {
    PressOnLens('K', {VK_CONTROL});  // caliper instead of the lens border
    PressOnLens('H', {VK_CONTROL});  // readout in HTML hex
    PressOnLens('O', {VK_CONTROL});  // no crosshair
    PressOnLens('3');                // 3x
    for (int i = 0; i < 3; ++i)
        PressOnLens(VK_RIGHT, {VK_CONTROL});
    for (int i = 0; i < 2; ++i)
        PressOnLens(VK_DOWN, {VK_CONTROL});
    ASSERT_TRUE(ExpectLensAt(kStartPosition.x + 30, kStartPosition.y + 20));
    const ScreenPicture before = SettledLens();
    SaveLensShot("settings-before-close");

    PressOnLens('X', {VK_CONTROL});
    ASSERT_TRUE(LensProcess().WaitForExit(kActionTimeout)) << "the program still runs after Ctrl+X";
    EXPECT_EQ(StoredValueCount(), 43u);  // the first version's 41, the nearest-name choice and PNG captures
    EXPECT_EQ(StoredDword(L"CALIPER"), 1u);
    EXPECT_EQ(StoredDword(L"ShowPicture"), 0u);
    EXPECT_EQ(StoredDword(L"HEX"), 1u);
    EXPECT_EQ(StoredDword(L"Crosshair"), 0u);
    EXPECT_EQ(StoredDword(L"Factor"), 2u);
    EXPECT_EQ(StoredDword(L"WinStatusLeft"), static_cast<DWORD>(kStartPosition.x + 30));

    ASSERT_TRUE(StartLens());
    EXPECT_TRUE(ExpectLensAt(kStartPosition.x + 30, kStartPosition.y + 20));
    const ScreenPicture after = SettledLens();
    SaveLensShot("settings-after-restart");
    EXPECT_TRUE(after == before) << "the lens does not look as it did before the restart";
}

TEST_F(Settings, ClosingWhileMeasuringStoresTheOptionsOfBefore) {
    PressOnLens('M');  // measuring: the crosshair and the colour picker step aside
    PressOnLens('M');  // the start point
    PressOnLens('X', {VK_CONTROL});
    ASSERT_TRUE(LensProcess().WaitForExit(kActionTimeout)) << "the program still runs after Ctrl+X";
    EXPECT_EQ(StoredDword(L"Crosshair"), 1u);
    EXPECT_EQ(StoredDword(L"RGB"), 1u);
}

TEST_F(Settings, OptionsSurviveTheEndOfTheSession) {
    ChangeOptions();
    EndSession(Lens());
    // The system ends the program after the session's end without closing its window.
    LensProcess().Kill();
    ExpectChangedOptionsStored();
}

TEST_F(Settings, OptionsSurviveAKillRightAfterTheClose) {
    ChangeOptions();
    PressOnLens('X', {VK_CONTROL});
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(Lens()); }, kActionTimeout)) << "the lens is still shown";
    LensProcess().Kill();
    ExpectChangedOptionsStored();
}

// A damaged store (an impossible magnification, a value of another type written by some other program) gives
// a lens that shows the desktop, reads every other value, and writes them all back at the close.
TEST_F(Settings, ADamagedFactorAndAWronglyTypedValueGiveASaneLensAndLoseNoOtherSetting) {
    PressOnLens('H', {VK_CONTROL});  // readout in HTML hex
    PressOnLens(VK_RIGHT, {VK_CONTROL});
    ASSERT_TRUE(ExpectLensAt(kStartPosition.x + 10, kStartPosition.y));
    PressOnLens('X', {VK_CONTROL});
    ASSERT_TRUE(LensProcess().WaitForExit(kActionTimeout)) << "the program still runs after Ctrl+X";

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const DWORD factor = 7;
    RegSetValueExW(key, L"Factor", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&factor), sizeof(factor));
    const wchar_t top[] = L"120";
    RegSetValueExW(key, L"WinStatusTop", 0, REG_SZ, reinterpret_cast<const BYTE*>(top), sizeof(top));
    RegCloseKey(key);

    ASSERT_TRUE(StartLens());
    ASSERT_TRUE(ExpectLensAt(kStartPosition.x + 10, 200)) << "the left read, the damaged top at its default";
    const POINT at = LensTopLeft();
    const Rgb pixel = DesktopRgb(at.x + 100, at.y + 100, Variant::Plain);
    char hex[8];
    std::snprintf(hex, sizeof(hex), "#%06X", static_cast<unsigned>(pixel));
    const DWORD before = ClipboardSequence();
    PressOnLens('C', {VK_CONTROL});
    const std::optional<ClipboardText> copied = ReadClipboardChangedSince(before);
    ASSERT_TRUE(copied.has_value()) << "Ctrl+C put nothing on the clipboard";
    EXPECT_EQ(copied->bytes.value_or(""), hex) << "the desktop at 1:1, in the notation read after the damage";
    TurnOverlaysOff();
    EXPECT_TRUE(ExpectMagnifiedView("the desktop at 1:1 after an impossible Factor", 0));

    PressOnLens('X', {VK_CONTROL});
    ASSERT_TRUE(LensProcess().WaitForExit(kActionTimeout)) << "the program still runs after Ctrl+X";
    EXPECT_EQ(StoredValueCount(), 43u);  // the first version's 41, the nearest-name choice and PNG captures
    EXPECT_EQ(StoredDword(L"Factor"), 0u);
    EXPECT_EQ(StoredDword(L"WinStatusTop"), 200u);
    EXPECT_EQ(StoredDword(L"WinStatusLeft"), static_cast<DWORD>(kStartPosition.x + 10));
    EXPECT_EQ(StoredDword(L"HEX"), 1u);
}

}  // namespace
}  // namespace pixo::e2e
