#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace pixo::e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Generous: the scenarios run under Wine on a loaded two-core machine.
constexpr milliseconds kStartTimeout{30000};
constexpr milliseconds kActionTimeout{10000};

// Polls `condition` until it holds or `timeout` has passed; true when it held. The condition is always
// tried at least once, and once more after the time is up.
inline bool WaitUntil(const std::function<bool()>& condition,
                      milliseconds timeout,
                      milliseconds interval = milliseconds(25)) {
    const Clock::time_point end = Clock::now() + timeout;
    while (Clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::sleep_for(interval);
    }
    return condition();
}

bool RunningOnWine();

// A path from the environment as a Windows path. Under Wine the build hands over Unix paths
// (/work/...); they are turned into the DOS path Wine gives them.
std::wstring EnvironmentPath(const wchar_t* name);

// A started program. The destructor ends it if it is still running.
class ChildProcess {
  public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() { Kill(); }

    // Starts `path` with `arguments`; false (with `error` set) when it cannot be started.
    bool Start(const std::wstring& path, const std::wstring& arguments, std::wstring& error);
    bool Running() const;
    DWORD Id() const { return id_; }
    // Waits for the program to end by itself.
    bool WaitForExit(milliseconds timeout) const;
    // Asks the program's windows to close, then ends it if it has not ended within `grace`.
    void Close(milliseconds grace);
    void Kill();

  private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The visible top-level window of process `processId` with this class (and title, when not null), or null.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title);
// All visible top-level windows of process `processId` with this class, topmost first.
std::vector<HWND> ProcessWindows(DWORD processId, const wchar_t* className);
// The texts of the child windows of `parent` with this class (all children when null), in z order.
std::vector<std::wstring> ChildWindowTexts(HWND parent, const wchar_t* className);

// The program's settings keys below HKEY_CURRENT_USER. A scenario starts from the default settings: the
// keys are moved aside before the program starts and put back afterwards, so a user's settings survive a
// run on a real machine.
class SettingsSandbox {
  public:
    SettingsSandbox();
    ~SettingsSandbox();
    SettingsSandbox(const SettingsSandbox&) = delete;
    SettingsSandbox& operator=(const SettingsSandbox&) = delete;
    // Forgets whatever the program stored during the scenario.
    void Clear();

  private:
    bool makerKeyExisted_ = false;
    bool saved_[2] = {false, false};  // a user's settings were moved aside
    bool kept_[2] = {false, false};   // they could not be, and stay where they are
};

}  // namespace pixo::e2e
