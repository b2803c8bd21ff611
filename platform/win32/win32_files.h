#pragma once

#include "platform/files.h"

namespace pixo {

// The file system. A file is written to a temporary file beside it and then renamed, never over another
// file, so a write that fails half-way (disk full, say) never leaves a cut-off capture under the real name
// and two copies of the program never overwrite each other's captures. Paths of any length work (the
// program declares itself long-path aware).
class Win32Files final : public IFiles {
  public:
    Win32Files() = default;

    bool FileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    Failure CreateFolders(const std::string& path) override;
    Failure WritePieces(const std::string& path, std::uint64_t size, const FilePieces& fill) override;
    void RemoveLeftoverTemporaries(const std::string& folder) override;
    std::optional<FileVersion> FileVersionOf(const std::string& path) override;
};

}  // namespace pixo
