// Measuring as the user does it: the pixel ruler at 1:1 and 2x, the caliper's jaw opened with Shift and the
// arrows, a measurement marked with M and dragged, Escape ending it, and the exposure indicator over the test
// desktop's black, white and grey patches.
#include <functional>
#include <string>
#include <vector>

#include "e2e/driver/input.h"
#include "e2e/driver/label_text.h"
#include "e2e/driver/lens_checks.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kGreen = 0x008000;
constexpr Rgb kStarPen = 0xC0C0C0;
// The XY readout: its box, and its colour while a start position is marked.
constexpr LabelBox kMarkedReadout{{48, 153, 153, 168}, kRed};
// The size label at the top right, in the caliper's corner.
constexpr RECT kSizeLabelArea{140, 6, 200, 28};
constexpr Rgb kSizeLabelColour = 0x1C2630;

// The ruler as the lens must show it over `view` (what each lens pixel shows of the desktop): the square's
// one-pixel outline and the ticks along the top and left edges, each inverting what lies under it by
// not-xor with its pen (#C0C0C0 for the outline, red for every fifth tick, black for the others).
ScreenPicture ExpectedRuler(const std::function<Rgb(int, int)>& view, int m, int unit) {
    ScreenPicture picture(0, 0, kLensSize, kLensSize);
    for (int y = 0; y < kLensSize; ++y) {
        for (int x = 0; x < kLensSize; ++x)
            picture.At(x, y) = view(x, y);
    }
    auto invert = [&](int x, int y, Rgb pen) {
        if (x >= 0 && y >= 0 && x < kLensSize && y < kLensSize)
            picture.At(x, y) = NotXor(pen, picture.At(x, y));
    };
    for (int x = 0; x < kLensSize; ++x) {
        invert(x, 0, kOutlinePen);
        invert(x, kLensSize - 1, kOutlinePen);
    }
    for (int y = 1; y < kLensSize - 1; ++y) {
        invert(0, y, kOutlinePen);
        invert(kLensSize - 1, y, kOutlinePen);
    }
    const int spacing = m * unit;
    const int offset = m == 1 ? 0 : 4;
    for (int i = 1; i <= kLensSize / spacing; ++i) {
        const bool fifth = i % 5 == 0 && i <= 100;
        const int length = fifth && i % 10 == 0 ? 17 : 13;
        const int p = i * spacing;
        for (int k = 0; k < length; ++k)
            invert(p, offset + k, fifth ? kRed : 0);
        for (int k = 0; k < length; ++k)
            invert(offset + k, p, fifth ? kRed : 0);
    }
    return picture;
}

// Room for a red ruler number whose label starts at (left, top): more than its box needs in any font.
RECT NumberArea(int left, int top) {
    return {left - 1, top - 2, left + 26, top + 12};
}

bool InArea(const RECT& area, int x, int y) {
    return x >= area.left && x < area.right && y >= area.top && y < area.bottom;
}

// Every pixel outside the number areas is the expected one. Every number area holds red text drawn as the
// lens's raster font draws it, whatever font stands in for it: whole pixels in exactly the label's red over
// the expected picture, never a blend of the two, which would be unreadable on red, orange and yellow.
std::string CheckRuler(const ScreenPicture& lens, const ScreenPicture& expected, const std::vector<RECT>& numbers) {
    Complaints complaints;
    for (const RECT& area : numbers) {
        if (PixelsOfColour(lens, area, kRed).empty())
            complaints.Note("no red number at (" + std::to_string(area.left + 1) + "," + std::to_string(area.top + 2) +
                            ")");
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (lens.At(x, y) != kRed && lens.At(x, y) != expected.At(x, y))
                    complaints.Add(x, y, lens.At(x, y), expected.At(x, y), "ruler number: neither red nor the picture");
            }
        }
    }
    for (int y = 0; y < kLensSize; ++y) {
        for (int x = 0; x < kLensSize; ++x) {
            bool onNumber = false;
            for (const RECT& area : numbers)
                onNumber = onNumber || InArea(area, x, y);
            if (!onNumber && lens.At(x, y) != expected.At(x, y))
                complaints.Add(x, y, lens.At(x, y), expected.At(x, y), "ruler");
        }
    }
    return complaints.Report();
}

std::wstring DecimalSeparator() {
    wchar_t buffer[8] = {};
    return GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8) > 0 ? buffer : L".";
}

class Measuring : public LensSession {
  protected:
    // Drags the lens by its frame until its centre pixel (99, 99) lies in the middle of the patch.
    bool CentreOnPatch(Rgb colour) {
        for (const Patch& patch : kPatches) {
            if (patch.color != colour)
                continue;
            const POINT now = LensTopLeft();
            const int half = kPatchSize / 2;
            return DragLensBy(kOnFrame, patch.left + half - 99 - now.x, patch.top + half - 99 - now.y);
        }
        ADD_FAILURE() << "the test desktop has no patch of this colour";
        return false;
    }
};

TEST_F(Measuring, RulerAtOneToOneAndTwiceShowsItsTicksAndNumbers) {
    TurnOverlaysOff();
    PressOnLens('R', {VK_CONTROL});
    // 1:1, unit 10: twenty ticks, numbers 50, 100 and 150 below and beside the ticks at 50, 100 and 150.
    std::vector<RECT> numbers;
    for (int p : {50, 100, 150}) {
        numbers.push_back(NumberArea(p - 3, 18));
        numbers.push_back(NumberArea(17, p - 3));
    }
    ExpectLensEventually("ruler at 1:1", [&](const ScreenPicture& lens) {
        const DesktopUnder desk = Under();
        return CheckRuler(lens, ExpectedRuler([&](int x, int y) { return desk.At(x, y); }, 1, 10), numbers);
    });
    SaveLensShot("measuring-ruler-1x", 10);

    // 2x: each captured pixel is 2 x 2, ticks 20 apart standing 4 off the edge, the one number 50 at 100.
    PressOnLens('2');
    numbers = {NumberArea(97, 22), NumberArea(21, 97)};
    ExpectLensEventually("ruler at 2x", [&](const ScreenPicture& lens) {
        const DesktopUnder desk = Under();
        return CheckRuler(lens, ExpectedRuler([&](int x, int y) { return desk.At(50 + x / 2, 50 + y / 2); }, 2, 10),
                          numbers);
    });
    SaveLensShot("measuring-ruler-2x", 10);
}

TEST_F(Measuring, ShiftArrowsOpenTheCaliperJaw) {
    TurnOverlaysOff();
    PressOnLens('K', {VK_CONTROL});
    ExpectLensEventually("caliper jaws at 40 and 20", [&](const ScreenPicture& lens) {
        Complaints complaints;
        if (lens.At(50, 50) != kGreen)
            complaints.Add(50, 50, lens.At(50, 50), kGreen, "inside the vertical jaw");
        if (lens.At(40, 60) != 0)
            complaints.Add(40, 60, lens.At(40, 60), 0, "the jaw's measuring edge");
        if (lens.At(30, 22) != kGreen)
            complaints.Add(30, 22, lens.At(30, 22), kGreen, "inside the horizontal jaw");
        return complaints.Report();
    });
    const PixelSet size40 = PixelsOfColour(SettledLens(), kSizeLabelArea, kSizeLabelColour);
    EXPECT_FALSE(size40.empty()) << "no size at the top right";
    SaveLensShot("measuring-caliper", 10);

    for (int i = 0; i < 3; ++i)
        PressOnLens(VK_RIGHT, {VK_SHIFT});
    ExpectLensEventually("vertical jaw's edge at 43", [&](const ScreenPicture& lens) {
        const DesktopUnder desk = Under();
        Complaints complaints;
        if (lens.At(43, 60) != 0)
            complaints.Add(43, 60, lens.At(43, 60), 0, "the jaw's measuring edge");
        if (lens.At(40, 60) != desk.At(40, 60))
            complaints.Add(40, 60, lens.At(40, 60), desk.At(40, 60), "left of the jaw");
        if (PixelsOfColour(lens, kSizeLabelArea, kSizeLabelColour) == size40)
            complaints.Note("the size at the top right still reads 40px");
        return complaints.Report();
    });
    EXPECT_EQ(LensTopLeft().x, kStartPosition.x) << "Shift with an arrow does not move the lens";
}

TEST_F(Measuring, MarkAndDragShowDistanceAndDirectionInTheReadout) {
    PressOnLens('M');
    PressOnLens('M');
    ASSERT_TRUE(DragLensBy(kOnFrame, 30, -40));
    const std::wstring text = L"50px 53" + DecimalSeparator() + L"1\u00F8";
    ExpectLensEventually("distance and direction", [&](const ScreenPicture& lens) {
        std::string complaint = CheckLabelText(lens, text, kMarkedReadout);
        const Rgb star = NotMask(kStarPen, Under().At(80, 80));
        if (complaint.empty() && lens.At(80, 80) != star)
            complaint = "no star at the lens centre";
        if (complaint.empty() && PixelsOfColour(lens, {0, 0, kLensSize, 13}, 0x54BC00).size() < 1000)
            complaint = "no status line \"Measuring to any location active\"";
        return complaint;
    });
    SaveLensShot("measuring-marked", 10);
}

TEST_F(Measuring, EscapeBringsBackTheCrosshairAndThePicker) {
    const LensArea picker = [](int x, int y) { return OnSwatch(x, y) || OnReadoutLabels(x, y); };
    PressOnLens('M');
    ExpectLensEventually("measuring: star instead of crosshair and picker", [&](const ScreenPicture& lens) {
        const DesktopUnder desk = Under();
        if (lens.At(80, 80) != NotMask(kStarPen, desk.At(80, 80)))
            return std::string("no star");
        if (CheckCrosshair(lens, desk, picker).empty())
            return std::string("the crosshair still shows");
        if (CheckSwatch(lens, desk, desk.At(100, 100)).empty())
            return std::string("the picker's swatch still shows");
        return std::string{};
    });
    PressOnLens(VK_ESCAPE);
    ExpectLensEventually("crosshair and picker again", [&](const ScreenPicture& lens) {
        const DesktopUnder desk = Under();
        std::string complaint = CheckCrosshair(lens, desk, picker);
        if (complaint.empty())
            complaint = CheckSwatch(lens, desk, desk.At(100, 100));
        if (complaint.empty() && lens.At(80, 80) != desk.At(80, 80))
            complaint = "the star still shows";
        return complaint;
    });
}

TEST_F(Measuring, ExposureIndicatorOverBlackWhiteAndGrey) {
    PressOnLens('E', {VK_CONTROL});
    const struct {
        const char* name;
        Rgb patch;
        Rgb fill;
        bool bar;
    } rows[] = {{"black", 0x000000, kRed, true}, {"white", 0xFFFFFF, kRed, true}, {"grey", 0x808080, kGreen, false}};
    for (const auto& row : rows) {
        ASSERT_TRUE(CentreOnPatch(row.patch));
        ExpectLensEventually(std::string("indicator over ") + row.name, [&](const ScreenPicture& lens) {
            Complaints complaints;
            if (lens.At(40, 93) != row.fill)
                complaints.Add(40, 93, lens.At(40, 93), row.fill, "the indicator");
            const Rgb middle = row.bar ? row.patch : row.fill;
            if (lens.At(40, 100) != middle)
                complaints.Add(40, 100, lens.At(40, 100), middle, "the indicator's middle");
            return complaints.Report();
        });
        SaveLensShot(std::string("measuring-exposure-") + row.name, 10);
    }
    // Past the screen's left edge the indicator moves to the right half, where the lens is still seen.
    const POINT now = LensTopLeft();
    ASSERT_TRUE(DragLensBy(kOnFrame, -40 - now.x, 300 - now.y));
    // The centre lies on the desktop's coordinate pattern there, neither clipped nor near it.
    ExpectLensEventually("green indicator on the right", [&](const ScreenPicture& lens) {
        Complaints complaints;
        if (lens.At(161, 93) != kGreen)
            complaints.Add(161, 93, lens.At(161, 93), kGreen, "the indicator");
        return complaints.Report();
    });
    SaveLensShot("measuring-exposure-left-edge", 10);
}

}  // namespace
}  // namespace pixo::e2e
