#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
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

// Puts the next bytes of a file being written into `piece`, filling it whole. It is called piece after piece,
// in order, until the file's size is reached.
using FilePieces = std::function<void(std::span<std::uint8_t> piece)>;

// The size of the pieces a file is written in: large enough that each write is cheap, small enough that a
// piece is still in the processor's caches when it is written.
constexpr std::size_t kFilePieceBytes = std::size_t{1} << 20;

// The code of a write that found its file's name taken (the system's "The file exists."): nothing was
// written under that name, and the caller may choose another.
inline constexpr int kNameTakenCode = 80;

// Paths are UTF-8 with backslashes. Failures carry the system's code and text. Saves write from the worker's
// thread (platform/worker.h) while the window's thread may use the files too: every call stands on its own.
class IFiles {
  public:
    virtual ~IFiles() = default;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    // Creates the folder and any missing parents; no failure when it exists afterwards.
    virtual Failure CreateFolders(const std::string& path) = 0;
    // Writes a new file of `size` bytes, asking `fill` for them a piece at a time (kFilePieceBytes at most), so
    // that a large file never has to be held whole. The bytes go to a temporary file beside it first, which
    // takes the name only once it is complete, so no half-written file ever carries the name. A file of that
    // name is never replaced, not even one that appeared while the bytes were written (by another copy of
    // the program saving in the same millisecond): the failure then has the code kNameTakenCode.
    virtual Failure WritePieces(const std::string& path, std::uint64_t size, const FilePieces& fill) = 0;
    // Removes what earlier writes that never finished (a program killed while saving) left in the folder: the
    // temporary files of this program's own naming, and only those no other program has open.
    virtual void RemoveLeftoverTemporaries(const std::string& folder) = 0;
    // Writes the whole file from memory, as WritePieces does.
    Failure WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
        return WritePieces(path, bytes.size(), [&bytes](std::span<std::uint8_t> piece) {
            std::memcpy(piece.data(), bytes.data(), piece.size());
            bytes = bytes.subspan(piece.size());
        });
    }
    // The file version of a program file; nothing when it has no version resource (which is no failure).
    virtual std::optional<FileVersion> FileVersionOf(const std::string& path) = 0;
};

}  // namespace pixo
