#include "capture/held_capture.h"

namespace pixo {

Failure HeldCapture::Take(IScreenCapture& screen) {
    if (held_)
        return std::nullopt;
    Failure failure;
    MonitorLayout monitors;
    if (pixels_.use_count() > 1) {
        // A save still holds these pixels: the grab goes into a new bitmap, which replaces them if it works.
        auto grabbed = std::make_shared<Bitmap>();
        failure = screen.Grab(*grabbed, monitors);
        if (!failure)
            pixels_ = std::move(grabbed);
    } else {
        failure = screen.Grab(*pixels_, monitors);
    }
    lastFailure_ = failure;
    if (failure) {
        if (state_ == State::Fresh)
            state_ = State::Stale;
        return failure;
    }
    monitors_ = std::move(monitors);
    // The virtual screen's pixels that no monitor shows are whatever the system left there: black instead.
    area_ = VirtualScreen(monitors_);
    area_.width = pixels_->Width();
    area_.height = pixels_->Height();
    BlackenUnshown(*pixels_, monitors_);
    held_ = true;
    state_ = State::Fresh;
    return std::nullopt;
}

}  // namespace pixo
