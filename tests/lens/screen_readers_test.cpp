// The lens window wired for screen readers: its texts follow what it shows, and once a client has asked for
// its object the arrow keys' moves reach the client through the pacing timer.
#include "commands/keys.h"
#include "lens_fixture.h"

namespace pixo {
namespace {

class ScreenReaders : public LensFixture {};

TEST_F(ScreenReaders, TheValueIsWhatCtrlCCopiesInEveryNotationShown) {
    Start();
    for (const MenuId notation : {MenuId::HEXColor1, MenuId::RGBtoHSB1, MenuId::RGBtoLAB1}) {
        SetOption(notation, true);
        form.CopyValuetoClipboard1Click();
        const AccessibleTexts texts = form.AccessibleReadout();
        EXPECT_EQ(texts.value, platform.clipboard.GetText().value_or("(nothing copied)"));
        EXPECT_EQ(texts.description, "x300 y300, 1:1");
    }
    Press('P', kCtrl);  // the picker off
    EXPECT_EQ(form.AccessibleReadout().name, "Pixoscope lens");
    EXPECT_EQ(form.AccessibleReadout().value, "");
}

TEST_F(ScreenReaders, ArrowKeysAreToldOnceAClientAsked) {
    Start();
    Press(vk::kRight);
    EXPECT_FALSE(platform.readoutTimer.running) << "the pace is kept with nobody listening";

    form.WmGetObject();
    Press(vk::kRight);
    ASSERT_TRUE(platform.readoutTimer.running);
    platform.clock.Advance(platform.readoutTimer.interval);
    platform.readoutTimer.Fire();
    EXPECT_EQ(platform.accessibility.changes, 1);
    platform.clock.Advance(platform.readoutTimer.interval);
    platform.readoutTimer.Fire();
    EXPECT_FALSE(platform.readoutTimer.running);
    ASSERT_EQ(platform.accessibility.announced.size(), 1u);
    EXPECT_EQ(platform.accessibility.announced[0], form.AccessibleReadout().name);
    EXPECT_EQ(form.AccessibleReadout().description, "x302 y300, 1:1");
}

}  // namespace
}  // namespace pixo
