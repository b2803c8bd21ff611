#pragma once

#include "lens/form_filter.h"
#include "raster/bitmap.h"

namespace pixo {

// A lens picture like the real ones: a white aperture of radius 84 around (100, 100) in a plate of one colour.
inline Bitmap PlatePicture(Color plate) {
    Bitmap picture(200, 200);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            const int dx = x - 100;
            const int dy = y - 100;
            picture.SetPixel(x, y, dx * dx + dy * dy <= 84 * 84 ? kWhite : plate);
        }
    }
    return picture;
}

inline constexpr Color kDefaultPlate = HexColor(0x303030);
inline constexpr Color kRedPlate = HexColor(0x800000);

// Gives the lens window the five lens pictures, as the Win32 shell does before FormCreate.
inline void SetPlatePictures(TFormFilter& form) {
    form.SetLensPicture(LensPicture::Default, PlatePicture(kDefaultPlate));
    form.SetLensPicture(LensPicture::Red, PlatePicture(kRedPlate));
    form.SetLensPicture(LensPicture::Green, PlatePicture(HexColor(0x008000)));
    form.SetLensPicture(LensPicture::Blue, PlatePicture(HexColor(0x000080)));
    form.SetLensPicture(LensPicture::Ivory, PlatePicture(HexColor(0xC0B090)));
}

}  // namespace pixo
