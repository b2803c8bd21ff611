#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "commands/keys.h"
#include "commands/menu_ids.h"

namespace pixo {

// What a key does on the lens.
enum class KeyCommand {
    MenuItem,    // the menu item's click (its shortcut)
    SmoothView,  // held: the smoothed view
    Arrow,       // move the lens; with exactly Shift, size the caliper
    Escape,      // end a corner selection and a measurement
    Measure,     // M; Shift+M ends the measurement
    SaveQframe,  // the stored Qframe from a fresh capture
    CornerQ,
    CornerC,
    ShowQframe,
    Park,
    Recapture,
    CycleMode,
    ZoomIn,
    ZoomOut,
    RulerUp,  // the ruler's unit, in ruler mode
    RulerDown,
    KeyCodes,         // show the code of each key pressed
    NextNearestName,  // the next chart the nearest colour name comes from (Ctrl+N)
};

// Which modifier states a binding takes: exactly `modifiers`, or any at all.
struct ModifierMatch {
    Modifiers modifiers = kNoModifier;
    bool any = false;
    constexpr bool Matches(Modifiers m) const { return any || m == modifiers; }
};
inline constexpr ModifierMatch kAnyModifiers{kNoModifier, true};
constexpr ModifierMatch Exactly(Modifiers m) {
    return {m, false};
}

struct KeyBinding {
    std::uint16_t key = 0;
    ModifierMatch when{};
    KeyCommand command = KeyCommand::MenuItem;
    MenuId item = MenuId::None;  // for MenuItem
    int dx = 0;                  // for Arrow: -1 left, +1 right
    int dy = 0;                  //            -1 up, +1 down
};

// Every key of the lens in one table. The menu shortcuts come first and match the modifier state exactly
// (Ctrl+C is not Ctrl+Shift+C), so they are taken before the keys of the lens itself; among those, the
// first binding that matches wins.
std::span<const KeyBinding> KeyMap();

// The first binding of the key in that modifier state, if any.
const KeyBinding* FindKey(std::uint16_t key, Modifiers modifiers);

// The menu shortcut of an item, if it has one.
std::optional<Shortcut> ShortcutOf(MenuId item);

// The text a shortcut shows beside its caption, e.g. "Ctrl+D", "Ins", "F1", "1".
std::string ShortcutText(Shortcut shortcut);

}  // namespace pixo
