#pragma once

// What the lens must show over the test desktop, as checks of a grabbed 200 x 200 lens picture. Lens
// coordinates: origin at the window's top-left corner, centre (100, 100). Rectangles are (left, top, right,
// bottom) with right and bottom exclusive.

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "e2e/driver/screen.h"
#include "e2e/test_desktop_layout.h"

namespace pixo::e2e {

// The part of the desktop that a lens at 1:1 shows, pixel for pixel: black where no monitor shows anything.
struct DesktopUnder {
    POINT topLeft;
    Variant variant;
    // The monitors' rectangles; none counts as a monitor under all of the lens.
    std::vector<RECT> monitors = {};
    Rgb At(int x, int y) const {
        const POINT at{topLeft.x + x, topLeft.y + y};
        const bool shown = monitors.empty() || std::any_of(monitors.begin(), monitors.end(),
                                                           [&](const RECT& r) { return PtInRect(&r, at) != FALSE; });
        return shown ? DesktopRgb(at.x, at.y, variant) : 0;
    }
};

// The mix modes of the overlays, as the pixel they leave over the picture pixel p.
constexpr Rgb NotMask(Rgb pen, Rgb p) {
    return ~(pen & p) & kRgbMask;
}
constexpr Rgb NotXor(Rgb pen, Rgb p) {
    return ~(pen ^ p) & kRgbMask;
}

constexpr Rgb kCrosshairPen = 0x808080;
constexpr Rgb kOutlinePen = 0xC0C0C0;

// Collects mismatches and describes the first few of them.
class Complaints {
  public:
    void Add(int x, int y, Rgb actual, Rgb expected, const char* what);
    void Note(const std::string& text);
    bool Empty() const { return count_ == 0; }
    std::string Report() const;

  private:
    int count_ = 0;
    std::string listed_;
};

// A set of lens pixels that a check leaves out.
using LensArea = std::function<bool(int x, int y)>;
bool Nowhere(int x, int y);

// Distance of a lens pixel's centre from the lens centre (100, 100).
double FromCentre(int x, int y);
// Within `radius` of the lens centre.
bool InAperture(int x, int y, int radius = 80);

// What the default overlays cover: the crosshair (its lines and a band around its circle), the colour
// picker's swatch with its outline, and the readout labels that show text at the start (colour value and
// Pantone name, with their shades).
bool OnCrosshair(int x, int y);
bool OnSwatch(int x, int y);
bool OnReadoutLabels(int x, int y);
// Any of the three.
bool OnDefaultOverlays(int x, int y);

// Every aperture pixel (within `radius` of the centre) outside `skip` shows the desktop pixel under it.
std::string CheckApertureShows(const ScreenPicture& lens,
                               const DesktopUnder& desk,
                               const LensArea& skip = Nowhere,
                               int radius = 80);
// Every aperture pixel shows the pattern pixel of its own screen position in the given look: the lens shows
// the desktop, not itself. Names the first pixels that decode elsewhere.
std::string CheckApertureDecodes(const ScreenPicture& lens, const DesktopUnder& desk, int radius = 80);

// The view at magnification `factor` (0 to 3 for 1:1, 2x, 3x, 4x) over the desktop: the source square at
// (Left, Top) + 0, 50, 66 or 75. At 1:1, 2x and 4x every aperture pixel shows its source pixel replicated
// exactly; at 3x the 66 source pixels of each row and column are stretched in order over runs of 3 or 4
// device pixels (the exact runs are the platform's), checked on every aperture pixel.
std::string CheckMagnifiedView(const ScreenPicture& lens, const DesktopUnder& desk, int factor);

// The framed lens: the desktop ANDed with the lens picture inside the frame's circle, the picture's plate
// alone outside it (the corners are filled white before the AND). A band around the circle's edge may show
// either. Pixels in `skip` are left out.
std::string CheckFramedLens(const ScreenPicture& lens,
                            const DesktopUnder& desk,
                            const ScreenPicture& lensPicture,
                            const LensArea& skip = Nowhere);
// The lens without frame: a one-pixel not-xor #C0C0C0 outline along the window's edge over the desktop,
// the desktop everywhere else outside `skip`.
std::string CheckBorderlessLens(const ScreenPicture& lens, const DesktopUnder& desk, const LensArea& skip = Nowhere);

// The crosshair in not-mask #808080 over the desktop: its two lines exactly (away from the circle and from
// `skip`), and its circle as a ring of not-mask pixels in the band OnCrosshair allows.
std::string CheckCrosshair(const ScreenPicture& lens, const DesktopUnder& desk, const LensArea& skip);
// The colour picker: the not-xor #C0C0C0 outline (92,92)-(108,108) and inside it the swatch in `picked`.
std::string CheckSwatch(const ScreenPicture& lens, const DesktopUnder& desk, Rgb picked);

// A lens frame picture from the program's resources (200 x 200), or nothing when it cannot be loaded.
std::optional<ScreenPicture> LoadLensPicture(const std::wstring& exePath, const wchar_t* resourceName);

}  // namespace pixo::e2e
