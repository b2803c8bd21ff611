#pragma once

#include "platform/screen_capture.h"
#include "raster/bitmap.h"

namespace pixo {

// Where the lens window's top-left corner goes.
struct WindowPlace {
    int left = 0;
    int top = 0;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// The smallest rectangle around every monitor: what a capture of the desktop copies. Empty for no monitor.
ScreenRect VirtualScreen(const MonitorLayout& monitors);

// Blackens every pixel of a capture of the virtual screen of `monitors` that no monitor shows (beside a
// smaller monitor, say, below or above it), whatever the system left there. `pixels` is the virtual
// screen, its pixel (0, 0) at the virtual screen's top-left corner.
void BlackenUnshown(Bitmap& pixels, const MonitorLayout& monitors);

// What the lens needs to know of the monitors' places, for a 200 x 200 lens: the monitor it belongs to,
// whether any monitor shows it, and where the P key and a first run put it. It views the layout it is
// given, which must outlive it.
class Desktop {
  public:
    static constexpr int kLensSize = 200;
    // A lens parked by P has this much of it left of its monitor's left edge: twenty pixels show.
    static constexpr int kParkedOutside = 180;

    explicit Desktop(const MonitorLayout& monitors) : monitors_(monitors) {}

    // The primary monitor: the first marked so, else the first; an empty rectangle when there is none.
    Monitor Primary() const;
    // The monitor that holds the point, or the nearest one to it when none does (the first of equals).
    Monitor HoldingOrNearest(int x, int y) const;
    // Whether some monitor shows at least one pixel of a lens at (left, top).
    bool ShowsLensAt(int left, int top) const;
    // How far the lens at (left, top) lies from the desktop's open edges, the left one and the top one: those
    // of the monitor that holds its centre, or of the monitors next to it that continue the desktop there
    // without a gap (a monitor left of the primary moves the left edge, as the desktop goes on beyond it).
    // Negative where the lens reaches past the edge, where no monitor shows anything. On one monitor at
    // (0, 0) this is (left, top) itself.
    WindowPlace FromOpenEdges(int left, int top) const;
    // Where a lens goes the first time the program runs, and when no monitor would show it: (200, 200) on
    // the primary monitor.
    WindowPlace FirstRunPlace() const;
    // The P key for a lens at (left, top). A lens parked at some monitor's left edge (its Left that
    // monitor's left - 180) comes back one pixel inside that monitor; any other lens parks at the left edge
    // of the monitor that holds its centre (the nearest when none does). Either way it goes to that
    // monitor's vertical middle, top + height / 2, less half the lens.
    WindowPlace ParkedPlace(int left, int top) const;

  private:
    const MonitorLayout& monitors_;
};

}  // namespace pixo
