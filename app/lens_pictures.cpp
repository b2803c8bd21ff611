#include "app/lens_pictures.h"

#include "app/dib_info.h"

namespace pixo {
namespace {

Bitmap LoadPicture(HINSTANCE instance, const wchar_t* name) {
    Bitmap picture;
    auto* bitmap = static_cast<HBITMAP>(LoadImageW(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr)
        return picture;
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    picture.Resize(info.bmWidth, info.bmHeight);
    // Read back top-down, as the core keeps pixels.
    BITMAPINFO request = TopDownInfo(info.bmWidth, info.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), picture.Data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x)
            picture.Row(y)[x] &= 0x00FFFFFF;
    }
    return picture;
}

}  // namespace

void LoadLensPictures(HINSTANCE instance, TFormFilter& form) {
    form.SetLensPicture(LensImage::Default, LoadPicture(instance, L"IMAGEBACK"));
    form.SetLensPicture(LensImage::Red, LoadPicture(instance, L"REDIMAGEBACK"));
    form.SetLensPicture(LensImage::Green, LoadPicture(instance, L"GREENIMAGEBACK"));
    form.SetLensPicture(LensImage::Blue, LoadPicture(instance, L"BLUEBACKIMAGE"));
    form.SetLensPicture(LensImage::Ivory, LoadPicture(instance, L"IVORYBACKIMAGE"));
}

}  // namespace pixo
