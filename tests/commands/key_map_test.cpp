#include "commands/key_map.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace pixo {
namespace {

TEST(KeyMap, EveryMenuShortcutOnceAndTakenBeforeTheLensKeys) {
    std::set<std::pair<int, int>> shortcuts;
    std::set<MenuId> items;
    bool lensKeysBegun = false;
    for (const KeyBinding& binding : KeyMap()) {
        if (binding.command != KeyCommand::MenuItem) {
            lensKeysBegun = true;
            continue;
        }
        EXPECT_FALSE(lensKeysBegun) << "a menu shortcut after the lens's own keys";
        EXPECT_FALSE(binding.when.any) << "menu shortcuts match the modifier state exactly";
        EXPECT_TRUE(shortcuts.insert({binding.key, binding.when.modifiers}).second);
        EXPECT_TRUE(items.insert(binding.item).second);
    }
}

// The modifier state is compared exactly for shortcuts: Ctrl+C is not Ctrl+Shift+C.
TEST(KeyMap, KeysInEachModifierState) {
    const struct {
        std::uint16_t key;
        Modifiers modifiers;
        KeyCommand command;
        MenuId item;
    } kRows[] = {
        {'C', kCtrl, KeyCommand::MenuItem, MenuId::CopyValuetoClipboard1},
        {'C', kShift, KeyCommand::CornerC, MenuId::None},
        {'C', kCtrl | kShift, KeyCommand::MenuItem, MenuId::CopyColourName},
        {'C', kAlt, KeyCommand::CornerC, MenuId::None},
        {'N', kCtrl, KeyCommand::NextNearestName, MenuId::None},
        {vk::kInsert, kNoModifier, KeyCommand::MenuItem, MenuId::save1},
        {vk::kInsert, kCtrl, KeyCommand::SaveQframe, MenuId::None},
        {'1', kNoModifier, KeyCommand::MenuItem, MenuId::magnify_1x},
        {'W', kCtrl, KeyCommand::MenuItem, MenuId::WebSafe1},  // a hidden item keeps its shortcut
        {vk::kF5, kNoModifier, KeyCommand::MenuItem, MenuId::Recapture_screen},
        {'S', kNoModifier, KeyCommand::CycleMode, MenuId::None},
        {vk::kOemPlus, kShift, KeyCommand::RulerUp, MenuId::None},
        {vk::kOemPlus, kCtrl, KeyCommand::ZoomIn, MenuId::None},
        {vk::kSubtract, kNoModifier, KeyCommand::ZoomOut, MenuId::None},
        {vk::kNumpad8, kCtrl | kShift, KeyCommand::Arrow, MenuId::None},
        {'A', kShift, KeyCommand::SmoothView, MenuId::None},
    };
    for (const auto& row : kRows) {
        const KeyBinding* binding = FindKey(row.key, row.modifiers);
        ASSERT_NE(binding, nullptr) << row.key << " " << int{row.modifiers};
        EXPECT_EQ(binding->command, row.command) << row.key << " " << int{row.modifiers};
        EXPECT_EQ(binding->item, row.item) << row.key;
    }
    EXPECT_EQ(FindKey('1', kShift), nullptr);
    EXPECT_EQ(FindKey('Z', kNoModifier), nullptr);
    EXPECT_EQ(FindKey(vk::kNumpad8, kNoModifier)->dy, -1);
}

}  // namespace
}  // namespace pixo
