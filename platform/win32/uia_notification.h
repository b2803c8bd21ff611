#pragma once

#include <windows.h>

#include <string>

namespace pixo {

class NotificationSource;

// UI Automation's way to have a screen reader (Narrator above all) speak a text without a change of focus:
// a notification event, raised from an element of the lens window. The function came with Windows 10 1709;
// it is looked up at run time in uiautomationcore.dll, and where it is missing (older systems, Wine) nothing
// is raised. The element is a minimal provider of our own whose host is the window's element, so that a
// client sees the notification come from the lens; the window itself is still served to UI Automation
// clients through the system's bridge from its accessible object.
class UiaNotification {
  public:
    UiaNotification() = default;
    UiaNotification(const UiaNotification&) = delete;
    UiaNotification& operator=(const UiaNotification&) = delete;
    ~UiaNotification();

    // Raises a notification with `text` from `window`, replacing one of the lens's still waiting to be
    // spoken; nothing when the system lacks notifications or no UI Automation client listens.
    void Raise(HWND window, const std::wstring& text);
    // The window goes: UI Automation lets go of the element.
    void Disconnect();

  private:
    bool Load();

    bool loaded_ = false;
    bool available_ = false;
    NotificationSource* source_ = nullptr;
};

}  // namespace pixo
