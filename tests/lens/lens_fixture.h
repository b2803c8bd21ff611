#pragma once

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "lens/form_filter.h"

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

// The whole lens window with fake platform services, wired the way the Win32 shell wires it.
class LensFixture : public ::testing::Test {
  protected:
    static constexpr Color kDefaultPlate = HexColor(0x303030);
    static constexpr Color kRedPlate = HexColor(0x800000);

    LensFixture() {
        platform.window.onPositionChanged = [this] { form.WmWindowPosChanged(); };
        platform.timer.onTick = [this] { form.Timer1Timer(); };
        form.SetLensPicture(LensImage::Default, PlatePicture(kDefaultPlate));
        form.SetLensPicture(LensImage::Red, PlatePicture(kRedPlate));
        form.SetLensPicture(LensImage::Green, PlatePicture(HexColor(0x008000)));
        form.SetLensPicture(LensImage::Blue, PlatePicture(HexColor(0x000080)));
        form.SetLensPicture(LensImage::Ivory, PlatePicture(HexColor(0xC0B090)));
    }

    // Start-up as the program runs it: create, show, first paint.
    void Start() {
        form.FormCreate();
        platform.window.Show();
        form.FormPaint();
    }

    Color LensPixel(int x, int y) const { return form.BackBuffer().GetPixel(x, y); }
    static Color ScreenPixel(int x, int y) { return FakeScreenCapture::CoordinateColor(x, y); }
    bool Checked(MenuId id) const { return form.PopupMenu1.Checked(id); }
    void Click(MenuId id) { form.MenuClick(id); }
    void Press(std::uint16_t key, Modifiers modifiers = kNoModifier) {
        form.KeyDown(key, modifiers);
        form.KeyUp(key, modifiers);
    }
    const Label& LabelOf(LabelId id) const { return form.labels[id]; }
    int Left() const { return platform.window.left; }
    int Top() const { return platform.window.top; }
    void MoveTo(int left, int top) {
        platform.window.SetLeft(left);
        platform.window.SetTop(top);
    }

    FakePlatform platform;
    TFormFilter form{platform.services};
};

}  // namespace pixo
