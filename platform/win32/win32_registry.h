#pragma once

#include "platform/registry.h"

namespace pixo {

// The Windows registry. Every call opens the key with full access, creating it when missing, and closes
// it again, so no key stays open between the settings' reads and writes.
class Win32Registry final : public IRegistry {
  public:
    Win32Registry() = default;

    bool OpenOrCreateKey(RegistryRoot root, const std::string& path) override;
    std::optional<std::int32_t> ReadDword(RegistryRoot root, const std::string& path, const std::string& name) override;
    bool WriteDword(RegistryRoot root, const std::string& path, const std::string& name, std::int32_t value) override;
};

}  // namespace pixo
