#include "platform/win32/win32_shell.h"

#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>
#include <windows.h>

#include <utility>

#include "platform/win32/system_error.h"
#include "platform/win32/text_convert.h"

namespace pixo {

Win32Shell::Win32Shell(OwnerWindow owner) : owner_(std::move(owner)) {}

Failure Win32Shell::Open(const std::string& target) {
    const HWND owner = owner_ ? owner_() : nullptr;
    SetLastError(ERROR_SUCCESS);
    // No verb: the target's default one, which for some types is not "open" (or "open" is missing).
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(owner, nullptr, Utf8ToWide(target).c_str(), nullptr, nullptr, SW_SHOW));
    if (result > 32)
        return std::nullopt;
    // The old codes below 32 that are no system error codes: no program is associated with the type.
    if (result == SE_ERR_NOASSOC || result == SE_ERR_ASSOCINCOMPLETE)
        return SystemError(ERROR_NO_ASSOCIATION);
    return LastSystemError("The system could not open it.");
}

std::string Win32Shell::DocumentsFolder() {
    // The known-folder call allocates the path, so a long one is never cut off.
    PWSTR path = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &path);
    std::string folder = SUCCEEDED(result) && path != nullptr ? WideToUtf8(path) : std::string();
    CoTaskMemFree(path);
    return folder;
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
