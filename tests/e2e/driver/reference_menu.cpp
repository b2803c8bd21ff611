#include "e2e/driver/reference_menu.h"

namespace pixo::e2e {
namespace {

constexpr wchar_t kOwnerClass[] = L"PixoReferenceMenuOwner";
constexpr std::size_t kTextLimit = 256;

// The kinds of item as the user tells them apart: a command, a check mark, a radio bullet, a submenu.
constexpr bool kOn = true;
constexpr bool kOff = false;

ExpectedItem Item(const wchar_t* text) {
    ExpectedItem item;
    item.text = text;
    return item;
}
ExpectedItem Check(const wchar_t* text, bool checked) {
    ExpectedItem item = Item(text);
    item.checked = checked;
    return item;
}
ExpectedItem Radio(const wchar_t* text, bool checked) {
    ExpectedItem item = Check(text, checked);
    item.radio = true;
    return item;
}
ExpectedItem Separator() {
    ExpectedItem item;
    item.separator = true;
    return item;
}
ExpectedItem Submenu(const wchar_t* text, std::vector<ExpectedItem> items) {
    ExpectedItem item = Item(text);
    item.submenu = true;
    item.items = std::move(items);
    return item;
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

std::vector<ExpectedItem> ExpectedLensMenu() {
    return {
        Submenu(L"More",
                {
                    Submenu(L"Color Charts",
                            {
                                Item(L"Open Pantone PMS Chart (web browser)"),
                                Item(L"Open RAL Design Color chart (web browser)"),
                                Item(L"Open RAL Classic Color chart (web browser)"),
                            }),
                    Separator(),
                    Item(L"Save Full Screen Capture\tIns"),
                    Item(L"Open Captured Images\tCtrl+D"),
                    Separator(),
                    Radio(L"Pixel Ruler (Border Capliper off)\tCtrl+R", kOff),
                    Radio(L"Caliper (Border/Ruler off)\tCtrl+K", kOff),
                    Radio(L"Lens Border (Ruler/Caliper off)\tCtrl+B", kOn),
                    Separator(),
                    Submenu(L"Settings...",
                            {
                                Check(L"Show Pantone PMS if detected", kOn),
                                Check(L"Show % black if detected (grayscale)", kOff),
                                Check(L"Show Magnification factor", kOff),
                                Check(L"Show XY positions", kOff),
                                Separator(),
                                Check(L"Top Left Pixel in View (measure/zoom)", kOff),
                                Check(L"Use mouse wheel to zoom", kOff),
                                Separator(),
                                Check(L"Sound on Save", kOn),
                                Check(L"Save Captures to Clipboard (not to file)", kOff),
                                Check(L"Save Captures as PNG", kOff),
                                Check(L"Recapture Before saving a full screen", kOff),
                                Separator(),
                                Radio(L"Use Red lens image", kOff),
                                Radio(L"Use Green lens image", kOff),
                                Radio(L"Use Blue lens image", kOff),
                                Radio(L"Use Ivory lens image", kOff),
                                Separator(),
                                Check(L"Reduce flickering", kOn),
                                Check(L"Use No Border Image (slow systems)", kOff),
                                Check(L"Add Delay for Recapture (slow systems)", kOff),
                            }),
                    Item(L"Help and Information\tF1"),
                    Item(L"How to (Internet requirerd)"),
                    Item(L"Version"),
                }),
        Separator(),
        Item(L"Recapture Screen\tF5"),
        Check(L"Auto Screen Capture\tCtrl+A", kOff),
        Separator(),
        Check(L"Color Picker (RGB Default)\tCtrl+P", kOn),
        Submenu(L"Contvert RGB to...",
                {
                    // "HEX (websafe)", Ctrl+W, is hidden: its shortcut works, the menu does not show it.
                    Radio(L"HEX (html)\tCtrl+H", kOff),
                    Radio(L"HEX (BGR - $prefix)", kOff),
                    Radio(L"CMYK\tCtrl+Y", kOff),
                    Radio(L"HSB (HSV)\tCtrl+S", kOff),
                    Radio(L"LAB\tCtrl+L", kOff),
                    Radio(L"XYZ\tCtrl+Z", kOff),
                    Separator(),
                    Item(L"Copy Value to Clipboard\tCtrl+C"),
                }),
        Submenu(L"Nearest Colour Name",
                {
                    Radio(L"Off", kOn),
                    Radio(L"Pantone PMS", kOff),
                    Radio(L"RAL Classic", kOff),
                    Radio(L"RAL Design", kOff),
                    Separator(),
                    Item(L"Copy Colour Name\tCtrl+Shift+C"),
                }),
        Separator(),
        Radio(L"1:1 no magnification\t1", kOn),
        Radio(L"2X magnification\t2", kOff),
        Radio(L"3X magnification\t3", kOff),
        Radio(L"4X magnification\t4", kOff),
        Separator(),
        Check(L"Exposure Check\tCtrl+E", kOff),
        Check(L"Cross Hair\tCtrl+O", kOn),
        Separator(),
        Item(L"Close\tCtrl+X"),
    };
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
