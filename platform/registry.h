#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/error.h"

namespace pixo {

enum class RegistryRoot : std::uint32_t {
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
};

// One REG_DWORD value to store.
struct DwordValue {
    const char* name;
    std::int32_t value;
};

// REG_DWORD values below a key. Paths and names are UTF-8; paths use backslashes. Each call opens the key
// once, with only the access it needs, so that a key a user may read but not write (the machine-wide one
// for a standard user) is still read.
class IRegistry {
  public:
    virtual ~IRegistry() = default;
    // Reads the named values: for each, its number, or nothing when it is missing or of another type. Nothing
    // at all when the key cannot be opened for reading; a missing key is not created.
    virtual std::optional<std::vector<std::optional<std::int32_t>>> ReadDwords(RegistryRoot root,
                                                                               const std::string& path,
                                                                               std::span<const char* const> names) = 0;
    // Opens the key for writing, creating it when missing, and writes the values in order; stops at the first
    // that is refused, keeping those written before it.
    virtual Failure WriteDwords(RegistryRoot root, const std::string& path, std::span<const DwordValue> values) = 0;
};

}  // namespace pixo
