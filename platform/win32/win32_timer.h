#pragma once

#include <windows.h>

#include "platform/timer.h"
#include "platform/win32/win32_window_host.h"

namespace pixo {

// A one-shot timer of the lens window, told apart from the window's other timer by its id: the window
// procedure passes WM_TIMER with that id to the timer's handler.
class Win32Timer final : public ITimer {
  public:
    static constexpr UINT_PTR kMessageTimerId = 1;  // the message bar's (Timer1Timer)
    static constexpr UINT_PTR kReadoutTimerId = 2;  // the screen readers' pace (ReadoutTimerTimer)

    Win32Timer(const Win32WindowHost& host, UINT_PTR id) : host_(host), id_(id) {}
    void Start(int milliseconds) override;
    void Stop() override;
    bool Running() override { return running_; }

  private:
    const Win32WindowHost& host_;
    UINT_PTR id_;
    bool running_ = false;
};

}  // namespace pixo
