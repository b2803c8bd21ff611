#include "platform/win32/win32_shell.h"

#include <shellapi.h>
#include <shlobj.h>
#include <windows.h>

#include <utility>

#include "platform/win32/text_convert.h"

namespace pixo {

Win32Shell::Win32Shell(OwnerWindow owner) : owner_(std::move(owner)) {}

void Win32Shell::Open(const std::string& target) {
    const HWND owner = owner_ ? owner_() : nullptr;
    // No verb: the target's default one, which for some types is not "open" (or "open" is missing).
    ShellExecuteW(owner, nullptr, Utf8ToWide(target).c_str(), nullptr, nullptr, SW_SHOW);
}

std::string Win32Shell::DocumentsFolder() {
    PIDLIST_ABSOLUTE items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &items)) || items == nullptr)
        return {};
    wchar_t path[MAX_PATH] = {};
    const BOOL found = SHGetPathFromIDListW(items, path);
    CoTaskMemFree(items);
    return found ? WideToUtf8(path) : std::string();
}

std::string Win32Shell::ProgramPath() {
    // Long paths do not fit MAX_PATH: grow the buffer until the name is not cut off.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return WideToUtf8(path);
        }
        if (path.size() >= 32768)
            return {};
        path.resize(path.size() * 2);
    }
}

}  // namespace pixo
