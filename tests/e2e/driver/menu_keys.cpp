#include "e2e/driver/menu_keys.h"

#include <algorithm>

#include "commands/popup_menu.h"

namespace pixo::e2e {
namespace {

const MenuItemDef* Find(MenuId id) {
    for (const MenuItemDef& def : MenuTable()) {
        if (def.id == id && def.kind != MenuKind::Separator)
            return &def;
    }
    return nullptr;
}

// The item's place among the items the menu lets the keyboard stop at: visible and not separators.
int KeyboardIndex(const MenuItemDef& item) {
    int index = 0;
    for (const MenuItemDef& def : MenuTable()) {
        if (&def == &item)
            return index;
        if (def.parent == item.parent && def.kind != MenuKind::Separator && def.visible)
            ++index;
    }
    return -1;
}

// The item and its submenus up to the top level, top level first.
std::vector<const MenuItemDef*> Chain(MenuId item) {
    std::vector<const MenuItemDef*> chain;
    for (const MenuItemDef* def = Find(item); def != nullptr; def = Find(def->parent))
        chain.push_back(def);
    std::reverse(chain.begin(), chain.end());
    return chain;
}

}  // namespace

std::vector<WORD> MenuKeysTo(MenuId item, bool choose) {
    std::vector<WORD> keys;
    const std::vector<const MenuItemDef*> chain = Chain(item);
    for (std::size_t level = 0; level < chain.size(); ++level) {
        // On the top level nothing is selected yet: the first Down selects the first item. A submenu opens
        // with its first item selected.
        const int downs = KeyboardIndex(*chain[level]) + (level == 0 ? 1 : 0);
        keys.insert(keys.end(), static_cast<std::size_t>(std::max(downs, 0)), static_cast<WORD>(VK_DOWN));
        if (level + 1 < chain.size() || (chain[level]->kind == MenuKind::Submenu && !choose))
            keys.push_back(VK_RIGHT);
    }
    if (choose)
        keys.push_back(VK_RETURN);
    return keys;
}

int MenuDepth(MenuId item) {
    return static_cast<int>(Chain(item).size()) - 1;
}

}  // namespace pixo::e2e
