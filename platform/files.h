#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/error.h"

namespace pixo {

// The fixed file version of a program file's version resource, most significant number first.
struct FileVersion {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t release = 0;
    std::uint16_t build = 0;
};

// Paths are UTF-8 with backslashes. Failures carry the system's code and text.
class IFiles {
  public:
    virtual ~IFiles() = default;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    // Creates the folder and any missing parents; no failure when it exists afterwards.
    virtual Failure CreateFolders(const std::string& path) = 0;
    // Writes the whole file, replacing any file of that name. The bytes go to a file beside it first, so no
    // half-written file ever carries the name.
    virtual Failure WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) = 0;
    // The file version of a program file; nothing when it has no version resource (which is no failure).
    virtual std::optional<FileVersion> FileVersionOf(const std::string& path) = 0;
};

}  // namespace pixo
