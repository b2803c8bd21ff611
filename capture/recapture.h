#pragma once

#include <functional>

#include "capture/held_capture.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/screen_capture.h"
#include "platform/window_host.h"

namespace pixo {

// The held capture and every way it is renewed: the lens hides, the screen beneath repaints, the grab runs,
// the lens shows again. Hiding and showing the lens sends activation messages to it while a recapture runs;
// those are ignored, so a recapture never starts another.
class CaptureControl {
  public:
    // How long a recapture waits between hiding the lens and grabbing the screen.
    static constexpr int kUncoverWaitMs = 40;
    // "Add Delay for Recapture": the wait for slow systems.
    static constexpr int kSlowSystemWaitMs = 300;

    CaptureControl(IScreenCapture& screen, IWindowHost& window, IClock& clock)
        : screen_(screen), window_(window), clock_(clock) {}

    const HeldCapture& Held() const { return held_; }

    // Grabs the screen unless a capture is held (CaptureScreen).
    [[nodiscard]] Failure Take();
    // Drops the capture; its pixels stay for the view (ReleaseScreen).
    void Release() { held_.Release(); }
    // Hides the lens, grabs anew and shows the lens again (RestartLens).
    [[nodiscard]] Failure Restart(bool addDelay);
    // A recapture a command asks for: Restart, with the request noted for its duration.
    [[nodiscard]] Failure Recapture(bool addDelay);
    // WM_ACTIVATEAPP. `passOn` runs the platform's default handling. Returns true when the message was
    // handled here, false when the platform should handle it as usual. With `autoCapture`, leaving the
    // program drops the capture and coming back takes a fresh one with the lens hidden.
    bool OnActivateApp(bool activating, bool autoCapture, bool addDelay, const std::function<void()>& passOn);
    // The window painted its picture (FormPaint).
    void Painted() { painted_ = shown_ = true; }

    bool Recapturing() const { return restarting_ > 0; }
    bool RecaptureRequested() const { return requested_ > 0; }
    bool LensPainted() const { return painted_; }
    bool LensShown() const { return shown_; }

  private:
    // Counts one level of a nesting activity for as long as it lives.
    class Nested {
      public:
        explicit Nested(int& depth) : depth_(depth) { ++depth_; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;
        ~Nested() { --depth_; }

      private:
        int& depth_;
    };

    void HideAndWait(bool addDelay);
    void ReturnToFront(bool wasInFront);

    IScreenCapture& screen_;
    IWindowHost& window_;
    IClock& clock_;
    HeldCapture held_;
    int restarting_ = 0;    // Restart runs
    int requested_ = 0;     // a command's recapture runs
    int activating_ = 0;    // the activation handler recaptures
    bool painted_ = false;  // the window shows a painted picture; false only while Restart runs
    bool shown_ = false;    // the window has painted at least once
};

}  // namespace pixo
