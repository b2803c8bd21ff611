#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "commands/menu_ids.h"
#include "e2e/driver/lens_checks.h"
#include "e2e/driver/screen.h"
#include "e2e/driver/system.h"
#include "e2e/test_desktop_layout.h"

namespace pixo::e2e {

constexpr int kLensSize = 200;
// The window class of pop-up menus.
constexpr wchar_t kMenuClass[] = L"#32768";
// Where the lens opens with no stored settings.
constexpr POINT kStartPosition{200, 200};
// The bottom of the frame, in lens coordinates: no label lies there, so a press there reaches the lens itself.
constexpr POINT kOnFrame{100, 194};

// Looks at a picture and says what is wrong with it; empty when nothing is.
using PictureCheck = std::function<std::string(const ScreenPicture&)>;

// Presses Escape until no pop-up menu of the process is open; false if one stays open.
bool CloseMenusOf(DWORD processId);

// Every scenario: the test desktop over the whole screen, the real pixoscope.exe started on it with the
// default settings, and both ended afterwards. Screenshots of the screen and the lens are saved when a
// scenario fails.
class LensSession : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    HWND Lens() const { return lens_; }
    HWND Desktop() const { return desktop_; }
    ChildProcess& LensProcess() { return lensProcess_; }
    const std::wstring& LensExe() const { return lensExe_; }
    const std::wstring& DesktopExe() const { return desktopExe_; }

    // The lens window's place on the screen.
    RECT LensRect() const;
    POINT LensTopLeft() const;
    // A screen point given in lens coordinates.
    POINT OnLens(int x, int y) const;
    POINT OnLens(POINT at) const { return OnLens(at.x, at.y); }
    ScreenPicture GrabLens() const { return GrabScreen(LensRect()); }
    // The desktop under the lens where the lens is now.
    DesktopUnder Under(Variant variant = Variant::Plain) const { return {LensTopLeft(), variant, MonitorRects()}; }

    // Waits until the lens window's top-left corner is at (left, top); fails the scenario if it does not get
    // there in time.
    bool ExpectLensAt(int left, int top);
    // Drags the lens with the left button from the lens point `grab` by (dx, dy) screen pixels, in several
    // steps, and waits until the window has followed.
    bool DragLensBy(POINT grab, int dx, int dy);

    // Expects the lens to be the active window, waiting for it a while: where a user sees the lens in front
    // and types. It never makes the lens active itself; a scenario clicks the lens only where a user would
    // have to (after turning to another window).
    bool ExpectLensInFront();
    // The user clicks the lens where nothing but the frame lies, and it becomes the active window.
    void ClickLens();
    // A key or key combination pressed on the lens, which must be the active window.
    void PressOnLens(WORD key, std::initializer_list<WORD> modifiers = {});
    // Turns the crosshair and the colour picker off with their keys, so that nothing lies over the view.
    void TurnOverlaysOff();

    // Opens the lens's pop-up menu with a right click on the frame and waits until it shows.
    bool OpenLensMenu();
    // Where OpenLensMenu clicks: the menu's top-left corner.
    POINT LensMenuPoint() const { return OnLens(8, 100); }
    // The pop-up menu windows of the lens that are open, topmost first.
    std::vector<HWND> LensMenuWindows() { return ProcessWindows(lensProcess_.Id(), kMenuClass); }
    // Chooses an item of the pop-up menu as a user would by the keyboard, and waits until the menu closes.
    void ChooseFromLensMenu(MenuId item);
    // Presses Escape until the pop-up menu is closed.
    void CloseLensMenu();

    // Tells the test desktop to show the given look and waits until the screen shows it.
    void ShowDesktop(Variant variant);
    // Polls the lens until `check` passes. Fails the scenario with the last complaint and a screenshot named
    // after `what` when it does not pass in time.
    bool ExpectLensEventually(const std::string& what, const PictureCheck& check);
    // ExpectLensEventually with the checks of lens_checks.h over the plain desktop under the lens where it is
    // at each poll (in `variant` for ExpectApertureDecodes).
    bool ExpectApertureShows(const std::string& what, const LensArea& skip = Nowhere);
    bool ExpectApertureDecodes(const std::string& what, Variant variant);
    bool ExpectMagnifiedView(const std::string& what, int factor);
    // Waits until the lens picture has stopped changing: two grabs `quiet` apart are equal.
    ScreenPicture SettledLens(milliseconds quiet = milliseconds(400));

    // Saves a screenshot of the lens with a margin around it under `name`; returns its path.
    std::wstring SaveLensShot(const std::string& name, int margin = 0) const;

    // Starts pixoscope.exe (again, after it ended) and waits until the lens has painted; it keeps the settings
    // the program stored.
    bool StartLens();

    // Settings an earlier run left, stored before the lens starts (the scenario's settings start empty).
    virtual void StoreEarlierSettings() {}

  private:
    bool StartDesktop();
    std::string ScenarioName() const;

    std::unique_ptr<SettingsSandbox> settings_;
    std::wstring lensExe_;
    std::wstring desktopExe_;
    ChildProcess desktopProcess_;
    ChildProcess lensProcess_;
    HWND desktop_ = nullptr;
    HWND lens_ = nullptr;
    UINT setVariantMessage_ = 0;
};

// Scenarios about the view alone: the crosshair and the colour picker are off, and the lens shows the plain
// desktop under it before the scenario begins.
class BareLensSession : public LensSession {
  protected:
    void SetUp() override;
};

}  // namespace pixo::e2e
