#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/window_host.h"

namespace pixo {

// The lens window without a window. Moving or showing it calls `onPositionChanged` before returning, as
// the real window's position-change message does, so tests see the core redraw at the same moments.
class FakeWindowHost final : public IWindowHost {
  public:
    int Left() override { return left; }
    int Top() override { return top; }
    void SetLeft(int value) override;
    void SetTop(int value) override;
    void SetBounds(int newLeft, int newTop, int newWidth, int newHeight) override;
    void SetRegion(int regionWidthValue, int regionHeightValue) override;
    bool Show() override;
    bool Hide() override;
    bool Visible() override { return visible; }
    bool IsForeground() override { return foreground; }
    Failure BringToFront() override;
    void Invalidate() override;
    void HandleOneMessage() override;
    void Close() override;
    void SetExcludedFromCapture(bool excluded) override;

    int left = 200;
    int top = 200;
    int width = 200;
    int height = 200;
    int regionWidth = 0;
    int regionHeight = 0;
    bool visible = false;
    // In front. Hiding the window hands the front to another window; showing it does not take it back.
    bool foreground = false;
    bool closed = false;
    bool excludedFromCapture = false;
    bool failShow = false;  // Show and Hide then refuse, change nothing and return false
    bool failHide = false;
    int invalidateCount = 0;
    int messageCount = 0;
    // Every call by name ("SetLeft 210", "Show", "Invalidate", ...), in order.
    std::vector<std::string> calls;

    std::function<void()> onPositionChanged;
    std::function<void()> onMessage;
    // Called after Show or Hide changed the visibility, with the new state: showing the lens activates the
    // program, hiding it may hand activation to another program.
    std::function<void(bool)> onVisibilityChanged;  // the one message that HandleOneMessage handles

  private:
    void PositionChanged();
};

}  // namespace pixo
