#pragma once

#include <cstdint>
#include <optional>

#include "commands/magnification.h"

namespace pixo {

// The magnification: Factor, and the Zoomstep that belongs to it (the offset of the view's source square
// from the window's corner). Factor is always one of 0..3; the stored Zoomstep may be any number.
class Zoom {
  public:
    int Factor() const { return factor_; }
    int Zoomstep() const { return zoomstep_; }
    const Magnification& Step() const { return kMagnifications[factor_]; }

    // Chooses the magnification `factor` (0..3). Returns how far the window moves, right and down alike, so
    // that the view's top-left pixel stays where it is when `keepTopLeft`: the old Zoomstep minus the new
    // one, where going back to 1:1 takes the old shift from Zoomstep itself. 0 otherwise.
    std::int64_t MagnifyTo(int factor, bool keepTopLeft);
    // The next magnification in (+1) or out (-1), if there is one: the keys and the wheel stop at 1:1 and 4x.
    std::optional<int> Next(int direction) const;

    // The stored values: a Factor outside 0..3 is refused (the settings read it as its default).
    void RestoreFactor(int factor);
    void RestoreZoomstep(int zoomstep) { zoomstep_ = zoomstep; }

  private:
    int factor_ = 0;
    int zoomstep_ = 0;
};

}  // namespace pixo
