#pragma once

#include <windows.h>

namespace pixo {

// Describes a core Bitmap to GDI: 32 bits per pixel, top-down rows, no compression. The screen grab, the
// lens window's painting and the loading of the lens pictures all use it.
inline BITMAPINFO TopDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace pixo
