// Closing the program from the lens.
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

class Closing : public LensSession {};

TEST_F(Closing, CtrlXEndsTheProgram) {
    PressOnLens('X', {VK_CONTROL});
    EXPECT_TRUE(LensProcess().WaitForExit(kActionTimeout)) << "the program still runs after Ctrl+X";
    EXPECT_FALSE(IsWindow(Lens())) << "the lens window is still there";
}

}  // namespace
}  // namespace pixo::e2e
