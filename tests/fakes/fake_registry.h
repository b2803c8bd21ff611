#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/registry.h"

namespace pixo {

// REG_DWORD values in memory. Like the real registry, reading or writing creates the key.
class FakeRegistry final : public IRegistry {
  public:
    bool OpenOrCreateKey(RegistryRoot root, const std::string& path) override;
    std::optional<std::int32_t> ReadDword(RegistryRoot root, const std::string& path, const std::string& name) override;
    bool WriteDword(RegistryRoot root, const std::string& path, const std::string& name, std::int32_t value) override;

    void Set(RegistryRoot root, const std::string& path, const std::string& name, std::int32_t value) {
        keys.insert({root, path});
        values[{root, path, name}] = value;
    }
    std::optional<std::int32_t> Get(RegistryRoot root, const std::string& path, const std::string& name) const;
    bool HasKey(RegistryRoot root, const std::string& path) const { return keys.count({root, path}) != 0; }

    std::set<std::pair<RegistryRoot, std::string>> keys;
    std::map<std::tuple<RegistryRoot, std::string, std::string>, std::int32_t> values;

    bool failOpen = false;                  // no key can be opened or created (and so nothing read or written)
    std::set<std::string> wrongType;        // value names stored with another type: reading them fails
    std::set<std::string> failingWrites;    // value names whose write fails
    std::vector<std::string> readNames;     // every read, in order
    std::vector<std::string> writtenNames;  // every successful write, in order
};

}  // namespace pixo
