#include "e2e/clipboard_holder.h"

#include <cstring>

namespace pixo::e2e {
namespace {

constexpr wchar_t kHolderClass[] = L"PixoClipboardHolder";
constexpr DWORD kOpenTimeout = 10000;

// Another program may have the clipboard for a moment (the system's own clipboard bridge, a scenario
// reading it): try again for a while.
bool OpenClipboardSoon(HWND owner) {
    const ULONGLONG end = GetTickCount64() + kOpenTimeout;
    while (!OpenClipboard(owner)) {
        if (GetTickCount64() > end)
            return false;
        Sleep(20);
    }
    return true;
}

bool PutText(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr)
        return false;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, text.c_str(), bytes);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) != nullptr)
            return true;
    }
    GlobalFree(memory);
    return false;
}

// Handles the window's messages until `event` is signalled; false when the message loop ends first.
bool PumpUntil(HANDLE event) {
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &event, FALSE, INFINITE, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0)
            return true;
        if (woken != WAIT_OBJECT_0 + 1)
            return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return false;
            DispatchMessageW(&msg);
        }
    }
}

}  // namespace

int HoldClipboard(HINSTANCE instance, const std::wstring& arguments) {
    const std::size_t start = arguments.find_first_not_of(L' ');
    const std::size_t split = arguments.find(L' ', start);
    if (start == std::wstring::npos || split == std::wstring::npos)
        return 10;
    const std::wstring name = arguments.substr(start, split - start);
    const std::wstring text = arguments.substr(split + 1);
    const HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, HeldEventName(name).c_str());
    const HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, ReleaseEventName(name).c_str());
    if (held == nullptr || release == nullptr)
        return 11;

    // The clipboard needs an owner window for its data to be accepted; it is never shown.
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kHolderClass;
    RegisterClassW(&windowClass);
    const HWND owner = CreateWindowExW(0, kHolderClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    if (owner == nullptr || !OpenClipboardSoon(owner))
        return 12;
    if (!EmptyClipboard() || !PutText(text)) {
        CloseClipboard();
        return 13;
    }
    SetEvent(held);
    const bool released = PumpUntil(release);
    CloseClipboard();
    if (released) {
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0)
            DispatchMessageW(&msg);
    }
    DestroyWindow(owner);
    CloseHandle(held);
    CloseHandle(release);
    return 0;
}

}  // namespace pixo::e2e
