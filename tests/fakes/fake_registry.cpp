#include "fakes/fake_registry.h"

namespace pixo {
namespace {

const PlatformError kAccessDenied{5, "Access is denied."};

}  // namespace

std::optional<std::vector<std::optional<std::int32_t>>> FakeRegistry::ReadDwords(RegistryRoot root,
                                                                                 const std::string& path,
                                                                                 std::span<const char* const> names) {
    if (failOpen || !HasKey(root, path))
        return std::nullopt;
    std::vector<std::optional<std::int32_t>> read;
    for (const char* name : names) {
        readNames.push_back(name);
        read.push_back(wrongType.count(name) != 0 ? std::nullopt : Get(root, path, name));
    }
    return read;
}

Failure FakeRegistry::WriteDwords(RegistryRoot root, const std::string& path, std::span<const DwordValue> written) {
    if (failOpen || refuseWrites)
        return kAccessDenied;
    keys.insert({root, path});
    for (const DwordValue& v : written) {
        if (failingWrites.count(v.name) != 0)
            return kAccessDenied;
        values[{root, path, v.name}] = v.value;
        writtenNames.push_back(v.name);
    }
    return std::nullopt;
}

std::optional<std::int32_t> FakeRegistry::Get(RegistryRoot root,
                                              const std::string& path,
                                              const std::string& name) const {
    const auto it = values.find({root, path, name});
    if (it == values.end())
        return std::nullopt;
    return it->second;
}

}  // namespace pixo
