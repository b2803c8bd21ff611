#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <string>
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
    const std::wstring target = Utf8ToWide(path);
    // Replacing by a move would get past a read-only file (or, on some systems, fail only at the move):
    // refuse it, and a folder of that name, the way opening the file for writing would.
    const DWORD existing = Attributes(target);
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return SystemError(ERROR_ACCESS_DENIED);
    wchar_t temporary[MAX_PATH] = {};
    // Creates an empty, uniquely named file in the target's folder, so the final move is a rename.
    if (GetTempFileNameW(FolderOf(target).c_str(), L"pxo", 0, temporary) == 0)
        return LastSystemError();

    bool written = false;
    {
        const FileHandle file(
            CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        const auto pieceBytes = static_cast<std::size_t>(std::min<std::uint64_t>(size, kFilePieceBytes));
        if (piece_.size() < pieceBytes)
            piece_.resize(pieceBytes);
        written = file && WriteAll(file.Get(), size, fill, piece_);
    }
    if (written && MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING))
        return std::nullopt;
    // The error of the write or of the move; closing the file leaves it in place.
    const PlatformError failure = LastSystemError("The file could not be written");
    DeleteFileW(temporary);
    return failure;
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
