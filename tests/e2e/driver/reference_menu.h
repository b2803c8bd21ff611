#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace pixo::e2e {

// One item of the pop-up menu as the user must see it.
struct ExpectedItem {
    std::wstring text;  // caption, then a tab and the shortcut text when the item has a shortcut
    bool separator = false;
    bool radio = false;  // shows a bullet rather than a check mark
    bool checked = false;
    bool grayed = false;
    bool submenu = false;
    std::vector<ExpectedItem> items;  // of a submenu
};

// The menu of a freshly started lens with no stored settings, as the user sees it: the default check marks,
// the magnification in force (1:1) checked, hidden items left out. Typed out here rather than read from the
// program's menu table, so that a wrong table shows.
std::vector<ExpectedItem> ExpectedLensMenu();

// Compares a menu, read through the Win32 menu functions, with the expected items. Empty when they agree.
std::string CompareMenu(HMENU menu, const std::vector<ExpectedItem>& expected, const std::wstring& path = L"");

// The expected menu, opened by this process at a screen point with the same flags the lens uses, so that it
// can be compared with the lens's menu on the screen, pixel for pixel. The menu lives on a thread of its
// own, because a pop-up menu keeps its thread until it closes; the thread and the menu's owner window last
// as long as this object, since closing an active window costs a long wait where no window manager runs.
class ReferenceMenu {
  public:
    explicit ReferenceMenu(std::vector<ExpectedItem> items);
    ~ReferenceMenu();
    ReferenceMenu(const ReferenceMenu&) = delete;
    ReferenceMenu& operator=(const ReferenceMenu&) = delete;

    // Opens the menu with its top-left corner at `at`; false when the thread is not ready.
    bool Open(POINT at);
    // Waits for the menu to close.
    bool WaitClosed(DWORD milliseconds);

  private:
    // Shared with the menu's thread, which may outlive this object if a menu never closes.
    struct Shared {
        std::vector<ExpectedItem> items;
        std::atomic<HWND> owner{nullptr};
        std::atomic<DWORD> threadId{0};
        HANDLE ready = nullptr;
        HANDLE closed = nullptr;
        ~Shared() {
            CloseHandle(ready);
            CloseHandle(closed);
        }
    };
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

}  // namespace pixo::e2e
