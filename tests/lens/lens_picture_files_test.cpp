// The lens pictures the program ships, composed over the view as the loupe composes them.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lens_fixture.h"

namespace pixo {
namespace {

// A shipped picture (an uncompressed, bottom-up 24-bit BMP file of resources/); empty when it cannot be read.
Bitmap ReadPicture(const std::string& name) {
    std::ifstream file(std::string(PIXO_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const auto number = [&bytes](std::size_t at, int size) {
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
        return static_cast<int>(value);
    };
    Bitmap picture;
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || number(28, 2) != 24)
        return picture;
    const int width = number(18, 4);
    const int height = number(22, 4);
    const int stride = (width * 3 + 3) & ~3;
    const auto pixels = static_cast<std::size_t>(number(10, 4));
    if (bytes.size() < pixels + static_cast<std::size_t>(stride * height))
        return picture;
    picture.Resize(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = pixels + static_cast<std::size_t>(stride * (height - 1 - y));
        for (int x = 0; x < width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x * 3);
            picture.SetPixel(x, y, MakeColor(bytes[at + 2], bytes[at + 1], bytes[at]));
        }
    }
    return picture;
}

// The default picture first: it shows while no picture item is checked.
struct PictureFile {
    LensPicture image;
    MenuId item;  // the item that chooses it
    const char* name;
};
constexpr PictureFile kPictureFiles[] = {
    {LensPicture::Default, MenuId::RedImage1, "lens_default.bmp"},  // no item: none is checked at start
    {LensPicture::Red, MenuId::RedImage1, "lens_red.bmp"},
    {LensPicture::Green, MenuId::GreenImage1, "lens_green.bmp"},
    {LensPicture::Blue, MenuId::Blueimage1, "lens_blue.bmp"},
    {LensPicture::Ivory, MenuId::Ivoryimage1, "lens_ivory.bmp"},
};

class LensPictureFiles : public LensFixture {
  protected:
    LensPictureFiles() {
        for (const PictureFile& file : kPictureFiles) {
            Bitmap picture = ReadPicture(file.name);
            EXPECT_EQ(picture.Width(), 200) << file.name;
            form.SetLensPicture(file.image, std::move(picture));
        }
    }
};

// Over a black desktop, at every magnification: no near-white pixel on the rim, where the white corner fill
// beneath the picture would show through, and a light ground under the magnification label (which also
// shows the key codes) at the bottom right.
TEST_F(LensPictureFiles, TheRimIsDarkAllRoundAndTheLabelCornerLight) {
    constexpr int kRimReach = 92;  // past the ring's inner edge, measured from the lens centre
    constexpr int kNearWhite = 192;
    constexpr int kLightGround = 224;
    const auto lowest = [](Color c) { return std::min({RedOf(c), GreenOf(c), BlueOf(c)}); };
    platform.screen.content = [](int, int) { return kBlack; };
    Start();
    Click(MenuId::Crosshair1);
    Click(MenuId::ShowColVal);
    const Label& label = LabelOf(LabelId::ZoomLabel);
    for (const PictureFile& file : kPictureFiles) {
        if (file.image != LensPicture::Default)
            Click(file.item);
        for (const MenuId magnification :
             {MenuId::magnify_1x, MenuId::magnify_2x, MenuId::magnify_3x, MenuId::magnify_4x}) {
            Click(magnification);
            int nearWhite = 0;
            int darkUnderLabel = 0;
            for (int y = 0; y < 200; ++y) {
                for (int x = 0; x < 200; ++x) {
                    const int dx = x - 100;
                    const int dy = y - 100;
                    if (dx * dx + dy * dy <= kRimReach * kRimReach && lowest(LensPixel(x, y)) >= kNearWhite)
                        ++nearWhite;
                    const bool underLabel = x >= label.left && x < label.left + label.width && y >= label.top &&
                                            y < label.top + label.height;
                    if (underLabel && lowest(LensPixel(x, y)) < kLightGround)
                        ++darkUnderLabel;
                }
            }
            EXPECT_EQ(nearWhite, 0) << file.name << " at magnification index " << form.Magnification().Factor();
            EXPECT_EQ(darkUnderLabel, 0) << file.name << " at magnification index " << form.Magnification().Factor();
        }
    }
}

}  // namespace
}  // namespace pixo
