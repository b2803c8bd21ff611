#include "platform/win32/win32_screen_capture.h"

#include <cstddef>
#include <cstring>
#include <utility>

#include "platform/win32/dib_info.h"

namespace pixo {

ScreenSize Win32ScreenCapture::PrimaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32ScreenCapture::OnSomeScreen(int left, int top, int width, int height) {
    const RECT rect{left, top, left + width, top + height};
    return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
}

bool Win32ScreenCapture::EnsureSection(HDC screenDc, ScreenSize size) {
    if (section_ && sectionSize_.width == size.width && sectionSize_.height == size.height)
        return true;
    section_.Reset();
    bits_ = nullptr;
    sectionSize_ = {};

    const BITMAPINFO info = TopDownInfo(size.width, size.height);
    void* bits = nullptr;
    GdiBitmap section(CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || bits == nullptr)
        return false;
    section_ = std::move(section);
    bits_ = bits;
    sectionSize_ = size;
    return true;
}

bool Win32ScreenCapture::Grab(Bitmap& into) {
    const ScreenSize size = PrimaryScreenSize();
    if (size.width <= 0 || size.height <= 0)
        return false;

    const HWND desktop = GetDesktopWindow();
    const WindowDc screenDc(desktop);
    if (!screenDc || !EnsureSection(screenDc.Get(), size))
        return false;
    {
        const MemoryDc memoryDc(CreateCompatibleDC(screenDc.Get()));
        if (!memoryDc)
            return false;
        const SelectedObject selected(memoryDc.Get(), section_.Get());
        if (!selected.Valid())
            return false;
        if (!BitBlt(memoryDc.Get(), 0, 0, size.width, size.height, screenDc.Get(), 0, 0, SRCCOPY))
            return false;
    }
    GdiFlush();

    if (into.Width() != size.width || into.Height() != size.height)
        into.Resize(size.width, size.height);
    const auto* source = static_cast<const Pixel*>(bits_);
    Pixel* target = into.Data();
    const std::size_t count = static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height);
    // The top byte of a BI_RGB pixel is unspecified; Bitmap keeps it zero.
    for (std::size_t i = 0; i < count; ++i)
        target[i] = source[i] & 0x00FFFFFFu;
    return true;
}

}  // namespace pixo
