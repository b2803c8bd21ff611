#include "capture/held_capture.h"

namespace pixo {

Failure HeldCapture::Take(IScreenCapture& screen) {
    if (held_)
        return std::nullopt;
    Failure failure = screen.Grab(pixels_);
    lastFailure_ = failure;
    if (failure) {
        if (state_ == State::Fresh)
            state_ = State::Stale;
        return failure;
    }
    held_ = true;
    state_ = State::Fresh;
    return std::nullopt;
}

}  // namespace pixo
