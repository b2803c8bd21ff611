#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace pixo {

LocalTime Win32Clock::Now() {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
}

void Win32Clock::Sleep(int milliseconds) {
    ::Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0);
}

std::int64_t Win32Clock::TickCount() {
    return static_cast<std::int64_t>(GetTickCount64());
}

}  // namespace pixo
