#pragma once

#include <span>

#include "commands/menu_ids.h"
#include "commands/options.h"

namespace pixo {

enum class MenuKind {
    Command,
    Toggle,       // inverts its option on every click
    Radio,        // chooses its value of a group; a click on the item in force leaves the group empty
    RadioManual,  // a radio item that a click does not change: its option changes only by code
    Submenu,
    Separator,
};

// One row of the menu table, in display order. What a click runs is bound to the item by the lens window
// (lens/commands_menu.cpp), which owns the handlers; its shortcut is in the key map (commands/key_map.h).
struct MenuItemDef {
    MenuId id = MenuId::None;
    MenuId parent = MenuId::None;  // MenuId::None for the top level
    const char* caption = "";
    MenuKind kind = MenuKind::Command;
    OptionBinding option{};  // the option whose check mark the item shows, if any
    int magnification = -1;  // a magnification item: the Factor whose check mark it shows
    bool visible = true;
};

// The whole menu, top level first, each submenu's rows right after the submenu item.
std::span<const MenuItemDef> MenuTable();
const MenuItemDef& MenuDef(MenuId id);

// The pop-up menu as a view of the options and the magnification: its check marks follow them, and a click
// changes them by the item's rules. It holds no state of its own; the Win32 shell builds the visible menu
// from it each time it opens.
class PopupMenu {
  public:
    PopupMenu(Options& options, int factor) : options_(options), factor_(factor) {}

    bool Checked(MenuId id) const;
    // Whether a click is taken: "Reduce flickering" is greyed while "Add Delay" turns the double buffer off.
    bool Enabled(MenuId id) const;
    const MenuItemDef& Def(MenuId id) const { return MenuDef(id); }

    // A click (by mouse or shortcut): a disabled item does nothing; an automatic item changes its option
    // first. Returns whether the item's handler is to run: false for a disabled or unknown item.
    bool Click(MenuId id);

  private:
    Options& options_;
    int factor_;
};

}  // namespace pixo
