#pragma once

#include <memory>

#include "capture/desktop.h"
#include "platform/error.h"
#include "platform/screen_capture.h"
#include "raster/bitmap.h"
#include "raster/colors.h"

namespace pixo {

// The frozen capture of the desktop that the lens shows and saves: the virtual screen, every monitor at its
// place, black where no monitor shows anything. It knows whether it holds pixels at all and whether they are
// fresh: a grab that fails keeps the earlier pixels, but they no longer show the screen as it is, so a save
// that promises a fresh capture must not write them. Its pixel (0, 0) lies at the virtual screen's top-left
// corner, negative where a monitor lies left of or above the primary one: `Area()` says where.
class HeldCapture {
  public:
    enum class State {
        Absent,  // no grab has worked yet: there is nothing to show, read or save
        Stale,   // the last grab failed; the pixels are those of an earlier one
        Fresh,   // the last grab worked
    };

    // Grabs the screen unless a capture is held. A failed grab leaves the pixels as they were and the
    // capture not held, so that the next chance to capture tries again.
    [[nodiscard]] Failure Take(IScreenCapture& screen);
    // Stops holding the capture: the next Take grabs anew. The pixels stay for the view meanwhile.
    void Release() { held_ = false; }

    bool Held() const { return held_; }
    State Freshness() const { return state_; }
    bool HasPixels() const { return state_ != State::Absent; }
    const Bitmap& Pixels() const { return *pixels_; }
    // The pixels as they are now, unchanging for as long as the snapshot is held.
    std::shared_ptr<const Bitmap> Snapshot() const { return pixels_; }
    // Where the pixels lie on the screen, and the monitors they were grabbed from.
    const ScreenRect& Area() const { return area_; }
    const MonitorLayout& Monitors() const { return monitors_; }
    // Why the last grab failed, while the capture is stale or absent because of it.
    const Failure& LastFailure() const { return lastFailure_; }
    // The captured pixel at screen point (x, y); black where the capture has none, as the view shows it.
    Color PixelAt(int x, int y) const { return pixels_->GetPixel(x - area_.left, y - area_.top); }

  private:
    std::shared_ptr<Bitmap> pixels_ = std::make_shared<Bitmap>();
    ScreenRect area_;
    MonitorLayout monitors_;
    bool held_ = false;
    State state_ = State::Absent;
    Failure lastFailure_;
};

}  // namespace pixo
