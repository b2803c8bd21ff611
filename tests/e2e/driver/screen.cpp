#include "e2e/driver/screen.h"

#include <cstring>
#include <span>

#include "e2e/driver/png_writer.h"
#include "e2e/driver/system.h"
#include "platform/win32/dib_info.h"

namespace pixo::e2e {

ScreenPicture GrabScreen(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return {};
    BITMAPINFO info = TopDownInfo(width, height);  // the layout of ScreenPicture

    ScreenPicture picture(area.left, area.top, width, height);
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return {};
    void* bits = nullptr;
    const HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC memory = CreateCompatibleDC(screen);
    bool copied = false;
    if (section != nullptr && memory != nullptr && bits != nullptr) {
        const HGDIOBJ old = SelectObject(memory, section);
        // Only the part on the screen is copied (a copy reaching past the screen's edge may copy nothing at
        // all); the rest stays black.
        std::memset(bits, 0, static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * sizeof(Rgb));
        const RECT screenRect{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                              GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                              GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        RECT visible{};
        copied = IntersectRect(&visible, &area, &screenRect) == FALSE ||
                 BitBlt(memory, visible.left - area.left, visible.top - area.top, visible.right - visible.left,
                        visible.bottom - visible.top, screen, visible.left, visible.top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, old);
    }
    if (copied) {
        const auto* source = static_cast<const Rgb*>(bits);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                picture.At(x, y) = source[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                          static_cast<std::size_t>(x)] &
                                   kRgbMask;
        }
    }
    if (memory != nullptr)
        DeleteDC(memory);
    if (section != nullptr)
        DeleteObject(section);
    ReleaseDC(nullptr, screen);
    return copied ? picture : ScreenPicture{};
}

ScreenPicture ReadBitmap(HBITMAP bitmap, int width, int height) {
    if (width <= 0 || height <= 0)
        return {};
    BITMAPINFO info = TopDownInfo(width, height);  // the layout of ScreenPicture
    ScreenPicture picture(0, 0, width, height);
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return {};
    const bool read =
        GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), &picture.At(0, 0), &info, DIB_RGB_COLORS) == height;
    ReleaseDC(nullptr, screen);
    if (!read)
        return {};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.At(x, y) &= kRgbMask;
    }
    return picture;
}

SIZE PrimaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

RECT VirtualScreenRect() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

namespace {

struct MonitorAreas {
    std::vector<RECT> monitors;
    std::vector<RECT> work;
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC /*dc*/, LPRECT /*rect*/, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        auto* areas = reinterpret_cast<MonitorAreas*>(data);
        const bool primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
        areas->monitors.insert(primary ? areas->monitors.begin() : areas->monitors.end(), info.rcMonitor);
        areas->work.insert(primary ? areas->work.begin() : areas->work.end(), info.rcWork);
    }
    return TRUE;
}

MonitorAreas Monitors() {
    MonitorAreas areas;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&areas));
    if (areas.monitors.empty()) {
        const SIZE size = PrimaryScreenSize();
        areas.monitors.push_back({0, 0, size.cx, size.cy});
        areas.work = areas.monitors;
    }
    return areas;
}

}  // namespace

std::vector<RECT> MonitorRects() {
    return Monitors().monitors;
}

std::vector<RECT> WorkAreas() {
    return Monitors().work;
}

std::wstring ShotFolder() {
    std::wstring folder = EnvironmentPath(L"PIXO_E2E_SHOTS");
    if (folder.empty())
        folder = L"e2e-shots";
    return folder;
}

std::wstring SaveShot(const ScreenPicture& picture, const std::string& name) {
    if (picture.Empty())
        return {};
    const std::wstring path = ShotFolder() + L"\\" + std::wstring(name.begin(), name.end()) + L".png";
    return WritePng(path, picture.Width(), picture.Height(), std::span<const Rgb>(picture.Pixels())) ? path
                                                                                                     : std::wstring{};
}

}  // namespace pixo::e2e
