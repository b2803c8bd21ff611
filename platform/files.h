#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/error.h"

namespace pixo {

// Paths are UTF-8 with backslashes. Failures carry the system's code and text.
class IFiles {
  public:
    virtual ~IFiles() = default;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    // Creates the folder and any missing parents; no failure when it exists afterwards.
    virtual Failure CreateFolders(const std::string& path) = 0;
    // Writes the whole file, replacing any file of that name.
    virtual Failure WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) = 0;
};

}  // namespace pixo
