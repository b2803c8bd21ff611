#pragma once

#include <windows.h>

#include <optional>

#include "commands/key_map.h"
#include "commands/popup_menu.h"

namespace pixo {

// Shows the pop-up menu built from the model at a screen point and returns the chosen item.
std::optional<MenuId> TrackLensMenu(HWND owner, const PopupMenu& menu, POINT screenPoint);

}  // namespace pixo
