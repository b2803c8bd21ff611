#include "platform/win32/win32_timer.h"

namespace pixo {

void Win32Timer::Start(int milliseconds) {
    SetTimer(host_.Handle(), id_, static_cast<UINT>(milliseconds), nullptr);
    running_ = true;
}

void Win32Timer::Stop() {
    KillTimer(host_.Handle(), id_);
    running_ = false;
}

}  // namespace pixo
