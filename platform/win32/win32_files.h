#pragma once

#include "platform/files.h"

namespace pixo {

// The file system. A file is written to a temporary file beside it and then moved over the old one, so a
// write that fails half-way (disk full, say) never leaves a cut-off capture under the real name.
class Win32Files final : public IFiles {
  public:
    Win32Files() = default;

    bool FileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    Failure CreateFolders(const std::string& path) override;
    Failure WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) override;
    std::optional<FileVersion> FileVersionOf(const std::string& path) override;
};

}  // namespace pixo
