#include "platform/win32/win32_dialogs.h"

#include <commdlg.h>

#include <utility>
#include <vector>

#include "platform/win32/text_convert.h"

namespace pixo {
namespace {

constexpr wchar_t kTitle[] = L"Pixoscope";
// Room for many file names when several are chosen; only the first is used.
constexpr std::size_t kFileBufferLength = 32768;

}  // namespace

Win32Dialogs::Win32Dialogs(OwnerWindow owner) : owner_(std::move(owner)) {}

HWND Win32Dialogs::Owner() const {
    return owner_ ? owner_() : nullptr;
}

void Win32Dialogs::Message(const std::string& text) {
    MessageBoxW(Owner(), Utf8ToWide(text).c_str(), kTitle, MB_OK);
}

void Win32Dialogs::Error(const std::string& text) {
    MessageBoxW(Owner(), Utf8ToWide(text).c_str(), kTitle, MB_OK | MB_ICONERROR);
}

std::optional<std::string> Win32Dialogs::OpenPicture(const std::string& folder) {
    std::vector<wchar_t> buffer(kFileBufferLength, L'\0');
    const std::wstring initialFolder = Utf8ToWide(folder);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = Owner();
    dialog.lpstrFilter = L"*.bmp\0*.bmp\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameW(&dialog))
        return std::nullopt;  // cancelled, or the answer did not fit
    const std::wstring chosen = FirstChosenFile(buffer.data());
    if (chosen.empty())
        return std::nullopt;
    return WideToUtf8(chosen);
}

std::wstring FirstChosenFile(const wchar_t* buffer) {
    const std::wstring first(buffer);
    const wchar_t* second = buffer + first.size() + 1;
    if (first.empty() || *second == L'\0')
        return first;
    std::wstring path = first;
    if (path.back() != L'\\')
        path += L'\\';
    return path + second;
}

}  // namespace pixo
