#include "fakes/fake_files.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace pixo {
namespace {

// The system's own codes and texts for the failures a capture folder meets.
PlatformError AccessDenied() {
    return {5, "Access is denied."};
}
PlatformError PathNotFound() {
    return {3, "The system cannot find the path specified."};
}
PlatformError AlreadyExists() {
    return {183, "Cannot create a file when that file already exists."};
}

std::string Trimmed(std::string path) {
    while (path.size() > 1 && path.back() == '\\')
        path.pop_back();
    return path;
}

bool IsDriveRoot(const std::string& path) {
    return path.size() == 2 && path[1] == ':';
}

std::string ParentOf(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

bool PathLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

bool FakeFiles::FileExists(const std::string& path) {
    return files.count(Trimmed(path)) != 0;
}

bool FakeFiles::FolderExists(const std::string& path) {
    const std::string folder = Trimmed(path);
    return IsDriveRoot(folder) || folders.count(folder) != 0;
}

Failure FakeFiles::CreateFolders(const std::string& path) {
    const std::string folder = Trimmed(path);
    if (folder.empty())
        return PathNotFound();
    if (FolderExists(folder))
        return std::nullopt;
    if (FileExists(folder))
        return AlreadyExists();
    const std::string parent = ParentOf(folder);
    if (!parent.empty()) {
        if (Failure failure = CreateFolders(parent))
            return failure;
    }
    if (failCreates)
        return AccessDenied();
    folders.insert(folder);
    createdFolders.push_back(folder);
    return std::nullopt;
}

Failure FakeFiles::WritePieces(const std::string& path, std::uint64_t size, const FilePieces& fill) {
    const std::string file = Trimmed(path);
    const std::string parent = ParentOf(file);
    if (!parent.empty() && !FolderExists(parent))
        return PathNotFound();
    if (failWrites || folders.count(file) != 0)
        return AccessDenied();
    if (size > freeSpace)
        return PlatformError{112, "There is not enough space on the disk."};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    for (std::size_t at = 0; at < bytes.size(); at += pieceSize)
        fill(std::span(bytes).subspan(at, std::min(pieceSize, bytes.size() - at)));
    if (whileWriting)
        whileWriting(file);
    if (files.count(file) != 0)
        return PlatformError{kNameTakenCode, "The file exists."};
    files[file] = std::move(bytes);
    ++writeCount;
    return std::nullopt;
}

std::optional<FileVersion> FakeFiles::FileVersionOf(const std::string& path) {
    const auto it = versions.find(path);
    if (it == versions.end())
        return std::nullopt;
    return it->second;
}

}  // namespace pixo
