#pragma once

#include <windows.h>

#include "platform/accessibility.h"
#include "platform/win32/accessible_object.h"
#include "platform/win32/uia_notification.h"
#include "platform/win32/win32_window_host.h"

namespace pixo {

// The lens window's accessibility: its accessible object, handed out on WM_GETOBJECT, and the events that
// tell clients of its changes (WinEvents for Active Accessibility clients and, through the system's bridge,
// UI Automation ones; a UI Automation notification where the system has them).
class Win32Accessibility final : public IAccessibility {
  public:
    explicit Win32Accessibility(const Win32WindowHost& host) : host_(host) {}
    Win32Accessibility(const Win32Accessibility&) = delete;
    Win32Accessibility& operator=(const Win32Accessibility&) = delete;
    ~Win32Accessibility() override;

    // The answer to WM_GETOBJECT for OBJID_CLIENT: the object, made at the first request with `texts` as its
    // source; 0 (the system's default object) when it cannot be made or the window is going.
    LRESULT ClientObject(WPARAM wParam, const AccessibleTextSource& texts);
    // WM_DESTROY: clients that still hold the object find it disconnected.
    void Disconnect();

    void ReadoutChanged() override;
    void Announce(std::string_view utf8) override;

  private:
    const Win32WindowHost& host_;
    AccessibleObject* object_ = nullptr;
    bool disconnected_ = false;
    UiaNotification notification_;
};

}  // namespace pixo
