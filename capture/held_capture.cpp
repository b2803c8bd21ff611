#include "capture/held_capture.h"

namespace pixo {

Failure HeldCapture::Take(IScreenCapture& screen) {
    if (held_)
        return std::nullopt;
    Failure failure;
    if (pixels_.use_count() > 1) {
        // A save still holds these pixels: the grab goes into a new bitmap, which replaces them if it works.
        auto grabbed = std::make_shared<Bitmap>();
        failure = screen.Grab(*grabbed);
        if (!failure)
            pixels_ = std::move(grabbed);
    } else {
        failure = screen.Grab(*pixels_);
    }
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
