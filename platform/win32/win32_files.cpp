#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cwchar>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/system_error.h"
#include "platform/win32/text_convert.h"

namespace pixo {
namespace {

DWORD Attributes(const std::wstring& path) {
    return GetFileAttributesW(path.c_str());
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The path without trailing separators, except where that would change its meaning ("C:\").
std::wstring TrimSeparators(std::wstring path) {
    while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/') && path[path.size() - 2] != L':')
        path.pop_back();
    return path;
}

// The length of the part that cannot be created: "C:\", "\\server\share\" or a leading "\".
std::size_t RootLength(const std::wstring& path) {
    const auto isSeparator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        std::size_t separators = 0;
        for (std::size_t i = 2; i < path.size(); ++i) {
            if (isSeparator(path[i]) && ++separators == 2)
                return i + 1;
        }
        return path.size();
    }
    if (path.size() >= 2 && path[1] == L':')
        return path.size() >= 3 && isSeparator(path[2]) ? 3 : 2;
    return !path.empty() && isSeparator(path[0]) ? 1 : 0;
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return L".";
    return slash == 0 || (slash == 2 && path[1] == L':') ? path.substr(0, slash + 1) : path.substr(0, slash);
}

// The temporary files are named "pxo" + four hexadecimal digits + ".tmp", as the system's own temporary
// names were that earlier versions used, so that their leftovers are recognised as well.
constexpr wchar_t kTemporaryPrefix[] = L"pxo";

bool IsTemporaryName(std::wstring_view name) {
    constexpr std::wstring_view kSuffix = L".tmp";
    constexpr std::size_t kDigits = 4;
    const std::wstring_view prefix = kTemporaryPrefix;
    if (name.size() != prefix.size() + kDigits + kSuffix.size())
        return false;
    if (CompareStringOrdinal(name.data(), static_cast<int>(prefix.size()), prefix.data(),
                             static_cast<int>(prefix.size()), TRUE) != CSTR_EQUAL)
        return false;
    if (CompareStringOrdinal(name.data() + prefix.size() + kDigits, static_cast<int>(kSuffix.size()), kSuffix.data(),
                             static_cast<int>(kSuffix.size()), TRUE) != CSTR_EQUAL)
        return false;
    for (std::size_t i = prefix.size(); i < prefix.size() + kDigits; ++i) {
        const wchar_t c = name[i];
        if (!((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f')))
            return false;
    }
    return true;
}

// Creates a new, empty temporary file in the folder and opens it for writing without sharing. The system's
// own call for this takes folders of MAX_PATH characters only; this one takes any length.
FileHandle CreateTemporary(const std::wstring& folder, std::wstring& name) {
    static std::atomic<unsigned> counter{static_cast<unsigned>(GetTickCount() ^ (GetCurrentProcessId() << 4))};
    for (int attempt = 0; attempt < 0x10000; ++attempt) {
        wchar_t digits[8] = {};
        swprintf(digits, 8, L"%04X", counter.fetch_add(1) & 0xFFFFu);
        name = folder + L"\\" + kTemporaryPrefix + digits + L".tmp";
        FileHandle file(
            CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS))
            return file;
    }
    return FileHandle(INVALID_HANDLE_VALUE);
}

// Grows the write buffer; false, with the buffer as it was, when there is no memory for it.
bool Grow(std::vector<std::uint8_t>& buffer, std::size_t bytes) {
    try {
        buffer.resize(bytes);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool WriteAll(HANDLE file, std::uint64_t size, const FilePieces& fill, std::vector<std::uint8_t>& piece) {
    while (size > 0) {
        const auto part = static_cast<DWORD>(std::min<std::uint64_t>(size, piece.size()));
        fill(std::span(piece).first(part));
        DWORD written = 0;
        if (!::WriteFile(file, piece.data(), part, &written, nullptr) || written != part)
            return false;
        size -= part;
    }
    return true;
}

}  // namespace

bool Win32Files::FileExists(const std::string& path) {
    const DWORD attributes = Attributes(Utf8ToWide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::FolderExists(const std::string& path) {
    return IsFolder(Utf8ToWide(path));
}

Failure Win32Files::CreateFolders(const std::string& path) {
    const std::wstring full = TrimSeparators(Utf8ToWide(path));
    if (full.empty())
        return SystemError(ERROR_PATH_NOT_FOUND);
    // Walk up to the first folder that exists, then create the missing ones downwards.
    const std::size_t root = RootLength(full);
    std::vector<std::wstring> missing;
    std::wstring current = full;
    while (current.size() > root && !IsFolder(current)) {
        missing.push_back(current);
        const std::size_t slash = current.find_last_of(L"\\/");
        if (slash == std::wstring::npos || slash < root)
            break;
        current = TrimSeparators(current.substr(0, slash));
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (CreateDirectoryW(it->c_str(), nullptr))
            continue;
        const DWORD code = GetLastError();
        if (!(code == ERROR_ALREADY_EXISTS && IsFolder(*it)))
            return SystemError(code);
    }
    if (!IsFolder(full))
        return SystemError(ERROR_PATH_NOT_FOUND);
    return std::nullopt;
}

Failure Win32Files::WritePieces(const std::string& path, std::uint64_t size, const FilePieces& fill) {
    // The piece being written, kept from one write to the next: fresh memory costs more than the copy into
    // it. One per thread, as the worker's thread writes too.
    thread_local std::vector<std::uint8_t> piece;
    const std::wstring target = Utf8ToWide(path);
    if (Attributes(target) != INVALID_FILE_ATTRIBUTES)
        return SystemError(kNameTakenCode);
    const auto pieceBytes = static_cast<std::size_t>(std::min<std::uint64_t>(size, kFilePieceBytes));
    if (piece.size() < pieceBytes && !Grow(piece, pieceBytes))
        return SystemError(ERROR_NOT_ENOUGH_MEMORY);

    std::wstring temporary;
    bool written = false;
    {
        FileHandle file = CreateTemporary(FolderOf(target), temporary);
        if (!file)
            return LastSystemError("The file could not be written");
        SetLastError(ERROR_SUCCESS);
        written = WriteAll(file.Get(), size, fill, piece);
    }
    // Without MOVEFILE_REPLACE_EXISTING the rename fails when the name was taken meanwhile (another copy of
    // the program saving in the same millisecond): nothing is ever replaced.
    if (written && MoveFileExW(temporary.c_str(), target.c_str(), 0))
        return std::nullopt;
    // The error of the write or of the move; closing the file leaves it in place.
    const DWORD code = GetLastError();
    DeleteFileW(temporary.c_str());
    if (written && (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS))
        return SystemError(kNameTakenCode);
    return SystemError(code, "The file could not be written");
}

void Win32Files::RemoveLeftoverTemporaries(const std::string& folder) {
    const std::wstring base = TrimSeparators(Utf8ToWide(folder));
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((base + L"\\" + kTemporaryPrefix + L"*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsTemporaryName(found.cFileName)) {
            // A write in progress holds its file open without sharing, so deleting it fails and it stays.
            DeleteFileW((base + L"\\" + found.cFileName).c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::optional<FileVersion> Win32Files::FileVersionOf(const std::string& path) {
    const std::wstring name = Utf8ToWide(path);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(name.c_str(), &handle);
    if (size == 0)
        return std::nullopt;
    std::vector<std::uint8_t> info(size);
    if (!GetFileVersionInfoW(name.c_str(), 0, size, info.data()))
        return std::nullopt;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || fixed == nullptr ||
        length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    return FileVersion{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                       LOWORD(fixed->dwFileVersionLS)};
}

}  // namespace pixo
