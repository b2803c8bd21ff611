#pragma once

#include <windows.h>

#include "platform/timer.h"
#include "platform/win32/win32_window_host.h"

namespace pixo {

// The one-shot message timer of the lens window (timer id 1).
class Win32Timer final : public ITimer {
  public:
    static constexpr UINT_PTR kTimerId = 1;
    explicit Win32Timer(const Win32WindowHost& host) : host_(host) {}
    void Start(int milliseconds) override;
    void Stop() override;
    bool Running() override { return running_; }

  private:
    const Win32WindowHost& host_;
    bool running_ = false;
};

}  // namespace pixo
