#include "capture/held_capture.h"

namespace pixo {

Failure HeldCapture::Take(IScreenCapture& screen) {
    if (held_)
        return std::nullopt;
    Failure failure = screen.Grab(pixels_, monitors_);
    lastFailure_ = failure;
    if (failure) {
        if (state_ == State::Fresh)
            state_ = State::Stale;
        return failure;
    }
    // The virtual screen's pixels that no monitor shows are whatever the system left there: black instead.
    area_ = VirtualScreen(monitors_);
    area_.width = pixels_.Width();
    area_.height = pixels_.Height();
    BlackenUnshown(pixels_, monitors_);
    held_ = true;
    state_ = State::Fresh;
    return std::nullopt;
}

}  // namespace pixo
