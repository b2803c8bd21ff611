#include "capture/recapture.h"

namespace pixo {

Failure CaptureControl::Take() {
    if (held_.Held())
        return std::nullopt;
    // The lens is hidden for every recapture; excluding it from capture as well covers compositors that
    // have not yet removed it from the screen image when the grab runs.
    window_.SetExcludedFromCapture(true);
    Failure failure = held_.Take(screen_);
    window_.SetExcludedFromCapture(false);
    return failure;
}

Failure CaptureControl::Restart(bool addDelay) {
    const Nested restarting(restarting_);
    painted_ = false;
    held_.Release();
    const bool inFront = window_.IsForeground();
    HideAndWait(addDelay);
    Failure failure = Take();
    (void)window_.Show();  // a failure to show is ignored: the next move or click shows the lens
    ReturnToFront(inFront);
    painted_ = true;
    return failure;
}

Failure CaptureControl::Recapture(bool addDelay) {
    const Nested requested(requested_);
    return Restart(addDelay);
}

bool CaptureControl::OnActivateApp(bool activating,
                                   bool autoCapture,
                                   bool addDelay,
                                   const std::function<void()>& passOn) {
    // Hiding the active lens hands activation to another program and showing it takes it back: the
    // messages that a recapture's own hiding and showing cause are ignored, or each would start another.
    if (!shown_ || restarting_ > 0 || activating_ > 0)
        return true;
    if (!autoCapture && requested_ == 0)
        return false;
    passOn();
    if (!activating) {
        held_.Release();
        return true;
    }
    const Nested recapturing(activating_);
    if (addDelay) {
        window_.HandleOneMessage();
        clock_.Sleep(kSlowSystemWaitMs);
    }
    const bool painted = painted_;
    const bool inFront = window_.IsForeground();
    if (painted)
        HideAndWait(false);
    // An automatic recapture that fails says nothing: the lens keeps the capture it had, which a save that
    // needs a fresh one will not take (see HeldCapture).
    (void)Take();
    if (painted)
        (void)window_.Show();
    ReturnToFront(inFront);
    return true;
}

// The windows beneath repaint the area the lens uncovered while the compositor shows a frame or two
// without it: the grab waits for that, and longer on slow systems.
void CaptureControl::HideAndWait(bool addDelay) {
    (void)window_.Hide();  // a failure to hide is ignored: the recapture goes on
    clock_.Sleep(kUncoverWaitMs);
    if (addDelay) {
        window_.HandleOneMessage();
        clock_.Sleep(kSlowSystemWaitMs);
    }
}

// Hiding the lens hands the keyboard to another window, and showing it again need not take it back: a lens
// that was in front is put in front again, while the recapture's count still makes the activation this
// causes ignored.
void CaptureControl::ReturnToFront(bool wasInFront) {
    if (wasInFront && !window_.IsForeground()) {
        // The system may refuse (another program took the foreground meanwhile); the lens is still on top of
        // every window, and a click brings the keys back, so the recapture goes on.
        (void)window_.BringToFront();
    }
}

}  // namespace pixo
