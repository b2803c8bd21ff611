#pragma once

#include <windows.h>

#include "platform/window_host.h"

namespace pixo {

// The lens window as the core sees it. Moves and shows go through SetWindowPos and ShowWindow, so the
// window procedure receives WM_WINDOWPOSCHANGED (and redraws) before each call returns.
class Win32WindowHost final : public IWindowHost {
  public:
    void Attach(HWND window) { window_ = window; }
    HWND Handle() const { return window_; }

    int Left() override;
    int Top() override;
    void SetLeft(int left) override;
    void SetTop(int top) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetRegion(int width, int height) override;
    bool Show() override;
    bool Hide() override;
    bool Visible() override;
    bool IsForeground() override;
    Failure BringToFront() override;
    void Invalidate() override;
    void HandleOneMessage() override;
    void Close() override;
    void SetExcludedFromCapture(bool excluded) override;

  private:
    RECT WindowRect();
    void MoveTo(int left, int top);

    HWND window_ = nullptr;
};

}  // namespace pixo
