#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/registry.h"

namespace pixo {

// REG_DWORD values in memory. Like the real registry, writing creates the key; reading a missing key reads
// nothing.
class FakeRegistry final : public IRegistry {
  public:
    std::optional<std::vector<std::optional<std::int32_t>>> ReadDwords(RegistryRoot root,
                                                                       const std::string& path,
                                                                       std::span<const char* const> names) override;
    Failure WriteDwords(RegistryRoot root, const std::string& path, std::span<const DwordValue> values) override;

    void Set(RegistryRoot root, const std::string& path, const std::string& name, std::int32_t value) {
        keys.insert({root, path});
        values[{root, path, name}] = value;
    }
    std::optional<std::int32_t> Get(RegistryRoot root, const std::string& path, const std::string& name) const;
    bool HasKey(RegistryRoot root, const std::string& path) const { return keys.count({root, path}) != 0; }

    std::set<std::pair<RegistryRoot, std::string>> keys;
    std::map<std::tuple<RegistryRoot, std::string, std::string>, std::int32_t> values;

    bool failOpen = false;                  // the key can be neither read nor written (nor created)
    bool refuseWrites = false;              // the key can be read, but opening it to write is refused
    std::set<std::string> wrongType;        // value names stored with another type: reading them fails
    std::set<std::string> failingWrites;    // value names whose write fails
    std::vector<std::string> readNames;     // every value asked for, in order
    std::vector<std::string> writtenNames;  // every successful write, in order
};

}  // namespace pixo
