#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "commands/keys.h"
#include "commands/menu_ids.h"

namespace pixo {

enum class MenuKind {
    Command,
    Toggle,       // checks itself on every click
    Radio,        // a toggle that also unchecks the other radio items of its group and parent
    RadioManual,  // a radio item without automatic toggling: its check changes only by code
    Submenu,
    Separator,
};

// One row of the menu table, in display order. What a click runs is bound to the item by the lens window
// (lens/commands_menu.cpp), which owns the handlers.
struct MenuItemDef {
    MenuId id = MenuId::None;
    MenuId parent = MenuId::None;  // MenuId::None for the top level
    const char* caption = "";
    Shortcut shortcut{};
    MenuKind kind = MenuKind::Command;
    bool defaultChecked = false;
    int group = 0;  // radio group number; 0 for none
    bool visible = true;
};

// The whole menu, top level first, each submenu's rows right after the submenu item.
std::span<const MenuItemDef> MenuTable();

// The text a shortcut shows beside its caption, e.g. "Ctrl+D", "Ins", "F1", "1".
std::string ShortcutText(Shortcut shortcut);

// The pop-up menu as a model: the one store of the user's options (its check marks), the click rules and
// the shortcut lookup. The Win32 shell builds the visible menu from it each time it opens.
class PopupMenu {
  public:
    PopupMenu();  // every item at its default

    bool Checked(MenuId id) const { return state_[Index(id)].checked; }
    // Sets a check mark by code; checking a radio item unchecks the others of its group.
    void SetChecked(MenuId id, bool checked);
    bool Enabled(MenuId id) const { return state_[Index(id)].enabled; }
    void SetEnabled(MenuId id, bool enabled) { state_[Index(id)].enabled = enabled; }
    const MenuItemDef& Def(MenuId id) const;

    // A click (by mouse or shortcut): a disabled item does nothing; an automatic item inverts its own check
    // mark first (a checked radio item thus unchecks, leaving its group empty). Returns whether the item's
    // handler is to run: false for a disabled or unknown item.
    bool Click(MenuId id);

    // The item whose shortcut is exactly this key and modifier state.
    std::optional<MenuId> FindShortcut(std::uint16_t key, Modifiers modifiers) const;

  private:
    struct ItemState {
        bool checked = false;
        bool enabled = true;
    };
    static std::size_t Index(MenuId id) { return static_cast<std::size_t>(id); }
    std::array<ItemState, static_cast<std::size_t>(MenuId::Count)> state_{};
};

}  // namespace pixo
