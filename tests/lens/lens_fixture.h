#pragma once

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "fakes/plate_pictures.h"
#include "lens/form_filter.h"

namespace pixo {

// The whole lens window with fake platform services, wired the way the Win32 shell wires it.
class LensFixture : public ::testing::Test {
  protected:
    LensFixture() {
        platform.window.onPositionChanged = [this] { form.WmWindowPosChanged(); };
        platform.timer.onTick = [this] { form.Timer1Timer(); };
        SetPlatePictures(form);
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
