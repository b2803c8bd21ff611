#pragma once

#include "platform/registry.h"

namespace pixo {

// The Windows registry. A read opens the key with read access only and a write with write access only,
// once per call, and closes it again, so no key stays open between the settings' reads and writes.
class Win32Registry final : public IRegistry {
  public:
    Win32Registry() = default;

    std::optional<std::vector<std::optional<std::int32_t>>> ReadDwords(RegistryRoot root,
                                                                       const std::string& path,
                                                                       std::span<const char* const> names) override;
    Failure WriteDwords(RegistryRoot root, const std::string& path, std::span<const DwordValue> values) override;
};

}  // namespace pixo
