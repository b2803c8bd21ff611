// The test desktop: a borderless window over each monitor whose every pixel tells its own screen position
// (see test_desktop_layout.h), with a few patches of known colours. The end-to-end scenarios run the lens
// over it and decode what the lens shows. A window manager keeps a window on one monitor, so a desktop of
// several monitors takes one window each. They are ordinary windows (not topmost), so they can be activated
// by a click like any other program, and they switch to the other look when one of them is told to.
//
//   pixo_testdesk.exe            shows the plain look
//   pixo_testdesk.exe inverted   starts with the inverted look
//   pixo_testdesk.exe holdclipboard ...   shows nothing and holds the clipboard (clipboard_holder.h)
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "e2e/clipboard_holder.h"
#include "e2e/test_desktop_layout.h"

namespace {

using pixo::e2e::Variant;

// The picture covers the virtual screen; its pixel (0, 0) is the virtual screen's top-left corner.
struct Desktop {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<HWND> windows;
    HDC memoryDc = nullptr;
    HBITMAP section = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    std::uint32_t* bits = nullptr;
    UINT setVariantMessage = 0;
};

Desktop g_desktop;

bool CreatePicture(Desktop& desktop) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = desktop.width;
    info.bmiHeader.biHeight = -desktop.height;  // top-down: row y is the screen's row y
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    desktop.section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (desktop.section == nullptr || bits == nullptr)
        return false;
    desktop.bits = static_cast<std::uint32_t*>(bits);
    desktop.memoryDc = CreateCompatibleDC(nullptr);
    desktop.oldBitmap = SelectObject(desktop.memoryDc, desktop.section);
    return true;
}

void FillPicture(const Desktop& desktop, Variant variant) {
    GdiFlush();
    for (int y = 0; y < desktop.height; ++y) {
        std::uint32_t* row = desktop.bits + static_cast<std::size_t>(y) * static_cast<std::size_t>(desktop.width);
        for (int x = 0; x < desktop.width; ++x)
            row[x] = pixo::e2e::DesktopRgb(desktop.left + x, desktop.top + y, variant);
    }
}

LRESULT CALLBACK DesktopProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != 0 && message == g_desktop.setVariantMessage) {
        FillPicture(g_desktop, wParam == 0 ? Variant::Plain : Variant::Inverted);
        for (const HWND each : g_desktop.windows) {
            InvalidateRect(each, nullptr, FALSE);
            UpdateWindow(each);
        }
        return 1;
    }
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // every paint covers the whole update area from the picture
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            const HDC dc = BeginPaint(window, &paint);
            const RECT& area = paint.rcPaint;
            RECT place{};
            GetWindowRect(window, &place);
            BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, g_desktop.memoryDc,
                   place.left - g_desktop.left + area.left, place.top - g_desktop.top + area.top, SRCCOPY);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void DeclareDpiAwareness() {
    // Window coordinates and screen pixels must be the same pixels, as they are for the lens.
    using SetAwareFn = BOOL(WINAPI*)();
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (auto setAware =
            reinterpret_cast<SetAwareFn>(reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDPIAware"))))
        setAware();
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC /*dc*/, LPRECT /*rect*/, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<RECT>*>(data)->push_back(info.rcMonitor);
    return TRUE;
}

std::vector<RECT> MonitorRects() {
    std::vector<RECT> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty())
        monitors.push_back({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    return monitors;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR commandLine, int /*show*/) {
    const std::wstring arguments = commandLine != nullptr ? commandLine : L"";
    const std::wstring holdMode = pixo::e2e::kHoldClipboardArgument;
    if (arguments.compare(0, holdMode.size(), holdMode) == 0)
        return pixo::e2e::HoldClipboard(instance, arguments.substr(holdMode.size()));
    DeclareDpiAwareness();
    g_desktop.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    g_desktop.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    g_desktop.width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    g_desktop.height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    g_desktop.setVariantMessage = RegisterWindowMessageW(pixo::e2e::kSetVariantMessage);
    if (!CreatePicture(g_desktop))
        return 2;
    const bool inverted = commandLine != nullptr && std::wcsstr(commandLine, L"inverted") != nullptr;
    FillPicture(g_desktop, inverted ? Variant::Inverted : Variant::Plain);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DesktopProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = pixo::e2e::kDesktopClass;
    if (RegisterClassExW(&windowClass) == 0)
        return 3;
    for (const RECT& monitor : MonitorRects()) {
        const HWND window = CreateWindowExW(0, pixo::e2e::kDesktopClass, pixo::e2e::kDesktopTitle, WS_POPUP,
                                            monitor.left, monitor.top, monitor.right - monitor.left,
                                            monitor.bottom - monitor.top, nullptr, nullptr, instance, nullptr);
        if (window == nullptr)
            return 4;
        g_desktop.windows.push_back(window);
    }
    for (const HWND window : g_desktop.windows) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }

    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    SelectObject(g_desktop.memoryDc, g_desktop.oldBitmap);
    DeleteDC(g_desktop.memoryDc);
    DeleteObject(g_desktop.section);
    return static_cast<int>(msg.wParam);
}
