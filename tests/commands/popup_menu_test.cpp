#include "commands/popup_menu.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace pixo {
namespace {

TEST(MenuTable, EveryItemOnceWithUniqueShortcutsAndItsDefault) {
    std::set<MenuId> seen;
    std::set<std::pair<int, int>> shortcuts;
    for (const MenuItemDef& def : MenuTable()) {
        if (def.id == MenuId::None)
            continue;
        EXPECT_TRUE(seen.insert(def.id).second) << def.caption;
        if (def.shortcut.key != 0) {
            EXPECT_TRUE(shortcuts.insert({def.shortcut.key, def.shortcut.modifiers}).second) << def.caption;
        }
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(MenuId::Count) - 1);

    const PopupMenu menu;
    const std::set<MenuId> checkedByDefault{MenuId::ShowColVal,   MenuId::magnify_2x, MenuId::Crosshair1,
                                            MenuId::LensBorder1,  MenuId::ShowPMS,    MenuId::SoundonSave1,
                                            MenuId::DoubleBuffer1};
    for (MenuId id : seen)
        EXPECT_EQ(menu.Checked(id), checkedByDefault.count(id) == 1) << menu.Def(id).caption;
}

TEST(MenuTable, CaptionsAndShortcutTextsAsShown) {
    const PopupMenu menu;
    EXPECT_STREQ(menu.Def(MenuId::ContvertRGBto1).caption, "Contvert RGB to...");
    EXPECT_STREQ(menu.Def(MenuId::howto1).caption, "How to (Internet requirerd)");
    EXPECT_STREQ(menu.Def(MenuId::Ruler1).caption, "Pixel Ruler (Border Capliper off)");
    EXPECT_EQ(ShortcutText(menu.Def(MenuId::OpenDumps1).shortcut), "Ctrl+D");
    EXPECT_EQ(ShortcutText(menu.Def(MenuId::save1).shortcut), "Ins");
    EXPECT_EQ(ShortcutText(menu.Def(MenuId::TheHelpDialog).shortcut), "F1");
    EXPECT_EQ(ShortcutText(menu.Def(MenuId::Recapture_screen).shortcut), "F5");
    EXPECT_EQ(ShortcutText(menu.Def(MenuId::magnify_3x).shortcut), "3");
    EXPECT_EQ(ShortcutText(menu.Def(MenuId::HEXgrb1).shortcut), "");
    EXPECT_FALSE(menu.Def(MenuId::WebSafe1).visible);
}

TEST(PopupMenuClicks, RadioItemsToggleAndExcludeTheirGroupOnly) {
    PopupMenu menu;
    EXPECT_TRUE(menu.Click(MenuId::Ruler1));
    EXPECT_TRUE(menu.Checked(MenuId::Ruler1));
    EXPECT_FALSE(menu.Checked(MenuId::LensBorder1));
    menu.Click(MenuId::Ruler1);
    EXPECT_FALSE(menu.Checked(MenuId::Ruler1)) << "clicking the checked radio item leaves its group empty";
    EXPECT_FALSE(menu.Checked(MenuId::Caliper1));

    menu.Click(MenuId::HEXColor1);
    menu.Click(MenuId::RedImage1);
    EXPECT_TRUE(menu.Checked(MenuId::HEXColor1)) << "groups are independent";
    menu.Click(MenuId::ToCMYK1);
    EXPECT_FALSE(menu.Checked(MenuId::HEXColor1));
    EXPECT_TRUE(menu.Checked(MenuId::RedImage1));
}

TEST(PopupMenuClicks, WebSafeOnlyRedrawsButCheckingItByCodeExcludesTheOthers) {
    PopupMenu menu;
    EXPECT_TRUE(menu.Click(MenuId::WebSafe1));
    EXPECT_FALSE(menu.Checked(MenuId::WebSafe1));
    menu.Click(MenuId::HEXColor1);
    menu.SetChecked(MenuId::WebSafe1, true);
    EXPECT_FALSE(menu.Checked(MenuId::HEXColor1));
    menu.Click(MenuId::RGBtoXYZ1);
    EXPECT_FALSE(menu.Checked(MenuId::WebSafe1)) << "choosing any other notation turns it off";
}

TEST(PopupMenuClicks, MagnificationItemCheckedStaysCheckedAfterItsHandlerRuns) {
    PopupMenu menu;
    // The click unchecks it; the redraw that its handler runs checks the item of Factor again.
    EXPECT_TRUE(menu.Click(MenuId::magnify_2x));
    EXPECT_FALSE(menu.Checked(MenuId::magnify_2x));
}

TEST(PopupMenuClicks, ADisabledItemDoesNothing) {
    PopupMenu menu;
    menu.SetEnabled(MenuId::DoubleBuffer1, false);
    EXPECT_FALSE(menu.Click(MenuId::DoubleBuffer1));
    EXPECT_TRUE(menu.Checked(MenuId::DoubleBuffer1));
}

TEST(PopupMenuShortcuts, MatchTheWholeModifierState) {
    const PopupMenu menu;
    EXPECT_EQ(menu.FindShortcut('C', kCtrl), MenuId::CopyValuetoClipboard1);
    EXPECT_EQ(menu.FindShortcut('C', kShift), std::nullopt);
    EXPECT_EQ(menu.FindShortcut('C', kCtrl | kShift), std::nullopt);
    EXPECT_EQ(menu.FindShortcut(vk::kInsert, kNoModifier), MenuId::save1);
    EXPECT_EQ(menu.FindShortcut(vk::kInsert, kCtrl), std::nullopt);
    EXPECT_EQ(menu.FindShortcut('1', kNoModifier), MenuId::magnify_1x);
    EXPECT_EQ(menu.FindShortcut('1', kShift), std::nullopt);
    EXPECT_EQ(menu.FindShortcut('W', kCtrl), MenuId::WebSafe1) << "a hidden item keeps its shortcut";
    EXPECT_EQ(menu.FindShortcut(vk::kF5, kNoModifier), MenuId::Recapture_screen);
    EXPECT_EQ(menu.FindShortcut('S', kNoModifier), std::nullopt);
}

}  // namespace
}  // namespace pixo
