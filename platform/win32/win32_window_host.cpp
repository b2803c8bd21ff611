#include "platform/win32/win32_window_host.h"

#include "platform/win32/handles.h"

namespace pixo {
namespace {

// Every move repaints the whole picture, so the system need not copy the old one along.
constexpr UINT kMoveFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;

// Display affinity is a newer API: looked up at run time so the program still starts where it is missing.
using SetWindowDisplayAffinityFn = BOOL(WINAPI*)(HWND, DWORD);
constexpr DWORD kWdaNone = 0x0;
constexpr DWORD kWdaExcludeFromCapture = 0x11;

SetWindowDisplayAffinityFn DisplayAffinityFunction() {
    static const auto fn = reinterpret_cast<SetWindowDisplayAffinityFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetWindowDisplayAffinity")));
    return fn;
}

}  // namespace

RECT Win32WindowHost::WindowRect() {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return rect;
}

int Win32WindowHost::Left() {
    return static_cast<int>(WindowRect().left);
}

int Win32WindowHost::Top() {
    return static_cast<int>(WindowRect().top);
}

void Win32WindowHost::MoveTo(int left, int top) {
    SetWindowPos(window_, nullptr, left, top, 0, 0, kMoveFlags);
}

void Win32WindowHost::SetLeft(int left) {
    MoveTo(left, Top());
}

void Win32WindowHost::SetTop(int top) {
    MoveTo(Left(), top);
}

void Win32WindowHost::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32WindowHost::SetRegion(int width, int height) {
    GdiRegion region(CreateRectRgn(0, 0, width, height));
    if (region && SetWindowRgn(window_, region.Get(), TRUE) != 0)
        region.Release();  // the system owns it now
}

bool Win32WindowHost::Show() {
    ShowWindow(window_, SW_SHOW);
    return IsWindowVisible(window_) != FALSE;
}

bool Win32WindowHost::Hide() {
    ShowWindow(window_, SW_HIDE);
    GdiFlush();  // nothing of the lens's drawing is left queued to reach the screen after it is gone
    return IsWindowVisible(window_) == FALSE;
}

bool Win32WindowHost::Visible() {
    return IsWindowVisible(window_) != FALSE;
}

bool Win32WindowHost::IsForeground() {
    return GetForegroundWindow() == window_;
}

Failure Win32WindowHost::BringToFront() {
    // The system gives no error code: it refuses when another program has taken the foreground meanwhile.
    if (SetForegroundWindow(window_))
        return std::nullopt;
    return PlatformError{0, "The lens cannot be brought to the front"};
}

void Win32WindowHost::Invalidate() {
    InvalidateRect(window_, nullptr, FALSE);
}

void Win32WindowHost::HandleOneMessage() {
    // Waits for a message when none is queued, but not for ever: a recapture must not stall until the user
    // happens to move the mouse.
    constexpr DWORD kLongestWaitMs = 100;
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kLongestWaitMs, QS_ALLINPUT);
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            return;
    }
    if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit for the main loop
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Win32WindowHost::Close() {
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

void Win32WindowHost::SetExcludedFromCapture(bool excluded) {
    if (const SetWindowDisplayAffinityFn fn = DisplayAffinityFunction())
        fn(window_, excluded ? kWdaExcludeFromCapture : kWdaNone);
}

}  // namespace pixo
