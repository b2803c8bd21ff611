#include "commands/popup_menu.h"

namespace pixo {
namespace {

const MenuItemDef* FindDef(MenuId id) {
    for (const MenuItemDef& def : MenuTable()) {
        if (def.id == id)
            return &def;
    }
    return nullptr;
}

bool IsRadio(const MenuItemDef& def) {
    return def.kind == MenuKind::Radio || def.kind == MenuKind::RadioManual;
}

}  // namespace

std::string ShortcutText(Shortcut shortcut) {
    if (shortcut.key == 0)
        return {};
    std::string text;
    if (shortcut.modifiers & kShift)
        text += "Shift+";
    if (shortcut.modifiers & kCtrl)
        text += "Ctrl+";
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

PopupMenu::PopupMenu() {
    for (const MenuItemDef& def : MenuTable()) {
        if (def.id != MenuId::None)
            state_[Index(def.id)].checked = def.defaultChecked;
    }
}

const MenuItemDef& PopupMenu::Def(MenuId id) const {
    return *FindDef(id);
}

void PopupMenu::SetChecked(MenuId id, bool checked) {
    state_[Index(id)].checked = checked;
    const MenuItemDef* def = FindDef(id);
    if (!checked || def == nullptr || !IsRadio(*def))
        return;
    for (const MenuItemDef& other : MenuTable()) {
        if (other.id != id && other.id != MenuId::None && IsRadio(other) && other.group == def->group &&
            other.parent == def->parent) {
            state_[Index(other.id)].checked = false;
        }
    }
}

bool PopupMenu::Click(MenuId id) {
    const MenuItemDef* def = FindDef(id);
    if (def == nullptr || !Enabled(id))
        return false;
    if (def->kind == MenuKind::Toggle || def->kind == MenuKind::Radio)
        SetChecked(id, !Checked(id));
    return true;
}

std::optional<MenuId> PopupMenu::FindShortcut(std::uint16_t key, Modifiers modifiers) const {
    const Shortcut wanted{key, modifiers};
    for (const MenuItemDef& def : MenuTable()) {
        if (def.id != MenuId::None && def.shortcut.key != 0 && def.shortcut == wanted)
            return def.id;
    }
    return std::nullopt;
}

}  // namespace pixo
