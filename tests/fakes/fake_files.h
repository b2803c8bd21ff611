#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"

namespace pixo {

// Orders paths as Windows compares them: without regard to ASCII case.
struct PathLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

// Files and folders in memory. Drive roots ("C:") always exist; every other folder exists once created.
// Like the real file system, a file can only be written into an existing folder.
class FakeFiles final : public IFiles {
  public:
    bool FileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    Failure CreateFolders(const std::string& path) override;
    Failure WritePieces(const std::string& path, std::uint64_t size, const FilePieces& fill) override;
    void RemoveLeftoverTemporaries(const std::string& folder) override { cleanedFolders.push_back(folder); }
    std::optional<FileVersion> FileVersionOf(const std::string& path) override;

    std::map<std::string, std::vector<std::uint8_t>, PathLess> files;
    std::set<std::string, PathLess> folders;
    bool failWrites = false;                  // every write fails with "Access is denied." (code 5)
    bool failCreates = false;                 // creating any missing folder fails the same way
    int writeCount = 0;                       // successful writes
    std::vector<std::string> createdFolders;  // each folder created, in order
    std::vector<std::string> cleanedFolders;  // each folder whose leftover temporaries were removed
    // Runs when a file's bytes are complete, just before it takes its name: another program may take the
    // name meanwhile.
    std::function<void(const std::string& path)> whileWriting;
    // Bytes left on the disk: a larger write fails part-way with "There is not enough space on the disk."
    // and, as the real one writes beside the file and renames, leaves nothing under the file's name.
    std::size_t freeSpace = SIZE_MAX;
    std::map<std::string, FileVersion, PathLess> versions;  // program files with a version resource
    // The size of the pieces asked for: odd, so that pieces end inside pixels and rows.
    std::size_t pieceSize = 65537;
};

}  // namespace pixo
