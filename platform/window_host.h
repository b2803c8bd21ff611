#pragma once

#include "platform/error.h"

namespace pixo {

// The real lens window as the core sees it. Moving or showing the window reaches the core's
// position-change handler before the call returns, as the platform's own messages do.
class IWindowHost {
  public:
    virtual ~IWindowHost() = default;
    virtual int Left() = 0;
    virtual int Top() = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetBounds(int left, int top, int width, int height) = 0;
    // Restricts the window to the rectangle (0, 0)-(width, height).
    virtual void SetRegion(int width, int height) = 0;
    // Hides or shows the window; false when the platform refused (the callers ignore it).
    [[nodiscard]] virtual bool Show() = 0;
    [[nodiscard]] virtual bool Hide() = 0;
    virtual bool Visible() = 0;
    // Whether the window is the one in front, the one the user's keys go to.
    virtual bool IsForeground() = 0;
    // Puts the window in front and gives it the keyboard.
    virtual Failure BringToFront() = 0;
    // Asks for a repaint of the whole window.
    virtual void Invalidate() = 0;
    // Handles one pending message of the program's queue, waiting for one when none is queued.
    virtual void HandleOneMessage() = 0;
    // Closes the window (which ends the program).
    virtual void Close() = 0;
    // Excludes the window from screen captures while `excluded` is true, where the platform can.
    virtual void SetExcludedFromCapture(bool excluded) = 0;
};

}  // namespace pixo
