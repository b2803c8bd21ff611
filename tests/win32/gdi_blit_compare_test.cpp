// The copies of Canvas against GDI's BitBlt and colour-on-colour StretchBlt between 32-bit DIB sections.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "raster/canvas.h"
#include "win32/gdi_painter.h"
#include "win32/picture_compare.h"

namespace pixo::test {
namespace {

struct StretchCase {
    const char* name;
    int sx, sy, sw, sh;
    int tw, th;
};

TEST(GdiCompare, StretchPlacesPixelsLikeColourOnColourStretchBlt) {
    const Bitmap capture = Noise(1024, 768, 21);
    DibSurface source(capture.Width(), capture.Height());
    ASSERT_TRUE(source.Valid());
    source.Load(capture);
    // The loupe's views (2x, 3x, 4x and 1:1 around a window at 250, 150), then other sizes.
    const StretchCase cases[] = {
        {"2x", 300, 200, 100, 100, 200, 200}, {"3x", 316, 216, 66, 66, 200, 200},
        {"4x", 325, 225, 50, 50, 200, 200},   {"1to1", 250, 150, 200, 200, 200, 200},
        {"odd", 7, 3, 37, 23, 191, 77},       {"tiny", 5, 5, 3, 2, 200, 200},
        {"shrink", 0, 0, 200, 200, 66, 66},   {"shrink_odd", 10, 10, 151, 97, 40, 70},
        {"single", 20, 20, 10, 10, 1, 1},
    };
    for (const StretchCase& c : cases) {
        const Bitmap background = Noise(200, 200, 22);
        DibSurface target(200, 200);
        ASSERT_TRUE(target.Valid());
        target.Load(background);
        SetStretchBltMode(target.Dc(), COLORONCOLOR);
        StretchBlt(target.Dc(), 0, 0, c.tw, c.th, source.Dc(), c.sx, c.sy, c.sw, c.sh, SRCCOPY);
        Bitmap ours = background;
        StretchCopy(capture, c.sx, c.sy, c.sw, c.sh, ours, 0, 0, c.tw, c.th, kBlack);
        ExpectSamePicture(std::string("stretch_") + c.name, target.Read(), ours);
    }
}

TEST(GdiCompare, CopyAndAndCopyMatchBitBlt) {
    const Bitmap picture = Noise(300, 300, 31);
    DibSurface source(300, 300);
    ASSERT_TRUE(source.Valid());
    source.Load(picture);
    const Bitmap background = Noise(200, 200, 32);

    DibSurface copied(200, 200);
    copied.Load(background);
    BitBlt(copied.Dc(), 10, 20, 150, 170, source.Dc(), 40, 50, SRCCOPY);
    Bitmap ours = background;
    CopyRect(picture, 40, 50, ours, 10, 20, 150, 170, kBlack);
    ExpectSamePicture("copy", copied.Read(), ours);

    DibSurface anded(200, 200);
    anded.Load(background);
    BitBlt(anded.Dc(), 0, 0, 200, 200, source.Dc(), 0, 0, SRCAND);
    ours = background;
    AndCopy(picture, ours);
    ExpectSamePicture("and_copy", anded.Read(), ours);
}

}  // namespace
}  // namespace pixo::test
