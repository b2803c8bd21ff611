#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pixo {

enum class RegistryRoot : std::uint32_t {
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
};

// REG_DWORD values below a key. Paths use backslashes and are UTF-8.
class IRegistry {
  public:
    virtual ~IRegistry() = default;
    // Opens the key with full access, creating it if missing. False when neither worked.
    virtual bool OpenOrCreateKey(RegistryRoot root, const std::string& path) = 0;
    // The value, or nothing when it is missing, of another type, or the key cannot be opened.
    virtual std::optional<std::int32_t> ReadDword(RegistryRoot root,
                                                  const std::string& path,
                                                  const std::string& name) = 0;
    virtual bool WriteDword(RegistryRoot root,
                            const std::string& path,
                            const std::string& name,
                            std::int32_t value) = 0;
};

}  // namespace pixo
