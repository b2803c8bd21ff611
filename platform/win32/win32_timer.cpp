#include "platform/win32/win32_timer.h"

namespace pixo {

void Win32Timer::Start(int milliseconds) {
    SetTimer(host_.Handle(), kTimerId, static_cast<UINT>(milliseconds), nullptr);
    running_ = true;
}

void Win32Timer::Stop() {
    KillTimer(host_.Handle(), kTimerId);
    running_ = false;
}

}  // namespace pixo
