#include "platform/win32/win32_screen_capture.h"

#include <cstddef>
#include <cstring>
#include <utility>

namespace pixo {

ScreenSize Win32ScreenCapture::PrimaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

namespace {

// A 32-bit top-down DIB section of the given size and where its pixels are.
struct Section {
    GdiBitmap bitmap;
    void* bits = nullptr;
};

Section MakeSection(HDC screenDc, ScreenSize size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;  // top-down, like Bitmap
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    Section section;
    section.bitmap = GdiBitmap(CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &section.bits, nullptr, 0));
    return section;
}

}  // namespace

bool Win32ScreenCapture::Grab(Bitmap& into) {
    const ScreenSize size = PrimaryScreenSize();
    if (size.width <= 0 || size.height <= 0)
        return false;

    const HWND desktop = GetDesktopWindow();
    const WindowDc screenDc(desktop);
    if (!screenDc)
        return false;
    const Section section = MakeSection(screenDc.Get(), size);
    if (!section.bitmap || section.bits == nullptr)
        return false;
    {
        const MemoryDc memoryDc(CreateCompatibleDC(screenDc.Get()));
        if (!memoryDc)
            return false;
        const SelectedObject selected(memoryDc.Get(), section.bitmap.Get());
        if (!selected.Valid())
            return false;
        // CAPTUREBLT takes layered windows along, which the user sees on the screen as well.
        if (!BitBlt(memoryDc.Get(), 0, 0, size.width, size.height, screenDc.Get(), 0, 0, SRCCOPY | CAPTUREBLT))
            return false;
    }
    GdiFlush();

    if (into.Width() != size.width || into.Height() != size.height)
        into.Resize(size.width, size.height);
    const auto* source = static_cast<const Pixel*>(section.bits);
    Pixel* target = into.Data();
    const std::size_t count = static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height);
    // The top byte of a BI_RGB pixel is unspecified; Bitmap keeps it zero.
    for (std::size_t i = 0; i < count; ++i)
        target[i] = source[i] & 0x00FFFFFFu;
    return true;
}

}  // namespace pixo
