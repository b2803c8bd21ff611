#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "e2e/driver/system.h"

namespace pixo::e2e {

// This thread in a single-threaded COM apartment for as long as the object lives, as an accessibility client
// (a screen reader) runs.
class ComApartment {
  public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialised_ = false;
};

// A window's client area as an accessibility client reads it through Active Accessibility.
struct AccessibleView {
    std::wstring name;
    std::wstring value;
    std::wstring description;
    long role = 0;
    long state = 0;
};

// Asks `window` for the accessible object of its client area (AccessibleObjectFromWindow, OBJID_CLIENT, as
// a screen reader does, across processes) and reads it; nothing when a call failed, with `error` saying
// which. Needs a ComApartment on the calling thread.
std::optional<AccessibleView> ReadAccessible(HWND window, std::string& error);

// One event as an out-of-context WinEvent hook receives it.
struct WinEventRecord {
    DWORD event = 0;
    HWND window = nullptr;
    LONG object = 0;
    LONG child = 0;
    DWORD time = 0;  // the system's tick count when the event was raised
};

// Records the name and value change events of one process, out of context, as screen readers hook them. The
// events come through this thread's message queue: they arrive only while it handles messages (Pump). One
// recorder at a time.
class WinEventRecorder {
  public:
    explicit WinEventRecorder(DWORD processId);
    ~WinEventRecorder();
    WinEventRecorder(const WinEventRecorder&) = delete;
    WinEventRecorder& operator=(const WinEventRecorder&) = delete;

    bool Hooked() const { return hook_ != nullptr; }
    // Handles this thread's messages for `duration`, delivering the events that came meanwhile, and runs
    // `watch` (when given) every few milliseconds.
    void Pump(milliseconds duration, const std::function<void()>& watch = {});
    // The events of the client area of `window` (OBJID_CLIENT, CHILDID_SELF), in the order raised.
    std::vector<WinEventRecord> ClientEvents(HWND window) const;

  private:
    static void CALLBACK
    Receive(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child, DWORD thread, DWORD time);

    HWINEVENTHOOK hook_ = nullptr;
    std::vector<WinEventRecord> events_;
};

}  // namespace pixo::e2e
