#pragma once

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "lens/form_filter.h"
#include "lens/plate_pictures.h"

namespace pixo {

// The whole lens window with fake platform services, wired the way the Win32 shell wires it.
class LensFixture : public ::testing::Test {
  protected:
    LensFixture() {
        platform.window.onPositionChanged = [this] { form.WmWindowPosChanged(); };
        platform.timer.onTick = [this] { form.Timer1Timer(); };
        platform.readoutTimer.onTick = [this] { form.ReadoutTimerTimer(); };
        platform.worker.onDone = [this](std::unique_ptr<JobResult> result) { form.JobDone(std::move(result)); };
        SetPlatePictures(form);
    }

    // Start-up as the program runs it: create, show, first paint.
    void Start() {
        form.FormCreate();
        platform.window.Show();
        form.FormPaint();
    }

    // A stored setting, as an earlier run left it.
    void Store(const char* name, std::int32_t value) {
        platform.registry.Set(RegistryRoot::CurrentUser, "Software\\Kestrow Software\\Pixoscope", name, value);
    }

    Color LensPixel(int x, int y) const { return form.BackBuffer().GetPixel(x, y); }
    static Color ScreenPixel(int x, int y) { return FakeScreenCapture::CoordinateColor(x, y); }
    bool Checked(MenuId id) { return form.PopupMenu1Popup().Checked(id); }
    const Options& Opts() const { return form.CurrentOptions(); }
    int Factor() const { return form.Magnification().Factor(); }
    void Click(MenuId id) { form.MenuClick(id); }
    // Checks or unchecks an item as a user does, by clicking it when it is not as wanted.
    void SetOption(MenuId id, bool on) {
        if (Checked(id) != on)
            Click(id);
    }
    void Press(std::uint16_t key, Modifiers modifiers = kNoModifier) {
        form.KeyDown(key, modifiers);
        form.KeyUp(key, modifiers);
    }
    const Label& LabelOf(LabelId id) const { return form.ShownLabels()[id]; }
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
