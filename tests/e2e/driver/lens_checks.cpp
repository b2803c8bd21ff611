#include "e2e/driver/lens_checks.h"

#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

namespace pixo::e2e {
namespace {

constexpr int kListed = 8;
constexpr int kSize = 200;

// The crosshair's circle (60,60)-(140,140) has a radius of 40 around the pixel centre (99.5, 99.5); its
// pixels lie within this band, however the platform rasterises it.
constexpr double kCircleInner = 37.0;
constexpr double kCircleOuter = 42.0;
// The frame's circle, inscribed in (15,15)-(185,185), has a radius of 85.
constexpr double kFrameInner = 82.5;
constexpr double kFrameOuter = 87.5;

std::string Hex(Rgb p) {
    char text[8];
    std::snprintf(text, sizeof(text), "#%06X", static_cast<unsigned>(p & kRgbMask));
    return text;
}

bool OnCrosshairLine(int x, int y) {
    return (x == 100 && y >= 50 && y < 150) || (y == 100 && x >= 50 && x < 150);
}

bool InCircleBand(int x, int y) {
    const double d = FromCentre(x, y);
    return d >= kCircleInner && d <= kCircleOuter;
}

}  // namespace

void Complaints::Add(int x, int y, Rgb actual, Rgb expected, const char* what) {
    if (++count_ <= kListed) {
        listed_ += "\n  (" + std::to_string(x) + "," + std::to_string(y) + ") " + what + ": is " + Hex(actual) +
                   ", expected " + Hex(expected);
    }
}

void Complaints::Note(const std::string& text) {
    if (++count_ <= kListed)
        listed_ += "\n  " + text;
}

std::string Complaints::Report() const {
    if (count_ == 0)
        return {};
    return std::to_string(count_) + " wrong pixel(s) or finding(s) in lens coordinates:" + listed_;
}

bool Nowhere(int /*x*/, int /*y*/) {
    return false;
}

double FromCentre(int x, int y) {
    return std::hypot(x + 0.5 - 100.0, y + 0.5 - 100.0);
}

bool InAperture(int x, int y, int radius) {
    const int dx = x - 100;
    const int dy = y - 100;
    return dx * dx + dy * dy <= radius * radius;
}

bool OnCrosshair(int x, int y) {
    return OnCrosshairLine(x, y) || InCircleBand(x, y);
}

bool OnSwatch(int x, int y) {
    return x >= 92 && x < 108 && y >= 92 && y < 108;
}

bool OnReadoutLabels(int x, int y) {
    const bool colourValue = x >= 24 && x < 175 && y >= 67 && y < 86;  // ColorLabel and its shade
    const bool pantone = x >= 32 && x < 169 && y >= 47 && y < 61;      // PMSLabel1 and its shade
    return colourValue || pantone;
}

bool OnDefaultOverlays(int x, int y) {
    return OnCrosshair(x, y) || OnSwatch(x, y) || OnReadoutLabels(x, y);
}

std::string CheckApertureShows(const ScreenPicture& lens, const DesktopUnder& desk, const LensArea& skip, int radius) {
    Complaints complaints;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!InAperture(x, y, radius) || skip(x, y))
                continue;
            if (lens.At(x, y) != desk.At(x, y))
                complaints.Add(x, y, lens.At(x, y), desk.At(x, y), "aperture");
        }
    }
    return complaints.Report();
}

std::string CheckApertureDecodes(const ScreenPicture& lens, const DesktopUnder& desk, int radius) {
    Complaints complaints;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!InAperture(x, y, radius))
                continue;
            const int screenX = desk.topLeft.x + x;
            const int screenY = desk.topLeft.y + y;
            if (PatchAt(screenX, screenY).has_value())
                continue;
            const Point told = DecodeRgb(lens.At(x, y), desk.variant);
            if (told != Point{screenX, screenY}) {
                complaints.Note("(" + std::to_string(x) + "," + std::to_string(y) + ") shows " + Hex(lens.At(x, y)) +
                                ", the desktop pixel of (" + std::to_string(told.x) + "," + std::to_string(told.y) +
                                "), not of (" + std::to_string(screenX) + "," + std::to_string(screenY) + ")");
            }
        }
    }
    return complaints.Report();
}

std::string CheckMagnifiedView(const ScreenPicture& lens, const DesktopUnder& desk, int factor) {
    static constexpr int kOffsets[] = {0, 50, 66, 75};
    static constexpr int kSpans[] = {200, 100, 66, 50};
    if (factor < 0 || factor > 3)
        return "no such magnification";
    const int offset = kOffsets[factor];
    const int span = kSpans[factor];
    // Which source column each lens column shows and which source row each lens row, relative to the lens's
    // top-left corner: computed for replication, read from the centre row and column at 3x.
    std::vector<int> columns(kSize);
    std::vector<int> rows(kSize);
    Complaints complaints;
    for (int i = 0; i < kSize; ++i) {
        columns[static_cast<std::size_t>(i)] = offset + i * span / kSize;
        rows[static_cast<std::size_t>(i)] = offset + i * span / kSize;
    }
    if (factor == 2) {
        constexpr int kFirst = 20;  // the aperture's extent on the centre row and column
        constexpr int kLast = 180;
        for (int i = kFirst; i <= kLast; ++i) {
            columns[static_cast<std::size_t>(i)] = DecodeRgb(lens.At(i, 100), desk.variant).x - desk.topLeft.x;
            rows[static_cast<std::size_t>(i)] = DecodeRgb(lens.At(100, i), desk.variant).y - desk.topLeft.y;
        }
        for (const auto& [map, axis] : {std::pair{&columns, "column"}, std::pair{&rows, "row"}}) {
            const auto source = [&](int i) { return (*map)[static_cast<std::size_t>(i)]; };
            if (source(kFirst) < offset || source(kLast) >= offset + span)
                complaints.Note(std::string(axis) + "s show source pixels outside the 66 from the lens corner + 66");
            // 160 device pixels show 160 * 66 / 200 source pixels, give or take a run cut by the aperture.
            const int shown = source(kLast) - source(kFirst);
            if (shown < 51 || shown > 54)
                complaints.Note("the aperture's " + std::string(axis) + "s show " + std::to_string(shown + 1) +
                                " source pixels, not 3x");
            int runStart = kFirst;
            for (int i = kFirst + 1; i <= kLast + 1; ++i) {
                if (i <= kLast && source(i) == source(i - 1))
                    continue;
                // The aperture cuts the outer runs short.
                const int run = i - runStart;
                if (run > 4 || (run < 3 && runStart > kFirst && i <= kLast))
                    complaints.Note(std::string(axis) + " " + std::to_string(runStart) + ": a source pixel shown " +
                                    std::to_string(run) + " times");
                if (i <= kLast && source(i) != source(i - 1) + 1)
                    complaints.Note(std::string(axis) + " " + std::to_string(i) + ": the source jumps by " +
                                    std::to_string(source(i) - source(i - 1)));
                runStart = i;
            }
        }
        if (!complaints.Empty())
            return complaints.Report();
    }
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!InAperture(x, y))
                continue;
            const Rgb expected = desk.At(columns[static_cast<std::size_t>(x)], rows[static_cast<std::size_t>(y)]);
            if (lens.At(x, y) != expected)
                complaints.Add(x, y, lens.At(x, y), expected, "magnified view");
        }
    }
    return complaints.Report();
}

std::string CheckFramedLens(const ScreenPicture& lens,
                            const DesktopUnder& desk,
                            const ScreenPicture& lensPicture,
                            const LensArea& skip) {
    Complaints complaints;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (skip(x, y))
                continue;
            const double d = FromCentre(x, y);
            const Rgb plate = lensPicture.At(x, y);
            const Rgb through = desk.At(x, y) & plate;
            const Rgb actual = lens.At(x, y);
            if (d < kFrameInner && actual != through)
                complaints.Add(x, y, actual, through, "inside the frame: desktop AND lens picture");
            else if (d > kFrameOuter && actual != plate)
                complaints.Add(x, y, actual, plate, "corner: the lens picture's plate");
            else if (d >= kFrameInner && d <= kFrameOuter && actual != plate && actual != through)
                complaints.Add(x, y, actual, plate, "edge of the frame's circle: plate or desktop AND plate");
        }
    }
    return complaints.Report();
}

std::string CheckBorderlessLens(const ScreenPicture& lens, const DesktopUnder& desk, const LensArea& skip) {
    Complaints complaints;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (skip(x, y))
                continue;
            const bool edge = x == 0 || y == 0 || x == kSize - 1 || y == kSize - 1;
            const Rgb expected = edge ? NotXor(kOutlinePen, desk.At(x, y)) : desk.At(x, y);
            if (lens.At(x, y) != expected)
                complaints.Add(x, y, lens.At(x, y), expected, edge ? "outline" : "desktop");
        }
    }
    return complaints.Report();
}

std::string CheckCrosshair(const ScreenPicture& lens, const DesktopUnder& desk, const LensArea& skip) {
    Complaints complaints;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (skip(x, y))
                continue;
            const Rgb under = desk.At(x, y);
            const Rgb marked = NotMask(kCrosshairPen, under);
            const Rgb actual = lens.At(x, y);
            const double d = FromCentre(x, y);
            if (OnCrosshairLine(x, y)) {
                // Where a line crosses the circle, either may have drawn last.
                if ((d < kCircleInner - 1 || d > kCircleOuter + 1) && actual != marked)
                    complaints.Add(x, y, actual, marked, "crosshair line");
            } else if (InCircleBand(x, y) && actual != marked && actual != under) {
                complaints.Add(x, y, actual, marked, "crosshair circle: not-mask #808080 or the desktop");
            }
        }
    }
    // The circle is closed: every ray from the centre that crosses the band where nothing else lies meets
    // a pixel of it.
    constexpr double kPi = 3.14159265358979323846;
    for (int degrees = 0; degrees < 360; degrees += 2) {
        const double angle = degrees * kPi / 180.0;
        bool open = true;
        bool met = false;
        for (double r = kCircleInner; r <= kCircleOuter; r += 0.25) {
            const int x = static_cast<int>(std::floor(100.0 + r * std::cos(angle)));
            const int y = static_cast<int>(std::floor(100.0 + r * std::sin(angle)));
            if (skip(x, y) || OnCrosshairLine(x, y)) {
                open = false;
                continue;
            }
            // A ray may slip between two diagonal neighbours of a thin circle: its four neighbours count.
            for (const auto& [nx, ny] : {std::pair{x, y}, {x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}})
                met = met || lens.At(nx, ny) == NotMask(kCrosshairPen, desk.At(nx, ny));
        }
        if (open && !met)
            complaints.Note("no crosshair circle pixel at " + std::to_string(degrees) + " degrees");
    }
    return complaints.Report();
}

std::string CheckSwatch(const ScreenPicture& lens, const DesktopUnder& desk, Rgb picked) {
    Complaints complaints;
    for (int y = 92; y < 108; ++y) {
        for (int x = 92; x < 108; ++x) {
            const bool outline = x == 92 || y == 92 || x == 107 || y == 107;
            const Rgb actual = lens.At(x, y);
            if (outline) {
                // The outline is drawn over the crosshair lines.
                const Rgb under = OnCrosshairLine(x, y) ? NotMask(kCrosshairPen, desk.At(x, y)) : desk.At(x, y);
                if (actual != NotXor(kOutlinePen, under))
                    complaints.Add(x, y, actual, NotXor(kOutlinePen, under), "swatch outline");
            } else if (actual != picked) {
                complaints.Add(x, y, actual, picked, "swatch");
            }
        }
    }
    return complaints.Report();
}

std::optional<ScreenPicture> LoadLensPicture(const std::wstring& exePath, const wchar_t* resourceName) {
    const HMODULE module =
        LoadLibraryExW(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr)
        return std::nullopt;
    std::optional<ScreenPicture> result;
    if (auto* bitmap =
            static_cast<HBITMAP>(LoadImageW(module, resourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
        BITMAP info{};
        GetObjectW(bitmap, sizeof(info), &info);
        if (info.bmWidth == kSize && info.bmHeight == kSize) {
            ScreenPicture picture = ReadBitmap(bitmap, kSize, kSize);
            if (!picture.Empty())
                result = std::move(picture);
        }
        DeleteObject(bitmap);
    }
    FreeLibrary(module);
    return result;
}

}  // namespace pixo::e2e
