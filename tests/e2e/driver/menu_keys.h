#pragma once

#include <windows.h>

#include <vector>

#include "commands/menu_ids.h"

namespace pixo::e2e {

// The keys a user presses in the freshly opened pop-up menu (nothing selected yet) to reach an item by the
// keyboard: Down to the item on each level (separators and hidden items are skipped by the menu), Right to
// open a submenu (which selects its first item). `choose` adds Enter at the end; without it the item is
// only selected (and a submenu item opened).
std::vector<WORD> MenuKeysTo(MenuId item, bool choose);

// How deep the item lies: 0 at the top level.
int MenuDepth(MenuId item);

}  // namespace pixo::e2e
