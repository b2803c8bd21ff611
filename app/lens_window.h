#pragma once

#include <windows.h>

#include <optional>

#include "app/label_painter.h"
#include "lens/form_filter.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_accessibility.h"
#include "platform/win32/win32_window_host.h"

namespace pixo {

// The real lens window: a borderless, always-on-top 200 x 200 popup. Its window procedure only turns
// messages into calls of the core's handlers and paints what the core composed.
class LensWindow {
  public:
    LensWindow(TFormFilter& form, Win32WindowHost& host, Win32Accessibility& accessibility)
        : form_(form), host_(host), accessibility_(accessibility) {}
    LensWindow(const LensWindow&) = delete;
    LensWindow& operator=(const LensWindow&) = delete;

    // Creates the (hidden) window and runs the form's start-up; false when the window could not be made.
    bool Create(HINSTANCE instance);
    HWND Handle() const { return host_.Handle(); }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void PaintInto(HDC dc);
    void ShowMenu(LPARAM lParam);
    void Press(MouseButton button, WPARAM wParam, LPARAM lParam, bool doubleClick);
    LRESULT AnswerGetObject(WPARAM wParam, LPARAM lParam);

    TFormFilter& form_;
    Win32WindowHost& host_;
    Win32Accessibility& accessibility_;
    LabelPainter labelPainter_;
    // The off-screen bitmap of double-buffered painting, made at the first paint; declared in the order
    // that lets each go before what it is selected into.
    MemoryDc bufferDc_;
    GdiBitmap bufferBitmap_;
    std::optional<SelectedObject> bufferSelection_;
    bool created_ = false;
};

}  // namespace pixo
