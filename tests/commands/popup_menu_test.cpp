#include "commands/popup_menu.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "commands/key_map.h"

namespace pixo {
namespace {

TEST(MenuTable, EveryItemOnceAndTheDefaultsAsAFirstRunShowsThem) {
    std::set<MenuId> seen;
    for (const MenuItemDef& def : MenuTable()) {
        if (def.id != MenuId::None) {
            EXPECT_TRUE(seen.insert(def.id).second) << def.caption;
        }
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(MenuId::Count) - 1);

    Options options;
    const PopupMenu menu(options, 0);
    const std::set<MenuId> checkedByDefault{MenuId::ShowColVal,    MenuId::magnify_1x, MenuId::Crosshair1,
                                            MenuId::LensBorder1,   MenuId::ShowPMS,    MenuId::SoundonSave1,
                                            MenuId::DoubleBuffer1, MenuId::NearestOff};
    for (MenuId id : seen)
        EXPECT_EQ(menu.Checked(id), checkedByDefault.count(id) == 1) << menu.Def(id).caption;
}

TEST(MenuTable, CaptionsAndShortcutTextsAsShown) {
    EXPECT_STREQ(MenuDef(MenuId::ContvertRGBto1).caption, "Contvert RGB to...");
    EXPECT_STREQ(MenuDef(MenuId::howto1).caption, "How to (Internet requirerd)");
    EXPECT_STREQ(MenuDef(MenuId::Ruler1).caption, "Pixel Ruler (Border Capliper off)");
    const auto text = [](MenuId id) { return ShortcutText(ShortcutOf(id).value_or(Shortcut{})); };
    EXPECT_EQ(text(MenuId::OpenDumps1), "Ctrl+D");
    EXPECT_EQ(text(MenuId::save1), "Ins");
    EXPECT_EQ(text(MenuId::TheHelpDialog), "F1");
    EXPECT_EQ(text(MenuId::Recapture_screen), "F5");
    EXPECT_EQ(text(MenuId::magnify_3x), "3");
    EXPECT_EQ(text(MenuId::HEXgrb1), "");
    EXPECT_EQ(text(MenuId::CopyColourName), "Ctrl+Shift+C");
    EXPECT_FALSE(MenuDef(MenuId::WebSafe1).visible);
}

TEST(PopupMenuClicks, RadioItemsToggleAndExcludeTheirGroupOnly) {
    Options options;
    PopupMenu menu(options, 0);
    EXPECT_TRUE(menu.Click(MenuId::Ruler1));
    EXPECT_EQ(options.mode, LensMode::Ruler);
    EXPECT_FALSE(menu.Checked(MenuId::LensBorder1));
    menu.Click(MenuId::Ruler1);
    EXPECT_EQ(options.mode, LensMode::GlassOnly) << "clicking the checked radio item leaves its group empty";

    menu.Click(MenuId::HEXColor1);
    menu.Click(MenuId::RedImage1);
    EXPECT_TRUE(menu.Checked(MenuId::HEXColor1)) << "groups are independent";
    menu.Click(MenuId::ToCMYK1);
    EXPECT_FALSE(menu.Checked(MenuId::HEXColor1));
    EXPECT_TRUE(menu.Checked(MenuId::RedImage1));
    menu.Click(MenuId::ShowPMS);
    EXPECT_FALSE(options.showPms) << "a toggle inverts its option";
}

TEST(PopupMenuClicks, WebSafeOnlyRedrawsButSetByCodeExcludesTheOthers) {
    Options options;
    PopupMenu menu(options, 0);
    EXPECT_TRUE(menu.Click(MenuId::WebSafe1));
    EXPECT_FALSE(menu.Checked(MenuId::WebSafe1));
    menu.Click(MenuId::HEXColor1);
    options.notation = Notation::WebSafe;  // only the stored settings do this
    EXPECT_FALSE(menu.Checked(MenuId::HEXColor1));
    EXPECT_TRUE(menu.Checked(MenuId::WebSafe1));
    menu.Click(MenuId::RGBtoXYZ1);
    EXPECT_FALSE(menu.Checked(MenuId::WebSafe1)) << "choosing any other notation turns it off";
}

TEST(PopupMenuClicks, TheMagnificationItemsFollowTheFactor) {
    Options options;
    for (int factor = 0; factor <= 3; ++factor) {
        PopupMenu menu(options, factor);
        EXPECT_TRUE(menu.Click(MenuId::magnify_2x)) << "its handler runs";
        int checked = 0;
        for (MenuId id : {MenuId::magnify_1x, MenuId::magnify_2x, MenuId::magnify_3x, MenuId::magnify_4x})
            checked += menu.Checked(id) ? 1 : 0;
        EXPECT_EQ(checked, 1);
        EXPECT_EQ(menu.Checked(static_cast<MenuId>(static_cast<int>(MenuId::magnify_1x) + factor)), true);
    }
}

TEST(PopupMenuClicks, ReduceFlickeringIsGreyedWhileTheDelayIsOn) {
    Options options;
    options.addDelay = true;
    PopupMenu menu(options, 0);
    EXPECT_FALSE(menu.Enabled(MenuId::DoubleBuffer1));
    EXPECT_FALSE(menu.Click(MenuId::DoubleBuffer1));
    EXPECT_TRUE(options.doubleBuffer);
    options.addDelay = false;
    EXPECT_TRUE(menu.Click(MenuId::DoubleBuffer1));
    EXPECT_FALSE(options.doubleBuffer);
}

}  // namespace
}  // namespace pixo
