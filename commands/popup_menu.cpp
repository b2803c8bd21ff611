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

const MenuItemDef kNoItem{};

}  // namespace

const MenuItemDef& MenuDef(MenuId id) {
    const MenuItemDef* def = FindDef(id);
    return def != nullptr ? *def : kNoItem;
}

bool PopupMenu::Checked(MenuId id) const {
    const MenuItemDef& def = MenuDef(id);
    if (def.option.Bound())
        return def.option.get(options_);
    return def.magnification >= 0 && def.magnification == factor_;
}

bool PopupMenu::Enabled(MenuId id) const {
    return !(id == MenuId::DoubleBuffer1 && options_.addDelay);
}

bool PopupMenu::Click(MenuId id) {
    const MenuItemDef* def = FindDef(id);
    if (def == nullptr || id == MenuId::None || !Enabled(id))
        return false;
    if ((def->kind == MenuKind::Toggle || def->kind == MenuKind::Radio) && def->option.Bound())
        def->option.set(options_, !def->option.get(options_));
    return true;
}

}  // namespace pixo
