#include "app/lens_pictures.h"

#include "platform/win32/dib_info.h"
#include "platform/win32/handles.h"
#include "resources/resource_ids.h"

namespace pixo {
namespace {

Bitmap LoadPicture(HINSTANCE instance, const wchar_t* name) {
    Bitmap picture;
    const GdiBitmap bitmap(static_cast<HBITMAP>(LoadImageW(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap)
        return picture;
    BITMAP info{};
    GetObjectW(bitmap.Get(), sizeof(info), &info);
    picture.Resize(info.bmWidth, info.bmHeight);
    // Read back top-down, as the core keeps pixels.
    BITMAPINFO request = TopDownInfo(info.bmWidth, info.bmHeight);
    const WindowDc screen(nullptr);
    GetDIBits(screen.Get(), bitmap.Get(), 0, static_cast<UINT>(info.bmHeight), picture.Data(), &request,
              DIB_RGB_COLORS);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x)
            picture.Row(y)[x] &= 0x00FFFFFF;
    }
    return picture;
}

}  // namespace

void LoadLensPictures(HINSTANCE instance, TFormFilter& form) {
    form.SetLensPicture(LensPicture::Default, LoadPicture(instance, kLensPictureDefault));
    form.SetLensPicture(LensPicture::Red, LoadPicture(instance, kLensPictureRed));
    form.SetLensPicture(LensPicture::Green, LoadPicture(instance, kLensPictureGreen));
    form.SetLensPicture(LensPicture::Blue, LoadPicture(instance, kLensPictureBlue));
    form.SetLensPicture(LensPicture::Ivory, LoadPicture(instance, kLensPictureIvory));
}

}  // namespace pixo
