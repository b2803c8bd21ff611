// The magnification keys 1 to 4: the view shows the source square centred on the lens, enlarged by
// replicating pixels, and the window stays where it is.
#include <vector>

#include "e2e/driver/lens_checks.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

class Magnification : public LensSession {
  protected:
    void SetUp() override {
        LensSession::SetUp();
        if (HasFatalFailure())
            return;
        PressOnLens('O', {VK_CONTROL});
        PressOnLens('P', {VK_CONTROL});
        ExpectLensEventually("plain view", [&](const ScreenPicture& lens) {
            return CheckApertureShows(lens, {LensTopLeft(), Variant::Plain});
        });
    }

    // Every aperture pixel (x, y) shows the desktop pixel (Left + offset + x / scale, Top + offset + y / scale).
    std::string CheckEnlarged(const ScreenPicture& lens, int offset, int scale) const {
        const POINT origin = LensTopLeft();
        Complaints complaints;
        for (int y = 0; y < kLensSize; ++y) {
            for (int x = 0; x < kLensSize; ++x) {
                if (!InAperture(x, y))
                    continue;
                const Rgb expected =
                    DesktopRgb(origin.x + offset + x / scale, origin.y + offset + y / scale, Variant::Plain);
                if (lens.At(x, y) != expected)
                    complaints.Add(x, y, lens.At(x, y), expected, "enlarged view");
            }
        }
        return complaints.Report();
    }

    // At 3x the 66 source pixels from Left + 66 are stretched over 200: each shows as a run of 3 or 4 device
    // pixels, in order. `first` is the screen coordinate of the source square's first pixel.
    static std::string CheckStretchRuns(const std::vector<int>& sources, int first, const char* axis) {
        std::string wrong;
        int runStart = 0;
        for (std::size_t i = 1; i <= sources.size(); ++i) {
            if (i < sources.size() && sources[i] == sources[i - 1])
                continue;
            const int run = static_cast<int>(i) - runStart;
            const bool clipped = runStart == 0 || i == sources.size();  // the aperture cuts the outer runs
            if (run > 4 || (!clipped && run < 3))
                wrong += std::string("\n  ") + axis + " " + std::to_string(runStart) + ": source pixel shown " +
                         std::to_string(run) + " times";
            if (i < sources.size() && sources[i] != sources[i - 1] + 1)
                wrong += std::string("\n  ") + axis + " " + std::to_string(i) + ": jumps from source " +
                         std::to_string(sources[i - 1] - first) + " to " + std::to_string(sources[i] - first);
            runStart = static_cast<int>(i);
        }
        if (sources.front() < first || sources.back() >= first + 66)
            wrong += std::string("\n  ") + axis + ": shows source pixels outside the 66 from " + std::to_string(first);
        return wrong;
    }
};

TEST_F(Magnification, Keys2And4ReplicateEachPixelOfTheCentredSquare) {
    const POINT origin = LensTopLeft();
    PressOnLens('2');
    ExpectLensEventually("2x", [&](const ScreenPicture& lens) { return CheckEnlarged(lens, 50, 2); });
    PressOnLens('4');
    ExpectLensEventually("4x", [&](const ScreenPicture& lens) { return CheckEnlarged(lens, 75, 4); });
    PressOnLens('1');
    ExpectLensEventually("1:1 again", [&](const ScreenPicture& lens) { return CheckEnlarged(lens, 0, 1); });
    const POINT now = LensTopLeft();
    EXPECT_EQ(now.x, origin.x) << "the magnification keys moved the lens";
    EXPECT_EQ(now.y, origin.y) << "the magnification keys moved the lens";
}

TEST_F(Magnification, Key3StretchesSixtySixPixelsInOrder) {
    PressOnLens('3');
    const POINT origin = LensTopLeft();
    const int first = origin.x + 66;
    const int top = origin.y + 66;
    ExpectLensEventually("3x", [&](const ScreenPicture& lens) {
        // Which source column each lens column shows (read on the centre row), and which row each lens row.
        std::vector<int> columns;
        std::vector<int> rows;
        for (int i = 20; i < 181; ++i) {
            columns.push_back(DecodeRgb(lens.At(i, 100), Variant::Plain).x);
            rows.push_back(DecodeRgb(lens.At(100, i), Variant::Plain).y);
        }
        std::string wrong = CheckStretchRuns(columns, first, "column") + CheckStretchRuns(rows, top, "row");
        // The same mapping holds for every aperture pixel.
        Complaints complaints;
        for (int y = 20; y < 181; ++y) {
            for (int x = 20; x < 181; ++x) {
                if (!InAperture(x, y))
                    continue;
                const Rgb expected = DesktopRgb(columns[static_cast<std::size_t>(x - 20)],
                                                rows[static_cast<std::size_t>(y - 20)], Variant::Plain);
                if (lens.At(x, y) != expected)
                    complaints.Add(x, y, lens.At(x, y), expected, "3x view");
            }
        }
        wrong += complaints.Report();
        // The square is centred: the lens centre shows the middle of the 66 pixels, give or take one.
        const int middle = columns[80] - first;
        if (middle < 32 || middle > 34)
            wrong += "\n  the lens centre shows source column " + std::to_string(middle) + " of 66";
        return wrong;
    });
}

}  // namespace
}  // namespace pixo::e2e
