// The magnification keys 1 to 4: the view shows the source square centred on the lens, enlarged by
// replicating pixels, and the window stays where it is.
#include "e2e/driver/lens_checks.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

class Magnification : public BareLensSession {};

TEST_F(Magnification, Keys2And4ReplicateEachPixelOfTheCentredSquare) {
    const POINT origin = LensTopLeft();
    PressOnLens('2');
    ExpectMagnifiedView("2x", 1);
    PressOnLens('4');
    ExpectMagnifiedView("4x", 3);
    PressOnLens('1');
    ExpectMagnifiedView("1:1 again", 0);
    const POINT now = LensTopLeft();
    EXPECT_EQ(now.x, origin.x) << "the magnification keys moved the lens";
    EXPECT_EQ(now.y, origin.y) << "the magnification keys moved the lens";
}

TEST_F(Magnification, Key3StretchesSixtySixPixelsInOrder) {
    PressOnLens('3');
    const DesktopUnder desk = Under();
    ExpectLensEventually("3x", [&](const ScreenPicture& lens) {
        std::string wrong = CheckMagnifiedView(lens, desk, 2);
        // The square is centred: the lens centre shows the middle of the 66 pixels, give or take one.
        const int middle = DecodeRgb(lens.At(100, 100), desk.variant).x - desk.topLeft.x - 66;
        if (middle < 32 || middle > 34)
            wrong += "\n  the lens centre shows source column " + std::to_string(middle) + " of 66";
        return wrong;
    });
}

}  // namespace
}  // namespace pixo::e2e
