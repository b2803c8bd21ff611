#include "app/menu_builder.h"

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/text_convert.h"

namespace pixo {
namespace {

constexpr UINT kFirstCommand = 1000;

std::wstring MenuText(const MenuItemDef& def) {
    std::wstring text;
    for (wchar_t c : Utf8ToWide(def.caption)) {
        if (c == L'&')
            text += L'&';  // a caption's ampersand is shown, not taken as an access key
        text += c;
    }
    const std::string shortcut = ShortcutText(ShortcutOf(def.id).value_or(Shortcut{}));
    if (!shortcut.empty())
        text += L'\t' + Utf8ToWide(shortcut);
    return text;
}

MenuHandle BuildLevel(const PopupMenu& menu, MenuId parent) {
    MenuHandle level(CreatePopupMenu());
    for (const MenuItemDef& def : MenuTable()) {
        if (def.parent != parent)
            continue;
        if (def.kind == MenuKind::Separator) {
            AppendMenuW(level.Get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        if (!def.visible)
            continue;
        std::wstring text = MenuText(def);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE | MIIM_ID;
        info.fType = MFT_STRING;
        info.dwTypeData = text.data();
        info.wID = kFirstCommand + static_cast<UINT>(def.id);
        MenuHandle submenu;
        if (def.kind == MenuKind::Submenu) {
            submenu = BuildLevel(menu, def.id);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = submenu.Get();
        } else {
            if (def.kind == MenuKind::Radio || def.kind == MenuKind::RadioManual)
                info.fType |= MFT_RADIOCHECK;
            info.fState = (menu.Checked(def.id) ? MFS_CHECKED : MFS_UNCHECKED) |
                          (menu.Enabled(def.id) ? MFS_ENABLED : MFS_GRAYED);
        }
        if (InsertMenuItemW(level.Get(), static_cast<UINT>(GetMenuItemCount(level.Get())), TRUE, &info))
            submenu.Release();  // destroyed with the menu it now belongs to
    }
    return level;
}

}  // namespace

std::optional<MenuId> TrackLensMenu(HWND owner, const PopupMenu& menu, POINT screenPoint) {
    const MenuHandle root(BuildLevel(menu, MenuId::None));
    // The owner must be the foreground window for the menu to close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(root.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                         screenPoint.x, screenPoint.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen < kFirstCommand + 1 || chosen >= kFirstCommand + static_cast<UINT>(MenuId::Count))
        return std::nullopt;
    return static_cast<MenuId>(chosen - kFirstCommand);
}

}  // namespace pixo
