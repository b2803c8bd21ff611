#include "e2e/driver/reference_menu.h"

namespace pixo::e2e {
namespace {

constexpr wchar_t kOwnerClass[] = L"PixoReferenceMenuOwner";
constexpr std::size_t kTextLimit = 256;

std::vector<ExpectedItem> ItemsUnder(const PopupMenu& model, MenuId parent) {
    std::vector<ExpectedItem> items;
    for (const MenuItemDef& def : MenuTable()) {
        if (def.parent != parent || !def.visible)
            continue;
        ExpectedItem item;
        if (def.kind == MenuKind::Separator) {
            item.separator = true;
            items.push_back(item);
            continue;
        }
        item.text = std::wstring(def.caption, def.caption + std::char_traits<char>::length(def.caption));
        if (const std::optional<Shortcut> shortcut = ShortcutOf(def.id))
            item.text += L"\t" + ShortcutCaption(*shortcut);
        item.submenu = def.kind == MenuKind::Submenu;
        item.radio = def.kind == MenuKind::Radio || def.kind == MenuKind::RadioManual;
        if (item.submenu) {
            item.items = ItemsUnder(model, def.id);
        } else {
            item.checked = model.Checked(def.id);
            item.grayed = !model.Enabled(def.id);
        }
        items.push_back(item);
    }
    return items;
}

HMENU Build(const std::vector<ExpectedItem>& items) {
    HMENU menu = CreatePopupMenu();
    UINT id = 1;
    for (const ExpectedItem& item : items) {
        if (item.separator) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::wstring text = item.text;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE | MIIM_ID;
        info.fType = MFT_STRING | (item.radio ? MFT_RADIOCHECK : 0u);
        info.fState = (item.checked ? MFS_CHECKED : MFS_UNCHECKED) | (item.grayed ? MFS_GRAYED : MFS_ENABLED);
        info.wID = id++;
        info.dwTypeData = text.data();
        if (item.submenu) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = Build(item.items);
        }
        InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
    }
    return menu;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

}  // namespace

std::wstring ShortcutCaption(const Shortcut& shortcut) {
    std::wstring text;
    if ((shortcut.modifiers & kCtrl) != 0)
        text += L"Ctrl+";
    if ((shortcut.modifiers & kShift) != 0)
        text += L"Shift+";
    if ((shortcut.modifiers & kAlt) != 0)
        text += L"Alt+";
    if (shortcut.key == VK_INSERT)
        text += L"Ins";
    else if (shortcut.key >= VK_F1 && shortcut.key <= VK_F12)
        text += L"F" + std::to_wstring(shortcut.key - VK_F1 + 1);
    else
        text += static_cast<wchar_t>(shortcut.key);  // letters and digits are their own key codes
    return text;
}

std::vector<ExpectedItem> ExpectedLensMenu() {
    Options options;
    const PopupMenu model(options, 0);  // the lens starts at 1:1
    return ItemsUnder(model, MenuId::None);
}

std::string CompareMenu(HMENU menu, const std::vector<ExpectedItem>& expected, const std::wstring& path) {
    const int count = GetMenuItemCount(menu);
    if (count < 0)
        return "the menu " + Narrow(path) + " cannot be read (error " + std::to_string(GetLastError()) + ")";
    std::string wrong;
    if (static_cast<std::size_t>(count) != expected.size())
        wrong += "\n  " + Narrow(path) + ": " + std::to_string(count) + " items, expected " +
                 std::to_string(expected.size());
    for (std::size_t i = 0; i < expected.size() && i < static_cast<std::size_t>(count); ++i) {
        const ExpectedItem& want = expected[i];
        const UINT position = static_cast<UINT>(i);
        wchar_t text[kTextLimit] = {};
        GetMenuStringW(menu, position, text, static_cast<int>(kTextLimit), MF_BYPOSITION);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
        GetMenuItemInfoW(menu, position, TRUE, &info);
        const std::wstring where = path + L"/" + (want.separator ? L"(separator)" : want.text);
        const auto report = [&](const std::string& what) { wrong += "\n  " + Narrow(where) + ": " + what; };
        if (((info.fType & MFT_SEPARATOR) != 0) != want.separator) {
            report(want.separator ? "is not a separator" : "is a separator");
            continue;
        }
        if (want.separator)
            continue;
        if (want.text != text)
            report("reads \"" + Narrow(text) + "\"");
        if (((info.fType & MFT_RADIOCHECK) != 0) != want.radio)
            report(want.radio ? "is not a radio item" : "is a radio item");
        if (((info.fState & MFS_CHECKED) != 0) != want.checked)
            report(want.checked ? "is not checked" : "is checked");
        if (((info.fState & MFS_GRAYED) != 0) != want.grayed)
            report(want.grayed ? "is enabled" : "is disabled");
        if ((info.hSubMenu != nullptr) != want.submenu)
            report(want.submenu ? "has no submenu" : "has a submenu");
        else if (want.submenu)
            wrong += CompareMenu(info.hSubMenu, want.items, where);
    }
    return wrong;
}

ReferenceMenu::ReferenceMenu(std::vector<ExpectedItem> items) : shared_(std::make_shared<Shared>()) {
    shared_->items = std::move(items);
    shared_->ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    shared_->closed = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    thread_ = std::thread([shared = shared_] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kOwnerClass;
        RegisterClassW(&windowClass);  // fails harmlessly when an earlier menu registered it
        // The owner must be a shown, active window for the menu to take the keyboard, as the lens is; one
        // pixel in the bottom-right corner, away from the menus.
        const HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, kOwnerClass, L"", WS_POPUP | WS_VISIBLE,
                                           GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1, 1, 1,
                                           nullptr, nullptr, windowClass.hInstance, nullptr);
        shared->owner.store(owner);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists from here on
        shared->threadId.store(GetCurrentThreadId());
        SetEvent(shared->ready);
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (msg.hwnd != nullptr || msg.message != WM_APP) {
                DispatchMessageW(&msg);
                continue;
            }
            const HMENU menu = Build(shared->items);
            SetForegroundWindow(owner);
            TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, static_cast<int>(msg.wParam),
                           static_cast<int>(msg.lParam), 0, owner, nullptr);
            DestroyMenu(menu);
            SetEvent(shared->closed);
        }
        DestroyWindow(owner);
    });
}

ReferenceMenu::~ReferenceMenu() {
    // A scenario that failed half-way may leave the menu open: close it rather than wait for ever.
    if (WaitForSingleObject(shared_->closed, 0) != WAIT_OBJECT_0)
        PostMessageW(shared_->owner.load(), WM_CANCELMODE, 0, 0);
    if (WaitForSingleObject(shared_->closed, 5000) == WAIT_OBJECT_0 &&
        WaitForSingleObject(shared_->ready, 5000) == WAIT_OBJECT_0) {
        PostThreadMessageW(shared_->threadId.load(), WM_QUIT, 0, 0);
        thread_.join();
    } else {
        thread_.detach();  // it keeps its share of the state
    }
}

bool ReferenceMenu::Open(POINT at) {
    if (WaitForSingleObject(shared_->ready, 10000) != WAIT_OBJECT_0)
        return false;
    ResetEvent(shared_->closed);
    return PostThreadMessageW(shared_->threadId.load(), WM_APP, static_cast<WPARAM>(at.x), static_cast<LPARAM>(at.y)) !=
           FALSE;
}

bool ReferenceMenu::WaitClosed(DWORD milliseconds) {
    return WaitForSingleObject(shared_->closed, milliseconds) == WAIT_OBJECT_0;
}

}  // namespace pixo::e2e
