#include "commands/key_map.h"

namespace pixo {
namespace {

using C = KeyCommand;
using M = MenuId;

constexpr KeyBinding Menu(std::uint16_t key, Modifiers modifiers, MenuId item) {
    return {.key = key, .when = Exactly(modifiers), .command = C::MenuItem, .item = item};
}
constexpr KeyBinding Ctrl(char letter, MenuId item) {
    return Menu(vk::Letter(letter), kCtrl, item);
}
constexpr KeyBinding Lens(std::uint16_t key, KeyCommand command, ModifierMatch when = kAnyModifiers) {
    return {.key = key, .when = when, .command = command};
}
constexpr KeyBinding Arrow(std::uint16_t key, int dx, int dy) {
    return {.key = key, .when = kAnyModifiers, .command = C::Arrow, .dx = dx, .dy = dy};
}

constexpr KeyBinding kKeys[] = {
    // The menu's shortcuts.
    Menu(vk::kInsert, kNoModifier, M::save1),
    Ctrl('D', M::OpenDumps1),
    Ctrl('R', M::Ruler1),
    Ctrl('K', M::Caliper1),
    Ctrl('B', M::LensBorder1),
    Menu(vk::kF1, kNoModifier, M::TheHelpDialog),
    Menu(vk::kF5, kNoModifier, M::Recapture_screen),
    Ctrl('A', M::AutoCapture1),
    Ctrl('P', M::ShowColVal),
    Ctrl('H', M::HEXColor1),
    Ctrl('W', M::WebSafe1),  // the item is hidden; its shortcut is not
    Ctrl('Y', M::ToCMYK1),
    Ctrl('S', M::RGBtoHSB1),
    Ctrl('L', M::RGBtoLAB1),
    Ctrl('Z', M::RGBtoXYZ1),
    Ctrl('C', M::CopyValuetoClipboard1),
    Menu(vk::Letter('C'), kCtrl | kShift, M::CopyColourName),
    Menu('1', kNoModifier, M::magnify_1x),
    Menu('2', kNoModifier, M::magnify_2x),
    Menu('3', kNoModifier, M::magnify_3x),
    Menu('4', kNoModifier, M::magnify_4x),
    Ctrl('E', M::ExpoCheck1),
    Ctrl('O', M::Crosshair1),
    Ctrl('X', M::Close1),
    // The lens's own keys.
    Lens('A', C::SmoothView),
    Arrow(vk::kLeft, -1, 0),
    Arrow(vk::kNumpad4, -1, 0),
    Arrow(vk::kRight, 1, 0),
    Arrow(vk::kNumpad6, 1, 0),
    Arrow(vk::kUp, 0, -1),
    Arrow(vk::kNumpad8, 0, -1),
    Arrow(vk::kDown, 0, 1),
    Arrow(vk::kNumpad2, 0, 1),
    Lens(vk::kEscape, C::Escape),
    Lens('M', C::Measure),
    Lens(vk::kSpace, C::SaveQframe),
    Lens(vk::kInsert, C::SaveQframe, Exactly(kCtrl)),  // Insert alone is the full-screen save
    Lens('Q', C::CornerQ),
    Lens('C', C::CornerC),
    Lens('I', C::ShowQframe),
    Lens('P', C::Park),
    Lens('R', C::Recapture),
    Lens('S', C::CycleMode),
    Lens(vk::kAdd, C::RulerUp, Exactly(kShift)),
    Lens(vk::kOemPlus, C::RulerUp, Exactly(kShift)),
    Lens(vk::kAdd, C::ZoomIn),
    Lens(vk::kOemPlus, C::ZoomIn),
    Lens(vk::kSubtract, C::RulerDown, Exactly(kShift)),
    Lens(vk::kOemMinus, C::RulerDown, Exactly(kShift)),
    Lens(vk::kSubtract, C::ZoomOut),
    Lens(vk::kOemMinus, C::ZoomOut),
    Lens(vk::kOem5, C::KeyCodes),
    Lens('N', C::NextNearestName, Exactly(kCtrl)),
};

}  // namespace

std::span<const KeyBinding> KeyMap() {
    return kKeys;
}

const KeyBinding* FindKey(std::uint16_t key, Modifiers modifiers) {
    for (const KeyBinding& binding : kKeys) {
        if (binding.key == key && binding.when.Matches(modifiers))
            return &binding;
    }
    return nullptr;
}

std::optional<Shortcut> ShortcutOf(MenuId item) {
    for (const KeyBinding& binding : kKeys) {
        if (binding.command == KeyCommand::MenuItem && binding.item == item)
            return Shortcut{binding.key, binding.when.modifiers};
    }
    return std::nullopt;
}

std::string ShortcutText(Shortcut shortcut) {
    if (shortcut.key == 0)
        return {};
    std::string text;
    if (shortcut.modifiers & kCtrl)
        text += "Ctrl+";
    if (shortcut.modifiers & kShift)
        text += "Shift+";
    if (shortcut.modifiers & kAlt)
        text += "Alt+";
    const std::uint16_t key = shortcut.key;
    if (key == vk::kInsert)
        text += "Ins";
    else if (key >= vk::kF1 && key < vk::kF1 + 12)
        text.append(1, 'F').append(std::to_string(key - vk::kF1 + 1));
    else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        text += static_cast<char>(key);
    return text;
}

}  // namespace pixo
