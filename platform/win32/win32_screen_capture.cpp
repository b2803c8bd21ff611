#include "platform/win32/win32_screen_capture.h"

#include <cstddef>
#include <cstring>
#include <utility>

#include "platform/win32/dib_info.h"
#include "platform/win32/system_error.h"

namespace pixo {

ScreenSize Win32ScreenCapture::PrimaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32ScreenCapture::OnSomeScreen(int left, int top, int width, int height) {
    const RECT rect{left, top, left + width, top + height};
    return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
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

Failure Win32ScreenCapture::Grab(Bitmap& into) {
    const ScreenSize size = PrimaryScreenSize();
    if (size.width <= 0 || size.height <= 0)
        return PlatformError{0, "The system reports no screen."};

    const HWND desktop = GetDesktopWindow();
    SetLastError(ERROR_SUCCESS);
    const WindowDc screenDc(desktop);
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
        if (!BitBlt(memoryDc.Get(), 0, 0, size.width, size.height, screenDc.Get(), 0, 0, SRCCOPY))
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
    return std::nullopt;
}

}  // namespace pixo
