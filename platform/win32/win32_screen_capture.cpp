#include "platform/win32/win32_screen_capture.h"

#include <cstddef>
#include <cstring>
#include <utility>

#include "platform/win32/dib_info.h"
#include "platform/win32/system_error.h"

namespace pixo {

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC /*dc*/, LPRECT /*rect*/, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        reinterpret_cast<MonitorLayout*>(data)->push_back(
            {{r.left, r.top, r.right - r.left, r.bottom - r.top}, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    }
    return TRUE;
}

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The smallest rectangle around every monitor.
RECT Bounds(const MonitorLayout& monitors) {
    RECT all{};
    for (const Monitor& m : monitors) {
        const RECT r{m.area.left, m.area.top, m.area.left + m.area.width, m.area.top + m.area.height};
        UnionRect(&all, &all, &r);
    }
    return all;
}

}  // namespace

MonitorLayout Win32ScreenCapture::Monitors() {
    MonitorLayout monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty())
        monitors.push_back({{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, true});
    return monitors;
}

namespace {

// A 32-bit top-down DIB section of the given size and where its pixels are. It lives for one grab only, so
// that the program holds one screen-sized copy of the capture, not two.
struct Section {
    GdiBitmap bitmap;
    void* bits = nullptr;
};

Section MakeSection(HDC screenDc, ScreenSize size) {
    const BITMAPINFO info = TopDownInfo(size.width, size.height);
    Section section;
    section.bitmap = GdiBitmap(CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &section.bits, nullptr, 0));
    return section;
}

}  // namespace

Failure Win32ScreenCapture::Grab(Bitmap& into, MonitorLayout& layout) {
    MonitorLayout monitors = Monitors();
    const RECT all = Bounds(monitors);
    const ScreenSize size{all.right - all.left, all.bottom - all.top};
    if (size.width <= 0 || size.height <= 0)
        return PlatformError{0, "The system reports no screen."};

    // The whole screen's device context, in screen coordinates: monitors left of or above the primary one
    // lie at negative ones.
    SetLastError(ERROR_SUCCESS);
    const WindowDc screenDc(nullptr);
    if (!screenDc)
        return LastSystemError("The screen could not be opened for reading.");
    SetLastError(ERROR_SUCCESS);
    const Section section = MakeSection(screenDc.Get(), size);
    if (!section.bitmap || section.bits == nullptr)
        return SystemError(GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_NOT_ENOUGH_MEMORY);
    {
        SetLastError(ERROR_SUCCESS);
        const MemoryDc memoryDc(CreateCompatibleDC(screenDc.Get()));
        if (!memoryDc)
            return LastSystemError("The screen could not be copied.");
        const SelectedObject selected(memoryDc.Get(), section.bitmap.Get());
        if (!selected.Valid())
            return LastSystemError("The screen could not be copied.");
        SetLastError(ERROR_SUCCESS);
        if (!BitBlt(memoryDc.Get(), 0, 0, size.width, size.height, screenDc.Get(), all.left, all.top, SRCCOPY))
            return LastSystemError("The screen could not be copied.");
    }
    GdiFlush();

    if ((into.Width() != size.width || into.Height() != size.height) && !into.TryResize(size.width, size.height))
        return SystemError(ERROR_NOT_ENOUGH_MEMORY);
    const auto* source = static_cast<const Pixel*>(section.bits);
    Pixel* target = into.Data();
    const std::size_t count = static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height);
    // The top byte of a BI_RGB pixel is unspecified; Bitmap keeps it zero.
    for (std::size_t i = 0; i < count; ++i)
        target[i] = source[i] & 0x00FFFFFFu;
    layout = std::move(monitors);
    return std::nullopt;
}

}  // namespace pixo
